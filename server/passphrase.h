#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrune::server {

// Passphrases and tokens through libsodium. Each call starts the library when needed.

// An Argon2id hash string of the passphrase (salt and costs inside); nothing when the
// library cannot make one (out of memory).
std::optional<std::string> HashPassphrase(std::string_view passphrase);
// Whether `passphrase` is the one `hash` was made from; false for a damaged hash.
bool PassphraseMatches(const std::string& hash, std::string_view passphrase);
// The hash of a random passphrase nobody knows, made once: checked against for a name
// without a passphrase, so such a name takes as long to refuse as a wrong passphrase.
const std::string& DecoyHash();
// 32 random bytes as 64 hex digits: a session id or a form token.
std::string RandomToken();
// Compares two tokens in time that does not depend on where they differ.
bool SameToken(std::string_view a, std::string_view b);

}  // namespace kestrune::server
