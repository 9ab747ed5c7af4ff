#include "cli/command_support.h"

#include <iostream>

#include "cli/cli_run.h"
#include "database/database_folder.h"
#include "database/recovery.h"

namespace kestrune::cli {
namespace {

constexpr const char* kNotRepaired =
    "The book is in use or read-only: missing files and sections read as empty.";

// A script cannot answer a dialog: the text is printed and the command gives up.
class PrintingPrompt final : public DatabasePrompt {
 public:
  PromptAnswer AskAboutMissingIndex(const std::string& text) override {
    std::cerr << kDatabaseErrorTitle << ": " << text << "\n";
    return PromptAnswer::kExit;
  }
};

// A reader holds the change lock shared and leaves the book's lock to the writer, so it
// reads while a program holds the book but never while a change is committed. A journal
// seen under the change lock is what a crash left: cleared first under the book's lock, or,
// where another process holds that, named and refused, since read around it the book would
// show the change half made. Temporary files alone do no harm to a reader and stay when it
// cannot be alone.
Status LockToRead(FileSystem& fs, const std::string& folder, CommandLocks& locks) {
  Status ready = locks.changes.Acquire(folder, LockKind::kShared);
  if (!ready.ok() || !RecoveryNeeded(fs, folder)) return ready;
  const Status alone = locks.book.Acquire(folder, LockKind::kExclusive);
  if (alone.ok()) return RecoverDatabase(fs, folder);
  if (const std::string journal = PendingJournal(fs, folder); !journal.empty()) {
    return Unfinished(journal, alone);
  }
  return Status::Ok();
}

// A reader repairs only as the one writer, taken at once, and alone: the change lock turns
// exclusive, so no other reader sees the repair half made.
int RepairToRead(ExpenseDatabase& db, const std::string& folder, CommandLocks& locks) {
  if (db.RepairsNeeded().empty()) return kExitOk;
  Status writer = locks.book.Acquire(folder, LockKind::kExclusive);
  if (writer.ok()) writer = locks.changes.Acquire(folder, LockKind::kExclusive);
  if (!writer.ok()) {
    std::cerr << kNotRepaired << "\n";
    return kExitOk;
  }
  return Reported(db.RepairBook());
}

Status LockToChange(FileSystem& fs, const std::string& folder, DatabaseLock& lock) {
  Status ready = lock.Acquire(folder, LockKind::kExclusive);
  if (ready.ok()) ready = RecoverDatabase(fs, folder);
  return ready;
}

}  // namespace

int OpenDatabase(const std::string& workdir, Access access, CommandLocks& locks,
                 ExpenseDatabase& db) {
  const std::string folder = DatabaseFolderOf(workdir);
  PosixFileSystem fs;
  if (!DatabaseFolderExists(fs, folder)) {
    std::cerr << "No database in " << folder << " (kestrune-cli init creates one)\n";
    return kExitDatabase;
  }
  const Status ready = access != Access::kChange ? LockToRead(fs, folder, locks)
                                                 : LockToChange(fs, folder, locks.book);
  if (!ready.ok()) return Reported(ready);
  PrintingPrompt prompt;
  const LoadResult loaded = db.LoadDatabase(folder, prompt);
  for (const std::string& failure : loaded.failures) std::cerr << failure << "\n";
  if (loaded == LoadOutcome::kExit || !loaded.failures.empty()) return kExitDatabase;
  return access == Access::kRead ? RepairToRead(db, folder, locks) : kExitOk;
}

int Refuse(const std::string& message) {
  std::cerr << message << "\n";
  return kExitRefused;
}

int Refuse(const Status& check) {
  if (check.detail().empty()) return Refuse(check.message());
  return Refuse(check.message() + "\n" + check.detail());
}

int RequireCategory(const ExpenseDatabase& db, const std::string& category) {
  return db.CategoryExists(category) ? kExitOk : Refuse("Unknown category: " + category);
}

int RequireItem(const ExpenseDatabase& db, const std::string& category, const std::string& item) {
  if (const int refused = RequireCategory(db, category)) return refused;
  return db.ItemExists(category, item) ? kExitOk
                                       : Refuse("Unknown item: " + item + " in " + category);
}

int RequirePerson(const ExpenseDatabase& db, const std::string& person) {
  return db.PersonExists(person) ? kExitOk : Refuse("Unknown person: " + person);
}

int Reported(const Status& status) {
  if (status.ok()) return kExitOk;
  std::cerr << status.message() << "\n";
  return kExitDatabase;
}

}  // namespace kestrune::cli
