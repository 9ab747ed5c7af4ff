#pragma once

#include <string>

#include "cli/cli_run.h"
#include "database/database_lock.h"
#include "database/expense_database.h"

namespace kestrune::cli {

// What a command does to the book.
enum class Access {
  kChange,    // the book's exclusive lock; a book the user may only read is refused
  kRead,      // the shared change lock (see ChangeLock), or none on a book the user may only read
  kReadAsIs,  // as kRead, but the book is never repaired first (the check reports it as it is)
};

// The locks one command holds until it ends.
struct CommandLocks {
  DatabaseLock book;   // a changing command's, or a reader's that completes a crashed change
  ChangeLock changes;  // a reader's: no change is committed while it reads
};

// Opens the database of the working folder for one command: takes the locks (held by
// `locks` until it is destroyed), completes a change a crash interrupted (a reader takes the
// book's lock for that; where it cannot, the unfinished change is named and the command
// refused), and loads the catalogue. A reader waits up to kChangeWait for a change in flight;
// a book held by another writer, a missing database folder or index file is not waited or
// prompted for: the message goes to standard error and the command ends with status 3, as it
// does when a listed file cannot be read. A kRead reader then repairs the book
// (ExpenseDatabase::RepairBook) when it can take the book's lock at once; otherwise, when
// something needed repair, it says so once on standard error and reads the missing parts as
// empty. A repair that cannot be written ends the command with status 3.
// Returns 0 when the database is loaded, otherwise the exit status.
[[nodiscard]] int OpenDatabase(const std::string& workdir, Access access, CommandLocks& locks,
                               ExpenseDatabase& db);

// Prints the refusal to standard error; returns status 1.
int Refuse(const std::string& message);
// Refuse with a failed check's message and, on the next line, the detail that says why.
int Refuse(const Status& check);

// 0 when the catalogue holds the name, otherwise its refusal ("Unknown category: NAME",
// "Unknown item: NAME in CATEGORY" after the category, "Unknown person: NAME"), status 1.
int RequireCategory(const ExpenseDatabase& db, const std::string& category);
int RequireItem(const ExpenseDatabase& db, const std::string& category, const std::string& item);
int RequirePerson(const ExpenseDatabase& db, const std::string& person);

// The outcome of a database change: a failed write is printed with status 3.
int Reported(const Status& status);

// Loads the database of `workdir` for `access` and runs `body` on it; returns the exit
// status.
template <typename Body>
int WithDatabase(const std::string& workdir, Access access, Body body) {
  CommandLocks locks;
  PosixFileSystem disk;
  ExpenseDatabase db(disk);
  if (const int status = OpenDatabase(workdir, access, locks, db); status != kExitOk) {
    return status;
  }
  return body(db);
}

// The same for a command that changes the book.
template <typename Body>
int WithDatabase(const std::string& workdir, Body body) {
  return WithDatabase(workdir, Access::kChange, body);
}

}  // namespace kestrune::cli
