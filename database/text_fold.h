#pragma once

#include <string>
#include <string_view>

namespace kestrune {

// UTF-8 text with its capital letters made small, for comparing without case: ASCII, the
// Latin letters of Western and Central European languages and Vietnamese, Greek (final sigma
// as sigma) and Cyrillic. Accented letters keep their accents ("É" becomes "é", never "e");
// every other character, and any byte that is not valid UTF-8, stays as it is.
std::string FoldCase(std::string_view text);

}  // namespace kestrune
