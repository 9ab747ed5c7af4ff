#include "database/undo_history.h"

#include <algorithm>
#include <functional>

#include "database/change_set.h"
#include "database/clock.h"
#include "database/database_folder.h"

namespace kestrune {

std::string UndoFolderOf(const std::string& database_folder) {
  return WorkFolderOf(database_folder) + "/undo";
}

Result<std::vector<EntryName>> ListUndoEntries(FileSystem& fs, const std::string& database_folder) {
  std::vector<std::string> files;
  const Status read = fs.ReadFolder(UndoFolderOf(database_folder), files);
  if (!read.ok() && !read.IsNotFound()) return Failed<std::vector<EntryName>>(read);
  std::vector<EntryName> entries;
  for (const std::string& file : files) {
    if (std::optional<EntryName> name = ParseEntryName(file)) entries.push_back(*name);
  }
  std::sort(entries.begin(), entries.end(), [](const EntryName& a, const EntryName& b) {
    return a.number != b.number ? a.number < b.number : a.redo < b.redo;
  });
  return Result<std::vector<EntryName>>{std::move(entries)};
}

std::optional<EntryName> NextEntry(const std::vector<EntryName>& entries, bool redo) {
  std::optional<EntryName> next;
  for (const EntryName& entry : entries) {
    if (entry.redo != redo) continue;
    // Redo entries are the changes undone, the last one undone having the smallest number.
    if (!next || redo != (entry.number > next->number)) next = entry;
  }
  return next;
}

Status GatherNewUndoEntry(FileSystem& fs, const std::string& database_folder,
                          const std::string& encoded, ChangeSet& changes) {
  const std::string folder = UndoFolderOf(database_folder);
  if (Status made = fs.MakeFolders(folder); !made.ok()) return made;
  const Result<std::vector<EntryName>> entries = ListUndoEntries(fs, database_folder);
  if (!entries.ok()) return entries.status;
  std::vector<EntryName> kept;
  for (const EntryName& entry : entries.value) {
    if (entry.redo) {
      changes.Remove(folder + "/" + entry.Format());
    } else {
      kept.push_back(entry);
    }
  }
  const EntryName added{kept.empty() ? 1 : kept.back().number + 1, encoded.size(), false};
  std::uint64_t bytes = added.size;
  for (const EntryName& entry : kept) bytes += entry.size;
  // Oldest first, while there are too many or too large ones.
  for (std::size_t i = 0;
       i < kept.size() && (kept.size() - i + 1 > kMaxUndoEntries || bytes > kMaxUndoBytes); ++i) {
    changes.Remove(folder + "/" + kept[i].Format());
    bytes -= kept[i].size;
  }
  changes.Write(folder + "/" + added.Format(), encoded);
  return Status::Ok();
}

namespace {

// Gathers the entry rewritten by `edit` (under a name with its new size); a damaged entry is
// left as it is, never applied anyway.
Status Amend(FileSystem& fs, const std::string& database_folder, const EntryName& name,
             const std::function<void(std::vector<UndoFile>&)>& edit, ChangeSet& changes) {
  Result<UndoEntry> entry = ReadUndoEntry(fs, database_folder, name);
  if (!entry.ok()) return entry.status.IsCorruption() ? Status::Ok() : entry.status;
  edit(entry.value.files);
  const std::string folder = UndoFolderOf(database_folder);
  const std::string encoded = EncodeUndoEntry(entry.value);
  changes.Remove(folder + "/" + name.Format());
  changes.Write(folder + "/" + EntryName{name.number, encoded.size(), name.redo}.Format(), encoded);
  return Status::Ok();
}

UndoFile* Held(std::vector<UndoFile>& files, const std::string& path) {
  for (UndoFile& file : files) {
    if (file.path == path) return &file;
  }
  return nullptr;
}

// Fits the entry's file to the change's new contents: it still makes what it made of the
// contents before. A file it does not fit (edited by hand since) is left as it is.
void Refit(UndoFile& held, const ChangedFile& file) {
  std::optional<std::string> target;
  if (ApplyUndoFile(held, file.before, target)) held = MakeUndoFile(file.path, file.after, target);
}

}  // namespace

Status GatherIntoNewestUndoEntry(FileSystem& fs, const std::string& database_folder,
                                 const std::vector<ChangedFile>& files, ChangeSet& changes) {
  const Result<std::vector<EntryName>> listed = ListUndoEntries(fs, database_folder);
  if (!listed.ok()) return listed.status;
  const std::optional<EntryName> undo = NextEntry(listed.value, false);
  Status status = Status::Ok();
  if (undo) {
    status = Amend(
        fs, database_folder, *undo,
        [&](std::vector<UndoFile>& held) {
          for (const ChangedFile& file : files) {
            if (UndoFile* same = Held(held, file.path)) {
              Refit(*same, file);
            } else {
              held.push_back(MakeUndoFile(file.path, file.after, file.before));
            }
          }
        },
        changes);
  }
  const std::optional<EntryName> redo = NextEntry(listed.value, true);
  if (!status.ok() || !redo) return status;
  return Amend(
      fs, database_folder, *redo,
      [&](std::vector<UndoFile>& held) {
        for (const ChangedFile& file : files) {
          if (UndoFile* same = Held(held, file.path)) Refit(*same, file);
        }
      },
      changes);
}

Result<UndoEntry> ReadUndoEntry(FileSystem& fs, const std::string& database_folder,
                                const EntryName& name) {
  const std::string path = UndoFolderOf(database_folder) + "/" + name.Format();
  std::string bytes;
  if (Status read = fs.Read(path, bytes); !read.ok()) return Failed<UndoEntry>(read);
  std::optional<UndoEntry> entry = DecodeUndoEntry(bytes);
  if (!entry) {
    return Failed<UndoEntry>(Status::Corruption("The undo entry " + path + " is damaged"));
  }
  return Result<UndoEntry>{std::move(*entry)};
}

std::string EntryTime(std::chrono::system_clock::time_point when) {
  return LocalTimeText(when, "%Y-%m-%d %H:%M:%S");
}

}  // namespace kestrune
