#include "pages/html_text.h"

#include <cstddef>

namespace kestrune {
namespace {

// The character reference of an HTML-special character, or nothing.
std::string_view ReferenceFor(char c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    default:
      return {};
  }
}

// A ":" is encoded too: an href holding one could begin with a scheme ("javascript:",
// "file:") and leave the data folder.
bool SplitsOrRewritesUrl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return c == '%' || c == '#' || c == '?' || c == '/' || c == '\\' || c == ':' || byte < 0x20 ||
         byte == 0x7F;
}

void AppendPercentEncoded(std::string& out, char c) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const auto byte = static_cast<unsigned char>(c);
  out += '%';
  out += kHex[byte >> 4];
  out += kHex[byte & 0x0F];
}

void AppendEscaped(std::string& out, char c) {
  const std::string_view reference = ReferenceFor(c);
  if (reference.empty()) {
    out += c;
  } else {
    out += reference;
  }
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) AppendEscaped(out, c);
  return out;
}

std::string EncodeHref(std::string_view target) {
  // Blanks at either end are stripped by URL parsing; inner blanks survive it.
  const std::size_t first = target.find_first_not_of(' ');
  const std::size_t last = target.find_last_not_of(' ');
  std::string out;
  out.reserve(target.size());
  for (std::size_t at = 0; at < target.size(); ++at) {
    const char c = target[at];
    const bool edge_blank =
        c == ' ' && (first == std::string_view::npos || at < first || at > last);
    if (edge_blank || SplitsOrRewritesUrl(c)) {
      AppendPercentEncoded(out, c);
    } else {
      AppendEscaped(out, c);
    }
  }
  return out;
}

}  // namespace kestrune
