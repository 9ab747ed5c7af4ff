// check [--repair]: totals recomputed from the purchase lists.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/cli_run.h"
#include "cli/command_support.h"
#include "database/integrity_check.h"

namespace kestrune::cli {
namespace {

int Check(ExpenseDatabase& db, const std::string& workdir, bool repair) {
  PosixFileSystem fs;
  const IntegrityReport report = CheckIntegrity(db, fs);
  for (const std::string& line : report.Lines()) std::cout << line << "\n";
  if (report.clean()) {
    std::cout << "Everything adds up.\n";
    return kExitOk;
  }
  if (!repair) return kExitRefused;
  std::string copy;
  const Status repaired =
      RepairAfterBackup(db, fs, workdir + "/data/backups", std::chrono::system_clock::now(), copy);
  if (repaired.ok()) {
    std::cout << "Totals repaired; the files as they were are in " << copy << "\n";
  } else if (!copy.empty()) {
    std::cout << "The files as they were are in " << copy << "\n";
  }
  return Reported(repaired);
}

}  // namespace

void AddCheckCommands(CLI::App& app, CliRun& run) {
  auto repair = std::make_shared<bool>(false);
  auto* check = app.add_subcommand(
      "check", "recompute every total from the purchase lists and list what differs");
  check->add_flag("--repair", *repair,
                  "rewrite differing totals to the recomputed values (after a backup)");
  check->callback([&run, repair] {
    run.action = [repair](CliRun& r) {
      const Access access = *repair ? Access::kChange : Access::kReadAsIs;
      return WithDatabase(r.workdir, access,
                          [&](ExpenseDatabase& db) { return Check(db, r.workdir, *repair); });
    };
  });
}

}  // namespace kestrune::cli
