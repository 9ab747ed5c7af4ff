// undo, redo, history, backups and restore: the book's changes taken back and made again.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/cli_run.h"
#include "cli/command_support.h"
#include "database/backups.h"

namespace kestrune::cli {
namespace {

std::string BackupsFolder(const std::string& workdir) {
  return workdir + "/data/backups";
}

// A request the book refuses (nothing to undo, a hand-edited file, no such backup) ends with
// status 1; a damaged entry or a failed write with status 3.
int Refused(const Status& status) {
  if (status.IsNotFound() || status.IsInvalidArgument()) return Refuse(status);
  return Reported(status);
}

int UndoOrRedo(ExpenseDatabase& db, bool redo) {
  HistoryEntry entry;
  const Result<ChangeFocus> applied = redo ? db.Redo(&entry) : db.Undo(&entry);
  if (!applied.ok()) return Refused(applied.status);
  std::cout << (redo ? "Redone: " : "Undone: ") << entry.description << "\n";
  return kExitOk;
}

void PrintEntries(const std::vector<HistoryEntry>& entries) {
  for (const HistoryEntry& entry : entries) {
    std::cout << entry.time << "  " << entry.description << "\n";
  }
}

// The changes that can be undone, newest first, then apart those undone that can be redone.
int History(ExpenseDatabase& db) {
  const auto done = db.History();
  if (!done.ok()) return Reported(done.status);
  const auto undone = db.RedoList();
  if (!undone.ok()) return Reported(undone.status);
  if (done.value.empty()) std::cout << "Nothing to undo.\n";
  PrintEntries(done.value);
  if (!undone.value.empty()) std::cout << "\nUndone, to redo (the next first):\n";
  PrintEntries(undone.value);
  return kExitOk;
}

int Backups(const std::string& workdir) {
  PosixFileSystem disk;
  const auto backups = ListBackups(disk, BackupsFolder(workdir));
  if (!backups.ok()) return Reported(backups.status);
  if (backups.value.empty()) std::cout << "No backups.\n";
  for (const BackupInfo& backup : backups.value) {
    std::cout << backup.name << "  " << backup.time << "  " << backup.purchases
              << (backup.purchases == 1 ? " purchase\n" : " purchases\n");
  }
  return kExitOk;
}

int Restore(ExpenseDatabase& db, const std::string& workdir, const std::string& name) {
  const Status restored = db.RestoreBackup(BackupsFolder(workdir), name, kBackupsToKeep);
  if (!restored.ok()) return Refused(restored);
  std::cout << "Restored backup " << name << "; undo takes it back.\n";
  return kExitOk;
}

void AddChange(CLI::App& app, CliRun& run, const char* name, const char* help, bool redo) {
  app.add_subcommand(name, help)->callback([&run, redo] {
    run.action = [redo](CliRun& r) {
      return WithDatabase(r.workdir, [&](ExpenseDatabase& db) { return UndoOrRedo(db, redo); });
    };
  });
}

}  // namespace

void AddHistoryCommands(CLI::App& app, CliRun& run) {
  AddChange(app, run, "undo", "take back the newest change (it can be redone)", false);
  AddChange(app, run, "redo", "make the change undone last again", true);
  app.add_subcommand("history", "list the changes that can be undone, newest first")
      ->callback([&run] {
        run.action = [](CliRun& r) { return WithDatabase(r.workdir, Access::kRead, History); };
      });
  app.add_subcommand("backups", "list the backups with their time and purchase count")
      ->callback([&run] { run.action = [](CliRun& r) { return Backups(r.workdir); }; });
  auto name = std::make_shared<std::string>();
  auto* restore = app.add_subcommand(
      "restore", "replace the book with a backup (after backing up the book; undoable)");
  restore->add_option("NAME", *name, "the backup's name, as backups lists it")->required();
  restore->callback([&run, name] {
    run.action = [name](CliRun& r) {
      return WithDatabase(r.workdir,
                          [&](ExpenseDatabase& db) { return Restore(db, r.workdir, *name); });
    };
  });
}

}  // namespace kestrune::cli
