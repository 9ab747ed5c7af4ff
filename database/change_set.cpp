#include "database/change_set.h"

#include <cassert>
#include <cerrno>
#include <cstring>

#include "database/database_folder.h"
#include "database/database_lock.h"
#include "database/journal.h"
#include "database/recovery.h"
#include "database/undo_history.h"

namespace kestrune {

ChangeSet::Change* ChangeSet::Find(const std::string& path) {
  for (Change& change : changes_) {
    if (change.path == path) return &change;
  }
  return nullptr;
}

Status ChangeSet::Read(const std::string& path, std::string& content) {
  const Change* change = Find(path);
  if (change == nullptr) return fs_.Read(path, content);
  if (!change->content)
    return Status::NotFound("Can't read " + path + ": " + std::strerror(ENOENT));
  content = *change->content;
  return Status::Ok();
}

bool ChangeSet::Exists(const std::string& path) {
  if (const Change* change = Find(path)) return change->content.has_value();
  return fs_.Exists(path);
}

void ChangeSet::Write(const std::string& path, std::string content) {
  if (Change* change = Find(path)) {
    change->content = std::move(content);
    return;
  }
  changes_.push_back({path, std::move(content)});
}

void ChangeSet::Remove(const std::string& path) {
  if (Change* change = Find(path)) {
    change->content.reset();
    return;
  }
  changes_.push_back({path, std::nullopt});
}

Status ChangeSet::CommitOne(const Change& change) {
  if (!change.content) {
    const Status removed = fs_.RemoveFile(change.path);
    return removed.ok() || fs_.Exists(change.path) ? removed : MadeNotDurable(removed);
  }
  std::string temp;
  Status written = fs_.WriteTemporary(change.path, WorkFolderOf(folder_), *change.content, temp);
  if (written.ok()) written = fs_.Rename(temp, change.path);
  if (written.ok() || temp.empty()) return written;
  // A rename whose folder could not be flushed has been made all the same.
  if (!fs_.Exists(temp)) return MadeNotDurable(written);
  [[maybe_unused]] const Status removed = fs_.RemoveFile(temp);
  return written;
}

Status ChangeSet::MadeNotDurable(const Status& failure) {
  return failure.WithMessage(failure.message() +
                             " (the change is made, but a crash may still undo it)");
}

Status ChangeSet::Kept(const Status& failure) {
  return failure.WithMessage(failure.message() +
                             " (the change is kept and will be completed at the next start)");
}

Status ChangeSet::Commit() {
  // Readers wait while the files change; a thread that reads under its own change lock
  // keeps other commits out already.
  ChangeLock committing;
  if (!ChangeLock::HeldByThisThread()) {
    if (Status locked = committing.Acquire(folder_, LockKind::kExclusive); !locked.ok()) {
      return locked;
    }
  }
  // A journal left by an earlier change that could not be finished comes first.
  Status status = FinishPendingChange(fs_, folder_);
  if (status.ok() && (note_ || fold_) && !changes_.empty()) status = GatherUndoEntry();
  if (status.ok() && changes_.size() == 1) status = CommitOne(changes_.front());
  if (status.ok() && changes_.size() > 1) {
    std::vector<std::string> temps;
    status = PrepareTemporaries(temps);
    if (status.ok()) status = WriteJournal();
    if (!status.ok()) {
      RemoveTemporaries(temps);
      // A journal renamed into place but not flushed would still complete the change.
      const std::string journal = JournalPath();
      if (fs_.Exists(journal) && !fs_.RemoveFile(journal).ok()) return Kept(status);
      return status;
    }
    status = Apply(temps);
  }
  if (status.ok()) changes_.clear();
  return status;
}

Status ChangeSet::GatherUndoEntry() {
  std::vector<ChangedFile> files;
  if (Status read = ChangedFiles(files); !read.ok()) return read;
  if (fold_) {
    fold_ = false;
    return GatherIntoNewestUndoEntry(fs_, folder_, files, *this);
  }
  UndoEntry entry{{note_->time, note_->description, note_->before}, note_->after, {}};
  for (const ChangedFile& file : files) {
    entry.files.push_back(MakeUndoFile(file.path, file.after, file.before));
  }
  note_.reset();
  return GatherNewUndoEntry(fs_, folder_, EncodeUndoEntry(entry), *this);
}

Status ChangeSet::ChangedFiles(std::vector<ChangedFile>& files) {
  for (const Change& change : changes_) {
    ChangedFile file{change.path.substr(folder_.size() + 1), std::nullopt, change.content};
    if (!IsBookDataPath(file.path)) continue;
    std::string before;
    const Status read = fs_.Read(change.path, before);
    // What is no regular file (a FIFO, a folder) comes back as absent.
    if (read.IsIOError() || read.IsCorruption()) return read;
    if (read.ok()) file.before = std::move(before);
    files.push_back(std::move(file));
  }
  return Status::Ok();
}

Status ChangeSet::PrepareTemporaries(std::vector<std::string>& temps) {
  for (const Change& change : changes_) {
    temps.emplace_back();
    if (!change.content) continue;
    Status written =
        fs_.WriteTemporary(change.path, WorkFolderOf(folder_), *change.content, temps.back());
    if (!written.ok()) return written;
  }
  return Status::Ok();
}

Status ChangeSet::WriteJournal() {
  std::vector<JournalEntry> entries;
  for (const Change& change : changes_) {
    assert(change.path.starts_with(folder_ + "/"));
    entries.push_back({change.path.substr(folder_.size() + 1), change.content});
  }
  return fs_.WriteFile(JournalPath(), EncodeJournal(entries), WorkFolderOf(folder_));
}

Status ChangeSet::Apply(const std::vector<std::string>& temps) {
  Status applied = Status::Ok();
  for (std::size_t i = 0; i < changes_.size() && applied.ok(); ++i) {
    const Change& change = changes_[i];
    applied = change.content ? fs_.Rename(temps[i], change.path) : fs_.RemoveFile(change.path);
  }
  if (applied.ok()) applied = fs_.RemoveFile(JournalPath());
  return applied.ok() ? applied : Kept(applied);
}

std::string ChangeSet::JournalPath() const {
  return WorkFolderOf(folder_) + "/" + kJournalName;
}

void ChangeSet::RemoveTemporaries(const std::vector<std::string>& temps) {
  for (const std::string& temp : temps) {
    if (temp.empty()) continue;
    [[maybe_unused]] const Status removed = fs_.RemoveFile(temp);
  }
}

}  // namespace kestrune
