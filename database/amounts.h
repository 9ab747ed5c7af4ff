#pragma once

#include <string>
#include <string_view>

namespace kestrune {

// Reads an amount line as the C library's atof does: leading blanks skipped, the longest
// number prefix taken, anything that is not a number reads as 0. Independent of the locale.
double ParseAmount(std::string_view text);

// An amount as data files store it: "%5.2f" (3.5 -> " 3.50", 123.45 -> "123.45").
// A value that rounds to zero is written " 0.00", never "-0.00".
std::string FormatFileAmount(double amount);

// An amount as pages and the command line show it: "%3.2f".
std::string FormatShownAmount(double amount);

}  // namespace kestrune
