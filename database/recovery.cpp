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

// The temporary files in `folder`. Earlier versions left theirs beside the file they
// replaced, named with the prefix and six more characters; `exact` keeps to those.
std::vector<std::string> Temporaries(FileSystem& fs, const std::string& folder, bool exact) {
  const std::size_t length = std::strlen(kTemporaryPrefix) + 6;
  std::vector<std::string> found;
  for (const std::string& name : fs.ListFolder(folder)) {
    if (name.starts_with(kTemporaryPrefix) && (!exact || name.size() == length)) {
      found.push_back(folder + "/" + name);
    }
  }
  return found;
}

// Those of the work folder and, never in the entity folders (there such a name may be a
// real entity file), those earlier versions left in the database folder itself.
std::vector<std::string> LeftTemporaries(FileSystem& fs, const std::string& database_folder) {
  std::vector<std::string> found = Temporaries(fs, WorkFolderOf(database_folder), false);
  for (std::string& old : Temporaries(fs, database_folder, true)) found.push_back(std::move(old));
  return found;
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
  return reason.WithMessage("An earlier change is not finished: " + journal + " (" +
                            reason.message() + ")");
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
  for (const std::string& temporary : LeftTemporaries(fs, database_folder)) {
    if (recovered.ok()) recovered = fs.RemoveFile(temporary);
  }
  return recovered;
}

bool RecoveryNeeded(FileSystem& fs, const std::string& database_folder) {
  return !PendingJournal(fs, database_folder).empty() ||
         !LeftTemporaries(fs, database_folder).empty();
}

}  // namespace kestrune
