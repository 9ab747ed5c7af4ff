#pragma once

#include <string>

#include "database/clock.h"
#include "database/expense_database.h"
#include "database/file_system.h"
#include "database/integrity_check.h"

namespace kestrune {

// What "Check data base..." does, without its window: the report of the integrity check,
// and the repair that first copies the book to a dated backup.
class DatabaseCheck {
 public:
  // `fs` and `clock` (which stamps the backups) must outlive it.
  DatabaseCheck(ExpenseDatabase& db, FileSystem& fs, const Clock& clock, std::string backups_folder)
      : db_(db), fs_(fs), clock_(clock), backups_(std::move(backups_folder)) {}

  // Checks the book again; the report is kept for Text() and CanRepair().
  void Run();
  // One finding per line, or "Everything adds up." for a clean book.
  std::string Text() const;
  // Whether a repair would change any total or the months index.
  bool CanRepair() const { return report_.Repairable(); }
  // Backs the book up into the backups folder (keeping the newest five), rewrites the
  // totals to the recomputed values, and checks again. Returns what to tell the user: also
  // the damaged or unreadable files that were left as they were.
  std::string Repair();

 private:
  ExpenseDatabase& db_;
  FileSystem& fs_;
  const Clock& clock_;
  std::string backups_;
  IntegrityReport report_;
};

}  // namespace kestrune
