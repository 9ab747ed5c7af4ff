#pragma once

#include <string>

#include "database/expense_database.h"

namespace kestrune::cli {

// Loads the database of the working folder for one command. A missing database folder or
// index file is not prompted for: the text goes to standard error and the command ends with
// status 3. Returns 0 when the database is loaded, otherwise the exit status.
[[nodiscard]] int OpenDatabase(const std::string& workdir, ExpenseDatabase& db);

// Prints the repairs the database could not write to standard error. Returns `status`, or
// 3 when something could not be written.
int ReportWriteFailures(ExpenseDatabase& db, int status);

}  // namespace kestrune::cli
