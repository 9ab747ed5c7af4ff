#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrune {

// The 64-bit FNV-1a hash of the bytes: enough to tell a damaged or altered file from the
// one the program wrote (no defence against a forger).
inline std::uint64_t Checksum(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

// The value in lower-case hexadecimal, without leading zeros.
inline std::string Hex(std::uint64_t value) {
  char buffer[17];
  const auto result = std::to_chars(buffer, buffer + 16, value, 16);
  return std::string(buffer, result.ptr);
}

}  // namespace kestrune
