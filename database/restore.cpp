// Restoring a backup into the book as one undoable change.
#include <algorithm>

#include "database/backups.h"
#include "database/budget_file.h"
#include "database/database_folder.h"
#include "database/expense_database.h"

namespace kestrune {

namespace {

// The regular file `from` as the new contents of `to` when they differ; an absent source or
// one that is no regular file removes `to` (as a backup never copies such a file).
Status Take(FileSystem& fs, ChangeSet& changes, const std::string& from, const std::string& to) {
  std::string bytes;
  const Status read = fs.Read(from, bytes);
  if (read.IsNotFound() || read.IsInvalidArgument()) {
    if (fs.Exists(to)) changes.Remove(to);
    return Status::Ok();
  }
  if (!read.ok()) return read;
  std::string now;
  if (!fs.Read(to, now).ok() || now != bytes) changes.Write(to, std::move(bytes));
  return Status::Ok();
}

// Gathers the files of one entity folder: the backup's in, the book's others out. A folder
// that cannot be read fails: a restore must not keep files it never saw.
Status TakeFolder(FileSystem& fs, ChangeSet& changes, const std::string& backup,
                  const std::string& book, const std::string& folder) {
  const std::string source = backup + "/" + folder, target = book + "/" + folder;
  std::vector<std::string> taken, kept;
  if (!fs.IsFolder(source)) {
    return Status::InvalidArgument("The backup " + backup + " is damaged: " + source +
                                   " is no folder");
  }
  if (Status read = fs.ReadFolder(source, taken); !read.ok()) return read;
  if (Status read = fs.ReadFolder(target, kept); !read.ok()) return read;
  for (const std::string& name : kept) {
    const bool in_backup = std::find(taken.begin(), taken.end(), name) != taken.end();
    if (!in_backup && !fs.IsFolder(target + "/" + name)) changes.Remove(target + "/" + name);
  }
  for (const std::string& name : taken) {
    if (Status took = Take(fs, changes, source + "/" + name, target + "/" + name); !took.ok()) {
      return took;
    }
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
  for (const char* index : kIndexFileNames) {
    const Status taken = Take(fs_, changes, backup + "/" + index, folder_ + "/" + index);
    if (!taken.ok()) return taken;
  }
  // A backup without budgets takes the book's away.
  const std::string budgets = std::string("/") + kBudgetFileName;
  if (Status taken = Take(fs_, changes, backup + budgets, folder_ + budgets); !taken.ok()) {
    return taken;
  }
  for (const char* folder : kEntityFolderNames) {
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
