#include <CLI/CLI.hpp>
#include <csignal>
#include <iostream>

#include "cli/cli_run.h"

int main(int argc, char** argv) {
  using namespace kestrune::cli;
  // A write beyond the file size limit then fails with EFBIG and is reported, old files kept.
  std::signal(SIGXFSZ, SIG_IGN);
  CLI::App app{"kestrune-cli: the household expense book from the command line"};
  app.require_subcommand(1);
  app.set_version_flag("--version", "kestrune-cli " KESTRUNE_VERSION);
  CliRun run;
  app.add_option("--workdir", run.workdir, "working folder that holds data/BASE")
      ->capture_default_str();
  AddCatalogueCommands(app, run);
  AddChartDemoCommands(app, run);
  AddPurchaseCommands(app, run);
  AddMaintenanceCommands(app, run);
  AddCheckCommands(app, run);
  AddPageCommands(app, run);
  AddChartCommands(app, run);
  AddGenerateCommands(app, run);
  AddServeCommands(app, run);
  AddHistoryCommands(app, run);
  AddExchangeCommands(app, run);
  AddFindCommands(app, run);
  AddBudgetCommands(app, run);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "usage: " << e.what() << " (see kestrune-cli --help)\n";
    return kExitUsage;
  }
  return run.action ? run.action(run) : kExitUsage;
}
