#pragma once

#include <chrono>
#include <string>

#include "database/expense_database.h"
#include "database/file_system.h"
#include "database/integrity_check.h"

namespace kestrune {

// What "Check data base..." does, without its window: the report of the integrity check,
// and the repair that first copies the book to a dated backup.
class DatabaseCheck {
 public:
  DatabaseCheck(ExpenseDatabase& db, FileSystem& fs, std::string backups_folder)
      : db_(db), fs_(fs), backups_(std::move(backups_folder)) {}

  // Checks the book again; the report is kept for Text() and CanRepair().
  void Run();
  // One finding per line, or "Everything adds up." for a clean book.
  std::string Text() const;
  // Whether a repair would change any total or the months index.
  bool CanRepair() const { return report_.Repairable(); }
  // Backs the book up into the backups folder (keeping the newest five), rewrites the
  // totals to the recomputed values, and checks again. Returns what to tell the user: also
  // the damaged or unreadable files that were left as they were.
  std::string Repair(std::chrono::system_clock::time_point now);

 private:
  ExpenseDatabase& db_;
  FileSystem& fs_;
  std::string backups_;
  IntegrityReport report_;
};

}  // namespace kestrune
