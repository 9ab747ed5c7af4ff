// Undo and redo of the book's changes from the entries of its undo folder.
#include "database/checksum.h"
#include "database/database_lock.h"
#include "database/expense_database.h"
#include "database/recovery.h"
#include "database/undo_history.h"

namespace kestrune {

namespace {

// Reloading never offers to create a missing index: the files are the undone change's.
class NoCreatePrompt final : public DatabasePrompt {
 public:
  PromptAnswer AskAboutMissingIndex(const std::string&) override { return PromptAnswer::kExit; }
};

const char* Verb(bool redo) {
  return redo ? "redo" : "undo";
}

// Where `file` must stand for its entry to apply: refused, naming it, when it differs.
Status CheckUnchanged(FileSystem& fs, const std::string& path, const UndoFile& file, bool redo,
                      std::optional<std::string>& now) {
  std::string contents;
  const Status read = fs.Read(path, contents);
  if (!read.ok() && !read.IsNotFound()) {
    return read.WithMessage(std::string("Can't ") + Verb(redo) + ": " + read.message());
  }
  if (read.ok()) now = std::move(contents);
  const std::optional<std::uint64_t> sum =
      now ? std::optional<std::uint64_t>(Checksum(*now)) : std::nullopt;
  if (sum == file.expected) return Status::Ok();
  return Status::InvalidArgument(std::string("Can't ") + Verb(redo) + ": " + path +
                                 " was changed outside Kestrune");
}

// Gathers what applying `file` makes of the file at `path`, and the swapped file into
// `reverse`.
Status GatherApplied(FileSystem& fs, const std::string& path, const UndoFile& file, bool redo,
                     ChangeSet& changes, UndoEntry& reverse) {
  std::optional<std::string> now, target;
  if (Status same = CheckUnchanged(fs, path, file, redo, now); !same.ok()) return same;
  if (!ApplyUndoFile(file, now, target)) {
    return Status::Corruption(std::string("Can't ") + Verb(redo) + ": the undo entry for " + path +
                              " does not fit it");
  }
  if (target) {
    changes.Write(path, *target);
  } else {
    changes.Remove(path);
  }
  reverse.files.push_back(MakeUndoFile(file.path, target, now));
  return Status::Ok();
}

}  // namespace

std::optional<UndoNote> ExpenseDatabase::Note(std::string description, ChangeFocus before,
                                              ChangeFocus after) const {
  if (!keep_undo_) return std::nullopt;
  return UndoNote{EntryTime(clock_->Now()), std::move(description), std::move(before),
                  std::move(after)};
}

std::optional<HistoryEntry> ExpenseDatabase::NextEntryShown(bool redo) const {
  const Result<std::vector<EntryName>> entries = ListUndoEntries(fs_, folder_);
  if (!entries.ok()) return HistoryEntry{"", entries.status.message(), {}};
  const std::optional<EntryName> next = NextEntry(entries.value, redo);
  if (!next) return std::nullopt;
  Result<UndoEntry> entry = ReadUndoEntry(fs_, folder_, *next);
  if (!entry.ok()) return HistoryEntry{"", "Damaged entry " + next->Format(), {}};
  return entry.value.shown;
}

std::optional<HistoryEntry> ExpenseDatabase::NextUndo() const {
  return NextEntryShown(false);
}

std::optional<HistoryEntry> ExpenseDatabase::NextRedo() const {
  return NextEntryShown(true);
}

Result<std::vector<HistoryEntry>> ExpenseDatabase::Entries(bool redo) const {
  Result<std::vector<EntryName>> listed = ListUndoEntries(fs_, folder_);
  if (!listed.ok()) return Failed<std::vector<HistoryEntry>>(listed.status);
  std::vector<EntryName>& names = listed.value;
  // Undo entries newest first; redo entries already in the order they are redone.
  if (!redo) std::reverse(names.begin(), names.end());
  std::vector<HistoryEntry> shown;
  for (const EntryName& name : names) {
    if (name.redo != redo) continue;
    Result<UndoEntry> entry = ReadUndoEntry(fs_, folder_, name);
    if (!entry.ok()) return Failed<std::vector<HistoryEntry>>(entry.status);
    shown.push_back(std::move(entry.value.shown));
  }
  return Result<std::vector<HistoryEntry>>{std::move(shown)};
}

Result<std::vector<HistoryEntry>> ExpenseDatabase::History() const {
  return Entries(false);
}

Result<std::vector<HistoryEntry>> ExpenseDatabase::RedoList() const {
  return Entries(true);
}

Result<ChangeFocus> ExpenseDatabase::Undo(HistoryEntry* undone) {
  return ApplyEntry(false, undone);
}

Result<ChangeFocus> ExpenseDatabase::Redo(HistoryEntry* redone) {
  return ApplyEntry(true, redone);
}

Result<ChangeFocus> ExpenseDatabase::ApplyEntry(bool redo, HistoryEntry* applied_entry) {
  // The entry is read and the files checked under the lock the commit takes, so nothing
  // changes between the check and the change.
  ChangeLock lock;
  if (!ChangeLock::HeldByThisThread()) {
    if (Status locked = lock.Acquire(folder_, LockKind::kExclusive); !locked.ok()) {
      return Failed<ChangeFocus>(locked);
    }
  }
  if (Status finished = FinishPendingChange(fs_, folder_); !finished.ok()) {
    return Failed<ChangeFocus>(finished);
  }
  Result<ChangeFocus> applied = ApplyLocked(redo, applied_entry);
  if (!applied.ok()) return applied;
  if (Status reloaded = Reload(); !reloaded.ok()) return Failed<ChangeFocus>(reloaded);
  return applied;
}

Result<ChangeFocus> ExpenseDatabase::ApplyLocked(bool redo, HistoryEntry* applied_entry) {
  const Result<std::vector<EntryName>> entries = ListUndoEntries(fs_, folder_);
  if (!entries.ok()) return Failed<ChangeFocus>(entries.status);
  const std::optional<EntryName> name = NextEntry(entries.value, redo);
  if (!name)
    return Failed<ChangeFocus>(Status::NotFound(redo ? "Nothing to redo" : "Nothing to undo"));
  Result<UndoEntry> entry = ReadUndoEntry(fs_, folder_, *name);
  if (!entry.ok()) {
    const std::string prefix = std::string("Can't ") + Verb(redo) + ": ";
    return Failed<ChangeFocus>(entry.status.WithMessage(prefix + entry.status.message()));
  }
  UndoEntry reverse{entry.value.shown, entry.value.shown.focus, {}};
  reverse.shown.focus = entry.value.reverse_focus;
  ChangeSet changes(fs_, folder_);
  for (const UndoFile& file : entry.value.files) {
    Status gathered = GatherApplied(fs_, folder_ + "/" + file.path, file, redo, changes, reverse);
    if (!gathered.ok()) return Failed<ChangeFocus>(gathered);
  }
  const std::string folder = UndoFolderOf(folder_);
  const std::string encoded = EncodeUndoEntry(reverse);
  changes.Remove(folder + "/" + name->Format());
  changes.Write(folder + "/" + EntryName{name->number, encoded.size(), !redo}.Format(), encoded);
  if (Status committed = changes.Commit(); !committed.ok()) return Failed<ChangeFocus>(committed);
  if (applied_entry != nullptr) *applied_entry = entry.value.shown;
  return Result<ChangeFocus>{entry.value.shown.focus};
}

Status ExpenseDatabase::Reload() {
  NoCreatePrompt prompt;
  const std::string currency = currency_;
  const LoadResult loaded = LoadDatabase(folder_, prompt);
  currency_ = currency;
  if (loaded == LoadOutcome::kLoaded) return Status::Ok();
  return Status::IOError("The change is made, but the book could not be read again: " +
                         (loaded.failures.empty() ? folder_ : loaded.failures.front()));
}

}  // namespace kestrune
