#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "database/file_system.h"
#include "database/result.h"
#include "database/undo_entry.h"

namespace kestrune {

class ChangeSet;

// The undo folder of a book: BOOK/.kestrune/undo, one file per entry (see EntryName). It
// lies in the work folder, so backups do not copy it and the integrity check never sees it
// as data. Every entry file is written and removed only inside a change set, so an entry
// exists exactly when its change committed.
std::string UndoFolderOf(const std::string& database_folder);

// The entries kept: the newest 200, and no more than 50 MB of them (the newest is always
// kept, however large).
inline constexpr std::size_t kMaxUndoEntries = 200;
inline constexpr std::uint64_t kMaxUndoBytes = 50ull << 20;

// The entry files of the folder, oldest first; names of any other form are passed over. An
// absent folder has none; one that cannot be read fails (no entry is numbered or dropped
// from a list cut short).
[[nodiscard]] Result<std::vector<EntryName>> ListUndoEntries(FileSystem& fs,
                                                             const std::string& database_folder);

// The entry to apply next: the newest undo entry, or for a redo the one undone last.
std::optional<EntryName> NextEntry(const std::vector<EntryName>& entries, bool redo);

// Gathers into `changes` a new undo entry with the bytes `encoded`, the removal of every
// redo entry (a new change ends them) and of the oldest undo entries beyond the bound.
// Makes the undo folder when missing.
[[nodiscard]] Status GatherNewUndoEntry(FileSystem& fs, const std::string& database_folder,
                                        const std::string& encoded, ChangeSet& changes);

// Gathers into `changes` a change of no entry of its own (`files`): the newest undo entry
// takes the files in (one it already holds keeps what it makes of the file), so undoing it
// takes this change back too; the next redo entry is fitted to the files' new contents, as
// it overwrites them itself.
// An entry that is absent or damaged is left alone (a damaged one is never applied).
[[nodiscard]] Status GatherIntoNewestUndoEntry(FileSystem& fs, const std::string& database_folder,
                                               const std::vector<ChangedFile>& files,
                                               ChangeSet& changes);

// Reads and decodes one entry; a damaged entry fails with Corruption ("The undo entry PATH
// is damaged"), a missing or unreadable one with the read's message.
[[nodiscard]] Result<UndoEntry> ReadUndoEntry(FileSystem& fs, const std::string& database_folder,
                                              const EntryName& name);

// The local time as entries show it: "2026-12-07 11:52:19".
std::string EntryTime(std::chrono::system_clock::time_point when);

}  // namespace kestrune
