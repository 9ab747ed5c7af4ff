#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "database/amounts.h"
#include "database/expense_database.h"
#include "database/file_system.h"

namespace kestrune {

// One running total that differs from what the purchase lists add up to.
struct TotalsDifference {
  std::string file;   // relative to the database folder
  int line = 0;       // the stored amount's line, from 1; 0 when the entry is missing
  std::string entry;  // "2004 January", "all months", or "2004 January / Anna"
  Cents stored = 0;
  Cents recomputed = 0;
};

struct IntegrityReport {
  std::vector<TotalsDifference> differences;
  // Category and item files that cannot be read or whose sections are damaged (see
  // FindSectionFault), each with the reason and, for damage, its line. Repair leaves them and
  // the rest of their category as they are, and their totals are not compared. A budget file
  // that cannot be read or is damaged is told here too.
  std::vector<std::string> damaged;
  // Index lines that are blank, doubled, not a usable name or without their file; data files
  // no index names; months the index lists twice, that are no month key or that no file
  // holds; months with purchases the index lacks; byte-order marks at the start of a file;
  // budgets naming a category or item the catalogue does not hold.
  std::vector<std::string> problems;
  // The months with purchases (in sound categories) that the months index lacks.
  std::vector<std::string> unlisted_months;
  // Findings that are no fault: person files the person index does not name, which clearing
  // the book keeps on purpose and which no total reads.
  std::vector<std::string> notes;

  // Notes do not count: a book with notes only is clean.
  bool clean() const { return differences.empty() && damaged.empty() && problems.empty(); }
  // Whether a repair would change any total or the months index.
  bool Repairable() const { return !differences.empty() || !unlisted_months.empty(); }
  // One line per finding, notes last, as the check command prints them.
  std::vector<std::string> Lines() const;
};

// Checks the sections of every category and item file of the catalogue, recomputes the
// totals of the sound ones (per month, "all months", per person and month) from the purchase
// lists, the categories' from their items, and compares them, to the cent, with what the files
// hold; checks the three indexes against the files. Reads only.
IntegrityReport CheckIntegrity(const ExpenseDatabase& db, FileSystem& fs);

// Rewrites every differing totals section to the recomputed values (entries the running
// totals keep at zero stay, as zeros) and enters missing months into the months index, all in
// one change. A category with a damaged or unreadable file (its own or an item's) is left
// untouched, as is the catalogue; no file is created. Fails, naming those files, when there
// were any (after repairing the rest).
[[nodiscard]] Status RepairTotals(ExpenseDatabase& db, FileSystem& fs);

// First copies the book into a dated folder of `backups_folder` (the newest five kept) and
// sets `copy` to it, then repairs as RepairTotals does.
[[nodiscard]] Status RepairAfterBackup(ExpenseDatabase& db, FileSystem& fs,
                                       const std::string& backups_folder,
                                       std::chrono::system_clock::time_point now,
                                       std::string& copy);

}  // namespace kestrune
