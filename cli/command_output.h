#pragma once

#include <iostream>
#include <string>

#include "cli/cli_run.h"
#include "cli/command_support.h"

namespace kestrune::cli {

// Prints `out` to standard output; returns 0, or 3 with a message when it cannot be written
// (a full disk behind a redirection).
inline int PrintOutput(const std::string& out) {
  std::cout << out << std::flush;
  if (std::cout) return kExitOk;
  std::cerr << "Cannot write to standard output\n";
  return kExitDatabase;
}

// Runs a query: `body(db, out)` on the database of `workdir` puts its whole answer into
// `out`, which is printed only when the command succeeded. A failing query (a file that
// cannot be read, a repair that cannot be written) prints nothing on standard output. It
// shares the book with other readers (see Access::kRead).
template <typename Body>
int QueryDatabase(const std::string& workdir, Body body) {
  std::string out;
  const int status =
      WithDatabase(workdir, Access::kRead, [&](ExpenseDatabase& db) { return body(db, out); });
  return status == kExitOk ? PrintOutput(out) : status;
}

}  // namespace kestrune::cli
