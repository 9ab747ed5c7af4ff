#include "server/household_access.h"

#include <algorithm>

#include "server/passphrase.h"

namespace kestrune::server {

size_t PassphraseCharacters(const std::string& passphrase) {
  return static_cast<size_t>(std::count_if(passphrase.begin(), passphrase.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

Status SetPassphrase(FileSystem& fs, const std::string& database_folder, const std::string& person,
                     const std::string& passphrase, bool owner) {
  if (PassphraseCharacters(passphrase) < kShortestPassphrase ||
      passphrase.size() > kLongestPassphrase) {
    return Status::Error("A passphrase needs 8 to 1024 characters.");
  }
  std::vector<Member> members;
  if (Status read = ReadMembers(fs, database_folder, members); !read.ok()) return read;
  const std::optional<std::string> hash = HashPassphrase(passphrase);
  if (!hash) return Status::IOError("Can't hash the passphrase", "out of memory");
  std::erase_if(members, [&](const Member& m) { return m.person == person; });
  members.push_back({person, owner, *hash});
  return WriteMembers(fs, database_folder, members);
}

Status RemovePassphrase(FileSystem& fs, const std::string& database_folder,
                        const std::string& person) {
  std::vector<Member> members;
  if (Status read = ReadMembers(fs, database_folder, members); !read.ok()) return read;
  if (std::erase_if(members, [&](const Member& m) { return m.person == person; }) == 0) {
    return Status::Error("No passphrase is set for " + person);
  }
  return WriteMembers(fs, database_folder, members);
}

}  // namespace kestrune::server
