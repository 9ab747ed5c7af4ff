#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// Where the view should go after an undo or redo: the category, item and person the change
// touched ("" when none, e.g. after a clear).
struct ChangeFocus {
  std::string category, item, person;

  bool operator==(const ChangeFocus&) const = default;
};

// One change the book remembers, as the user sees it.
struct HistoryEntry {
  std::string time;         // local time of the change: "2026-12-07 11:52:19"
  std::string description;  // in the user's words: "Delete category Food"
  ChangeFocus focus;        // where the view goes when this entry is applied
};

// What a change says about itself, for its undo entry: the words, the time, and where the
// view goes after an undo (`before`) and after a redo (`after`).
struct UndoNote {
  std::string time;
  std::string description;
  ChangeFocus before;
  ChangeFocus after;
};

// One file of an undo or redo entry: what the file must hold now for the entry to apply
// (the checksum of its contents, or nothing when it must be absent) and what applying the
// entry makes of it: the first `front` and last `back` bytes it holds now around
// `contents`, or nothing to remove it. Only the part that differs is kept, as a change
// touches a few lines of a long file.
struct UndoFile {
  std::string path;  // relative to the database folder
  std::optional<std::uint64_t> expected;
  std::size_t front = 0;
  std::size_t back = 0;
  std::optional<std::string> contents;

  bool operator==(const UndoFile&) const = default;
};

// One file of a change: its contents before and after (nothing: absent).
struct ChangedFile {
  std::string path;  // relative to the database folder
  std::optional<std::string> before;
  std::optional<std::string> after;
};

// The file of an entry that turns `now` (nothing: absent) into `target` (nothing: removed).
UndoFile MakeUndoFile(std::string path, const std::optional<std::string>& now,
                      const std::optional<std::string>& target);
// What applying `file` to the contents `now` gives (nothing: the file is removed); false
// when the bytes it keeps are not there.
bool ApplyUndoFile(const UndoFile& file, const std::optional<std::string>& now,
                   std::optional<std::string>& target);

// An entry of the undo folder. An undo entry holds the contents before its change and the
// checksums after it; undoing turns it into the redo entry with the sides swapped.
struct UndoEntry {
  HistoryEntry shown;
  ChangeFocus reverse_focus;  // where the view goes when the swapped entry is applied
  std::vector<UndoFile> files;
};

// The one grammar of entry files (docs/data-files.md, "Undo entries"). Decoding gives
// nothing for an entry that is cut short, altered, or names a file that is no data file of
// the book (an index, or a file of the categories, items or persons folder).
std::string EncodeUndoEntry(const UndoEntry& entry);
std::optional<UndoEntry> DecodeUndoEntry(std::string_view bytes);

// Whether the relative path names a data file of the book: a top-level file outside the
// work folder, or a file directly in "categories", "items" or "persons".
bool IsBookDataPath(std::string_view path);

// An entry file's name: its number (newer entries have larger ones), its size in bytes
// (kept in the name so the bound needs no reads), and whether it is a redo entry:
// "00000042-1234.undo", "00000042-1234.redo".
struct EntryName {
  std::uint64_t number = 0;
  std::uint64_t size = 0;
  bool redo = false;

  std::string Format() const;
  bool operator==(const EntryName&) const = default;
};
// Nothing for a name of any other form.
std::optional<EntryName> ParseEntryName(std::string_view name);

}  // namespace kestrune
