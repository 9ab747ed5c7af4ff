#include "shell/database_check.h"

#include "shell/translation.h"

namespace kestrune {

void DatabaseCheck::Run() {
  report_ = CheckIntegrity(db_, fs_);
}

std::string DatabaseCheck::Text() const {
  if (report_.clean()) return Translated(QT_TRANSLATE_NOOP("Kestrune", "Everything adds up."));
  std::string text;
  for (const std::string& line : report_.Lines()) text += line + "\n";
  return text;
}

std::string DatabaseCheck::Repair() {
  std::string copy;
  const Status status = RepairAfterBackup(db_, fs_, backups_, clock_.Now(), copy);
  Run();
  if (!status.ok() && !copy.empty()) {
    return status.message() + "\n" +
           Translated(QT_TRANSLATE_NOOP("Kestrune", "The book as it was is in %1."), {copy});
  }
  if (!status.ok()) return status.message();
  return Translated(QT_TRANSLATE_NOOP("Kestrune", "Totals repaired. The book as it was is in %1."),
                    {copy});
}

}  // namespace kestrune
