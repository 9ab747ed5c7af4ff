#include "database/recovery.h"

#include <cstring>
#include <vector>

#include "database/database_folder.h"
#include "database/journal.h"

namespace kestrune {
namespace {

Status ApplyJournal(FileSystem& fs, const std::string& folder, const std::string& journal) {
  std::string bytes;
  if (Status read = fs.Read(journal, bytes); !read.ok()) return read;
  if (const auto entries = DecodeJournal(bytes)) {
    for (const JournalEntry& entry : *entries) {
      const std::string path = folder + "/" + entry.path;
      Status applied = entry.content ? fs.WriteFile(path, *entry.content, WorkFolderOf(folder))
                                     : fs.RemoveFile(path);
      if (!applied.ok()) return applied;
    }
  }
  return fs.RemoveFile(journal);
}

// Removes the temporary files in `folder`. Earlier versions left theirs beside the file they
// replaced, named with the prefix and six more characters; `exact` keeps to those.
Status RemoveTemporaries(FileSystem& fs, const std::string& folder, bool exact) {
  const std::size_t length = std::strlen(kTemporaryPrefix) + 6;
  for (const std::string& name : fs.ListFolder(folder)) {
    if (!name.starts_with(kTemporaryPrefix) || (exact && name.size() != length)) continue;
    Status removed = fs.RemoveFile(folder + "/" + name);
    if (!removed.ok()) return removed;
  }
  return Status::Ok();
}

// The journal of earlier versions first: it can only be older.
std::vector<std::string> JournalPlaces(const std::string& database_folder) {
  return {database_folder + "/" + kOldJournalName,
          WorkFolderOf(database_folder) + "/" + kJournalName};
}

}  // namespace

std::string PendingJournal(FileSystem& fs, const std::string& database_folder) {
  for (const std::string& journal : JournalPlaces(database_folder)) {
    if (fs.Exists(journal)) return journal;
  }
  return {};
}

Status Unfinished(const std::string& journal, const Status& reason) {
  return Status::Error("An earlier change is not finished: " + journal + " (" + reason.message() +
                       ")");
}

Status FinishPendingChange(FileSystem& fs, const std::string& database_folder) {
  for (const std::string& journal : JournalPlaces(database_folder)) {
    if (!fs.Exists(journal)) continue;
    Status applied = ApplyJournal(fs, database_folder, journal);
    if (!applied.ok()) return Unfinished(journal, applied);
  }
  return Status::Ok();
}

Status RecoverDatabase(FileSystem& fs, const std::string& database_folder) {
  Status recovered = FinishPendingChange(fs, database_folder);
  if (recovered.ok()) recovered = RemoveTemporaries(fs, WorkFolderOf(database_folder), false);
  // Never in the entity folders: there such a name may be a real entity file.
  if (recovered.ok()) recovered = RemoveTemporaries(fs, database_folder, true);
  return recovered;
}

}  // namespace kestrune
