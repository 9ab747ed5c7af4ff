#include "server/passphrase.h"

#include <sodium.h>

#include <cstdlib>

namespace kestrune::server {
namespace {

bool Ready() {
  static const bool ready = sodium_init() >= 0;
  return ready;
}

}  // namespace

std::optional<std::string> HashPassphrase(std::string_view passphrase) {
  char hash[crypto_pwhash_STRBYTES];
  if (!Ready() ||
      crypto_pwhash_str_alg(hash, passphrase.data(), passphrase.size(),
                            crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE,
                            crypto_pwhash_ALG_ARGON2ID13) != 0) {
    return std::nullopt;
  }
  return std::string(hash);
}

bool PassphraseMatches(const std::string& hash, std::string_view passphrase) {
  if (!Ready() || hash.size() >= crypto_pwhash_STRBYTES) return false;
  return crypto_pwhash_str_verify(hash.c_str(), passphrase.data(), passphrase.size()) == 0;
}

const std::string& DecoyHash() {
  static const std::string hash = HashPassphrase(RandomToken()).value_or(std::string());
  return hash;
}

std::string RandomToken() {
  unsigned char bytes[32];
  char hex[sizeof bytes * 2 + 1];
  if (!Ready()) std::abort();  // without randomness no session could be trusted
  randombytes_buf(bytes, sizeof bytes);
  sodium_bin2hex(hex, sizeof hex, bytes, sizeof bytes);
  return hex;
}

bool SameToken(std::string_view a, std::string_view b) {
  return !a.empty() && a.size() == b.size() && sodium_memcmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace kestrune::server
