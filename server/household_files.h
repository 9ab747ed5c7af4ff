#pragma once

#include <optional>
#include <string>
#include <vector>

#include "database/file_system.h"
#include "database/status.h"

namespace kestrune::server {

// The household server's own files, kept in the book's folder "household" (beside the
// entity folders, so no name can collide with them) and never read by the expense files'
// readers. Both are text, one entry a line, each field percent-encoded where it could hold
// "%", "|", a tab or a line break, so every line splits back into the fields written.
//
//   access.txt     PERSON|ROLE|HASH      ROLE "owner" or "member"; HASH an Argon2id string
//   recorders.txt  PERSON|CATEGORY|ITEM|LINE   who recorded which purchase line over the
//                                               server (a line recorded twice is listed twice)

inline constexpr const char* kHouseholdFolder = "household";

struct Member {
  std::string person;
  bool owner = false;
  std::string hash;  // as crypto_pwhash_str made it
};

struct Recorded {
  std::string person;
  std::string category;
  std::string item;
  std::string line;  // the purchase line exactly as the item file holds it
  bool operator==(const Recorded&) const = default;
};

std::string AccessPath(const std::string& database_folder);
std::string RecordersPath(const std::string& database_folder);

// Reads the member list; an absent file is an empty list. Lines that do not split into
// their fields are skipped (they name nobody who could sign in).
[[nodiscard]] Status ReadMembers(FileSystem& fs, const std::string& database_folder,
                                 std::vector<Member>& members);
// Replaces the member list on disk in one atomic change (the folder made when missing, and
// made readable by its owner alone).
[[nodiscard]] Status WriteMembers(FileSystem& fs, const std::string& database_folder,
                                  const std::vector<Member>& members);

[[nodiscard]] Status ReadRecorders(FileSystem& fs, const std::string& database_folder,
                                   std::vector<Recorded>& entries);
[[nodiscard]] Status WriteRecorders(FileSystem& fs, const std::string& database_folder,
                                    const std::vector<Recorded>& entries);

// The fields of one line ("|" separated, each decoded); nothing for a damaged line.
std::optional<std::vector<std::string>> SplitFields(const std::string& line, size_t count);
// One line of `fields`, each encoded.
std::string JoinFields(const std::vector<std::string>& fields);

}  // namespace kestrune::server
