#include "server/percent_encoding.h"

#include <cstdio>

namespace kestrune::server {

std::string PercentEncode(std::string_view text, const std::function<bool(char)>& plain) {
  std::string out;
  for (const char c : text) {
    if (plain(c)) {
      out += c;
      continue;
    }
    char hex[4];
    std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
    out += hex;
  }
  return out;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace kestrune::server
