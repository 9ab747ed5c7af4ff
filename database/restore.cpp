// Restoring a backup into the book as one undoable change.
#include "database/backups.h"
#include "database/expense_database.h"

namespace kestrune {

namespace {

constexpr const char* kIndexNames[] = {"KSDBCategories.txt", "KSDBPersons.txt", "KSDBMonths.txt"};
constexpr const char* kEntityFolders[] = {"categories", "items", "persons"};

// The regular file `from` as the new contents of `to`; an absent source or one that is no
// regular file removes it (as a backup never copies such a file).
Status Take(FileSystem& fs, ChangeSet& changes, const std::string& from, const std::string& to) {
  std::string bytes;
  const Status read = fs.Read(from, bytes);
  std::string now;
  if (read.ok() && (!fs.Read(to, now).ok() || now != bytes)) {
    changes.Write(to, std::move(bytes));
  } else if (read.ok()) {
    // The same bytes: nothing to write, and a removal gathered before is called off.
    changes.Write(to, std::move(now));
  } else if (read.IsNotFound() || read.IsInvalidArgument()) {
    if (changes.Exists(to)) changes.Remove(to);
  } else {
    return read;
  }
  return Status::Ok();
}

// Gathers the files of one entity folder: the backup's in, the book's others out.
Status TakeFolder(FileSystem& fs, ChangeSet& changes, const std::string& backup,
                  const std::string& book, const std::string& folder) {
  const std::string source = backup + "/" + folder;
  if (!fs.IsFolder(source)) {
    return Status::InvalidArgument("The backup " + backup + " is damaged: " + source +
                                   " is no folder");
  }
  for (const std::string& name : fs.ListFolder(book + "/" + folder)) {
    if (!fs.IsFolder(book + "/" + folder + "/" + name))
      changes.Remove(book + "/" + folder + "/" + name);
  }
  for (const std::string& name : fs.ListFolder(source)) {
    const Status taken = Take(fs, changes, source + "/" + name, book + "/" + folder + "/" + name);
    if (!taken.ok()) return taken;
  }
  return Status::Ok();
}

}  // namespace

Status ExpenseDatabase::RestoreBackup(const std::string& backups_folder, const std::string& name,
                                      int keep_backups) {
  const std::string backup = backups_folder + "/" + name;
  if (!IsBackupName(name) || !fs_.IsFolder(backup)) {
    return Status::NotFound("No backup named " + name);
  }
  // The backup is read before the new one is made: keeping the newest may delete it.
  ChangeSet changes(fs_, folder_);
  for (const char* index : kIndexNames) {
    const Status taken = Take(fs_, changes, backup + "/" + index, folder_ + "/" + index);
    if (!taken.ok()) return taken;
  }
  for (const char* folder : kEntityFolders) {
    if (Status taken = TakeFolder(fs_, changes, backup, folder_, folder); !taken.ok()) return taken;
  }
  Status saved =
      BackUpDatabase(fs_, folder_, backups_folder, BackupStamp(clock_->Now()), keep_backups);
  if (!saved.ok()) return saved;
  changes.Record(Note("Restore backup " + name, {}, {}));
  if (Status committed = changes.Commit(); !committed.ok()) return committed;
  return Reload();
}

}  // namespace kestrune
