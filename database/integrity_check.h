#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "database/expense_database.h"
#include "database/file_system.h"

namespace kestrune {

// One running total that differs from what the purchase lists add up to.
struct TotalsDifference {
  std::string file;   // relative to the database folder
  int line = 0;       // the stored amount's line, from 1; 0 when the entry is missing
  std::string entry;  // "2004 January", "all months", or "2004 January / Anna"
  double stored = 0.0;
  double recomputed = 0.0;
};

struct IntegrityReport {
  std::vector<TotalsDifference> differences;
  // Files the indexes name that are missing, data files no index names, months with
  // purchases that the months index lacks.
  std::vector<std::string> problems;

  bool clean() const { return differences.empty() && problems.empty(); }
  // One line per finding, as the check command prints them.
  std::vector<std::string> Lines() const;
};

// Recomputes every item's totals (per month, "all months", per person and month) from its
// purchase list and every category's totals from its items, and compares them, to the cent,
// with what the files hold. Reads only.
IntegrityReport CheckIntegrity(const ExpenseDatabase& db, FileSystem& fs);

// Rewrites every differing totals section to the recomputed values (entries the running
// totals keep at zero stay, as zeros) and enters missing months into the months index, all
// in one change. The catalogue is not touched.
[[nodiscard]] Status RepairTotals(ExpenseDatabase& db, FileSystem& fs);

// First copies the book into a dated folder of `backups_folder` (the newest five kept) and
// sets `copy` to it, then repairs as RepairTotals does.
[[nodiscard]] Status RepairAfterBackup(ExpenseDatabase& db, FileSystem& fs,
                                       const std::string& backups_folder,
                                       std::chrono::system_clock::time_point now,
                                       std::string& copy);

}  // namespace kestrune
