#include "database/recovery.h"

#include "database/journal.h"

namespace kestrune {
namespace {

Status ApplyJournal(FileSystem& fs, const std::string& folder, const std::string& journal) {
  const std::optional<std::string> bytes = fs.ReadFile(journal);
  if (!bytes) return Status::Error("Can't read " + journal);
  if (const auto entries = DecodeJournal(*bytes)) {
    for (const JournalEntry& entry : *entries) {
      const std::string path = folder + "/" + entry.path;
      Status applied = entry.content ? fs.WriteFile(path, *entry.content) : fs.RemoveFile(path);
      if (!applied.ok()) return applied;
    }
  }
  return fs.RemoveFile(journal);
}

Status RemoveTemporaries(FileSystem& fs, const std::string& folder) {
  for (const std::string& name : fs.ListFolder(folder)) {
    if (!name.starts_with(kTemporaryPrefix)) continue;
    Status removed = fs.RemoveFile(folder + "/" + name);
    if (!removed.ok()) return removed;
  }
  return Status::Ok();
}

}  // namespace

Status FinishPendingChange(FileSystem& fs, const std::string& database_folder) {
  const std::string journal = database_folder + "/" + kJournalName;
  if (!fs.Exists(journal)) return Status::Ok();
  return ApplyJournal(fs, database_folder, journal);
}

Status RecoverDatabase(FileSystem& fs, const std::string& database_folder) {
  Status finished = FinishPendingChange(fs, database_folder);
  if (!finished.ok()) return finished;
  for (const char* sub : {"", "/categories", "/items", "/persons"}) {
    Status cleaned = RemoveTemporaries(fs, database_folder + sub);
    if (!cleaned.ok()) return cleaned;
  }
  return Status::Ok();
}

}  // namespace kestrune
