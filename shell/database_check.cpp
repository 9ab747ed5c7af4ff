#include "shell/database_check.h"

namespace kestrune {

void DatabaseCheck::Run() {
  report_ = CheckIntegrity(db_, fs_);
}

std::string DatabaseCheck::Text() const {
  if (report_.clean()) return "Everything adds up.";
  std::string text;
  for (const std::string& line : report_.Lines()) text += line + "\n";
  return text;
}

std::string DatabaseCheck::Repair() {
  std::string copy;
  const Status status = RepairAfterBackup(db_, fs_, backups_, clock_.Now(), copy);
  Run();
  if (!status.ok() && !copy.empty()) {
    return status.message() + "\nThe book as it was is in " + copy + ".";
  }
  if (!status.ok()) return status.message();
  return "Totals repaired. The book as it was is in " + copy + ".";
}

}  // namespace kestrune
