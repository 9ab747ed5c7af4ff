#pragma once

#include <string>

#include "cli/cli_run.h"
#include "database/expense_database.h"

namespace kestrune::cli {

// Loads the database of the working folder for one command. A missing database folder or
// index file is not prompted for: the text goes to standard error and the command ends with
// status 3. Returns 0 when the database is loaded, otherwise the exit status.
[[nodiscard]] int OpenDatabase(const std::string& workdir, ExpenseDatabase& db);

// Prints the repairs the database could not write to standard error. Returns `status`, or
// 3 when something could not be written.
int ReportWriteFailures(ExpenseDatabase& db, int status);

// Prints the refusal to standard error; returns status 1.
int Refuse(const std::string& message);

// The outcome of a database change: a failed write is printed with status 3.
int Reported(const Status& status);

// Loads the database of `workdir` and runs `body` on it; returns the exit status.
template <typename Body>
int WithDatabase(const std::string& workdir, Body body) {
  ExpenseDatabase db;
  if (const int status = OpenDatabase(workdir, db); status != kExitOk) return status;
  return ReportWriteFailures(db, body(db));
}

}  // namespace kestrune::cli
