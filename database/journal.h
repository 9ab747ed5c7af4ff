#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// The journal that makes the file changes of one operation all-or-nothing. It holds the
// full new content of every file written and the name of every file removed, with a
// checksum; once it is in place the operation counts as done, and a start after a crash
// applies it again.

// The journal's name in the work folder (see WorkFolderOf).
inline constexpr const char* kJournalName = "journal";
// Where earlier versions kept it: in the database folder itself.
inline constexpr const char* kOldJournalName = ".kestrune-journal";

struct JournalEntry {
  std::string path;                    // relative to the database folder
  std::optional<std::string> content;  // nothing: remove the file

  bool operator==(const JournalEntry&) const = default;
};

std::string EncodeJournal(const std::vector<JournalEntry>& entries);

// The entries, or nothing when the journal is cut short, altered, or names a path outside
// the database folder.
std::optional<std::vector<JournalEntry>> DecodeJournal(std::string_view bytes);

}  // namespace kestrune
