#include "shell/database_check.h"

#include "database/backups.h"

namespace kestrune {
namespace {

constexpr int kBackupsKept = 5;

}  // namespace

void DatabaseCheck::Run() {
  report_ = CheckIntegrity(db_, fs_);
  months_missing_ = false;
  for (const std::string& problem : report_.problems) {
    if (problem.starts_with("KSDBMonths.txt:")) months_missing_ = true;
  }
}

std::string DatabaseCheck::Text() const {
  if (report_.clean()) return "Everything adds up.";
  std::string text;
  for (const std::string& line : report_.Lines()) text += line + "\n";
  return text;
}

std::string DatabaseCheck::Repair(std::chrono::system_clock::time_point now) {
  std::string copy;
  Status status =
      BackUpDatabase(db_.database_folder(), backups_, BackupStamp(now), kBackupsKept, &copy);
  if (status.ok()) status = RepairTotals(db_, fs_);
  Run();
  if (!status.ok()) return status.message();
  return "Totals repaired. The book as it was is in " + copy + ".";
}

}  // namespace kestrune
