#pragma once

#include <string>
#include <string_view>

namespace kestrune {

// Text taken from the user (names, information, purchase fields, the currency) goes into a
// page through these two functions, so a name can neither break the page nor add markup.
// Text without the characters they treat comes back unchanged, byte for byte.

// Replaces "&", "<", ">" and "\"" by their character references; for page text and for
// attribute values in double quotes alike.
std::string EscapeHtml(std::string_view text);

// A link target as it goes between the double quotes of an href: the characters a URL
// would split at or rewrite ("%", "#", "?", "/", "\"), ":" (so an href never begins with a
// scheme and always stays a path beside the page), control characters and blanks at either
// end (which URL parsing drops) are percent-encoded, then the result is escaped as EscapeHtml
// does. A browser that resolves the href and decodes the path gets `target` back. Every href
// of every page is made here.
std::string EncodeHref(std::string_view target);

}  // namespace kestrune
