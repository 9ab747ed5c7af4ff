#pragma once

#include <string>

#include "cli/cli_run.h"
#include "database/database_lock.h"
#include "database/expense_database.h"

namespace kestrune::cli {

// Opens the database of the working folder for one command: takes the one-writer lock
// (held by `lock` until it is destroyed), completes a change a crash interrupted, and loads
// the catalogue. A lock held by another process, a missing database folder or index file
// is not waited or prompted for: the message goes to standard error and the command ends
// with status 3. Returns 0 when the database is loaded, otherwise the exit status.
[[nodiscard]] int OpenDatabase(const std::string& workdir, DatabaseLock& lock, ExpenseDatabase& db);

// Prints the repairs the database could not write to standard error. Returns `status`, or
// 3 when something could not be written.
int ReportWriteFailures(ExpenseDatabase& db, int status);

// Prints the refusal to standard error; returns status 1.
int Refuse(const std::string& message);

// 0 when the catalogue holds the name, otherwise its refusal ("Unknown category: NAME",
// "Unknown item: NAME in CATEGORY" after the category, "Unknown person: NAME"), status 1.
int RequireCategory(const ExpenseDatabase& db, const std::string& category);
int RequireItem(const ExpenseDatabase& db, const std::string& category, const std::string& item);
int RequirePerson(const ExpenseDatabase& db, const std::string& person);

// The outcome of a database change: a failed write is printed with status 3.
int Reported(const Status& status);

// Loads the database of `workdir` and runs `body` on it; returns the exit status.
template <typename Body>
int WithDatabase(const std::string& workdir, Body body) {
  DatabaseLock lock;
  ExpenseDatabase db;
  if (const int status = OpenDatabase(workdir, lock, db); status != kExitOk) return status;
  return ReportWriteFailures(db, body(db));
}

}  // namespace kestrune::cli
