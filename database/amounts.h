#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

// Reads an amount line as the C library's atof does: leading blanks skipped, the longest
// number prefix taken, anything that is not a number reads as 0. Independent of the locale.
double ParseAmount(std::string_view text);

// The whole text as a number (blanks around it allowed), or nothing when any of it is not
// part of the number. Where ParseAmount reads what it can, this is what the integrity check
// accepts as an amount line.
std::optional<double> ReadWholeAmount(std::string_view text);

// A sum as a person types it: the number, or the part of the text that was not understood.
struct TypedSum {
  std::optional<double> value;
  std::string not_understood;  // empty when `value` is set or nothing was typed
};

// Reads a typed sum: blanks around it, an optional sign, digits with at most one decimal mark
// "," or ".", and group separators where they are unambiguous ("1.234,50", "1,234.50",
// "1 234,50"). `group_separator` is the user's own (it may be several bytes, such as a
// no-break space); a single "," or "." followed by three digits is a group separator only
// when it is that one, so "12,50" is 12.5 everywhere. Anything else is not a sum: "12abc"
// gives "abc" as not understood, "1,2,3" gives ",2,3". No exponents, "inf" or "nan".
TypedSum ReadTypedSum(std::string_view text, std::string_view group_separator);

// Whether a purchase may hold the sum: finite and at most 1,000,000,000 either way, the
// largest sum the purchase dialog takes.
bool IsSaneSum(double sum);

// Whether a running total is sane: finite and at most 10,000 of the largest sums either way,
// well inside the range where a double still holds every cent.
bool IsSaneTotal(double total);

// An amount as data files store it: "%5.2f" (3.5 -> " 3.50", 123.45 -> "123.45").
// A value that rounds to zero is written " 0.00", never "-0.00".
std::string FormatFileAmount(double amount);

// An amount as pages and the command line show it: "%3.2f".
std::string FormatShownAmount(double amount);

}  // namespace kestrune
