#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kestrune::server {

// The percent-encoding of the server's links and of the household files: every byte `plain`
// refuses becomes "%XX", two upper-case hexadecimal digits.
std::string PercentEncode(std::string_view text, const std::function<bool(char)>& plain);

// The value of a hexadecimal digit of either case; -1 for any other character.
int HexDigitValue(char c);

}  // namespace kestrune::server
