#pragma once

#include <string>
#include <vector>

#include "database/file_system.h"
#include "database/status.h"
#include "server/household_files.h"

namespace kestrune::server {

// Who may sign in to the household server: the calls behind `kestrune-cli access` and the
// desktop program's household settings. Each reads the access file of the book in
// `database_folder` afresh and writes it whole in one atomic change; a running server sees
// the change at the next request. The caller checks that the person is in the catalogue.

inline constexpr size_t kShortestPassphrase = 8;
inline constexpr size_t kLongestPassphrase = 1024;

// The passphrase's length in characters (UTF-8 sequences), which the shortest rule counts:
// "éééé" is 4 characters, not 8.
size_t PassphraseCharacters(const std::string& passphrase);

// Sets (or replaces) the person's passphrase and whether they are the book's owner, who may
// change every purchase. Refused, with nothing written, for a passphrase of fewer than
// kShortestPassphrase characters or more than kLongestPassphrase bytes.
[[nodiscard]] Status SetPassphrase(FileSystem& fs, const std::string& database_folder,
                                   const std::string& person, const std::string& passphrase,
                                   bool owner);
// Takes the person's passphrase away; refused when they have none.
[[nodiscard]] Status RemovePassphrase(FileSystem& fs, const std::string& database_folder,
                                      const std::string& person);

}  // namespace kestrune::server
