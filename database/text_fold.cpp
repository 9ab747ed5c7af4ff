// Small letters for comparing text without case.
#include "database/text_fold.h"

#include <cstddef>

namespace kestrune {
namespace {

bool InRange(char32_t c, char32_t first, char32_t last) {
  return c >= first && c <= last;
}

// Ranges where capitals and small letters alternate, the capital on even (or odd) points.
char32_t PairedSmall(char32_t c, char32_t first, char32_t last, bool capital_even) {
  if (!InRange(c, first, last) || ((c % 2 == 0) != capital_even)) return 0;
  return c + 1;
}

char32_t LatinSmall(char32_t c) {
  if (InRange(c, U'A', U'Z') || (InRange(c, 0xC0, 0xDE) && c != 0xD7)) return c + 0x20;
  if (c == 0x130) return U'i';
  if (c == 0x178) return 0xFF;
  if (c == 0x1E9E) return 0xDF;
  static constexpr struct {
    char32_t first, last;
    bool capital_even;
  } kPairs[] = {{0x100, 0x137, true},  {0x139, 0x148, false}, {0x14A, 0x177, true},
                {0x179, 0x17E, false}, {0x1CD, 0x1DC, false}, {0x1DE, 0x1EF, true},
                {0x1F8, 0x21F, true},  {0x222, 0x233, true},  {0x1E00, 0x1E95, true},
                {0x1EA0, 0x1EFF, true}};
  for (const auto& pair : kPairs) {
    if (char32_t small = PairedSmall(c, pair.first, pair.last, pair.capital_even)) return small;
  }
  return c;
}

char32_t GreekSmall(char32_t c) {
  if (c == 0x386) return 0x3AC;
  if (InRange(c, 0x388, 0x38A)) return c + 37;
  if (c == 0x38C) return 0x3CC;
  if (InRange(c, 0x38E, 0x38F)) return c + 63;
  if (InRange(c, 0x391, 0x3AB) && c != 0x3A2) return c + 0x20;
  if (c == 0x3C2) return 0x3C3;  // final sigma
  return c;
}

char32_t CyrillicSmall(char32_t c) {
  if (InRange(c, 0x400, 0x40F)) return c + 0x50;
  if (InRange(c, 0x410, 0x42F)) return c + 0x20;
  if (c == 0x4C0) return 0x4CF;
  static constexpr struct {
    char32_t first, last;
    bool capital_even;
  } kPairs[] = {
      {0x460, 0x481, true}, {0x48A, 0x4BF, true}, {0x4C1, 0x4CE, false}, {0x4D0, 0x52F, true}};
  for (const auto& pair : kPairs) {
    if (char32_t small = PairedSmall(c, pair.first, pair.last, pair.capital_even)) return small;
  }
  return c;
}

char32_t Small(char32_t c) {
  if (c < 0x370 || InRange(c, 0x1E00, 0x1EFF)) return LatinSmall(c);
  if (c < 0x400) return GreekSmall(c);
  if (c < 0x530) return CyrillicSmall(c);
  return c;
}

// The code point of a two- or three-byte sequence at `at`, or 0 when the bytes there are no
// such sequence (four-byte ones hold no letter folded here); `length` is set to its bytes.
char32_t Decode(std::string_view text, std::size_t at, std::size_t& length) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const auto continues = [&](std::size_t i) {
    return at + i < text.size() && (byte(i) & 0xC0) == 0x80;
  };
  if ((byte(0) & 0xE0) == 0xC0 && byte(0) >= 0xC2 && continues(1)) {
    length = 2;
    return (char32_t{byte(0) & 0x1Fu} << 6) | (byte(1) & 0x3Fu);
  }
  if ((byte(0) & 0xF0) == 0xE0 && continues(1) && continues(2)) {
    const char32_t c =
        (char32_t{byte(0) & 0x0Fu} << 12) | (char32_t{byte(1) & 0x3Fu} << 6) | (byte(2) & 0x3Fu);
    length = 3;
    return c >= 0x800 ? c : 0;
  }
  return 0;
}

void Encode(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string FoldCase(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const char byte = text[at];
    if (static_cast<unsigned char>(byte) < 0x80) {
      out += byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte + 0x20) : byte;
      ++at;
      continue;
    }
    std::size_t length = 1;
    const char32_t c = Decode(text, at, length);
    if (c == 0) {
      out += byte;
      ++at;
    } else {
      Encode(Small(c), out);
      at += length;
    }
  }
  return out;
}

}  // namespace kestrune
