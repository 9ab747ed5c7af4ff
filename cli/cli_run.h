#pragma once

#include <functional>
#include <string>

namespace CLI {
class App;
}

namespace kestrune::cli {

// Exit statuses of kestrune-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;   // input refused, nothing changed
inline constexpr int kExitUsage = 2;     // bad usage
inline constexpr int kExitDatabase = 3;  // database missing or unreadable, page file unwritable

// What the command line chose: the working folder and the command to run after parsing.
struct CliRun {
  std::string workdir = ".";
  std::function<int(CliRun&)> action;
};

// Each command group adds its subcommands; a subcommand's callback sets `run.action`.
void AddCatalogueCommands(CLI::App& app, CliRun& run);
void AddChartDemoCommands(CLI::App& app, CliRun& run);
void AddPurchaseCommands(CLI::App& app, CliRun& run);
void AddMaintenanceCommands(CLI::App& app, CliRun& run);
void AddCheckCommands(CLI::App& app, CliRun& run);
void AddPageCommands(CLI::App& app, CliRun& run);
void AddChartCommands(CLI::App& app, CliRun& run);
void AddGenerateCommands(CLI::App& app, CliRun& run);
void AddServeCommands(CLI::App& app, CliRun& run);
void AddHistoryCommands(CLI::App& app, CliRun& run);
void AddExchangeCommands(CLI::App& app, CliRun& run);
void AddFindCommands(CLI::App& app, CliRun& run);
void AddBudgetCommands(CLI::App& app, CliRun& run);

}  // namespace kestrune::cli
