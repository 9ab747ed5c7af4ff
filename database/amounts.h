#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

// Money as the book keeps it: a whole number of cents, summed exactly.
using Cents = std::int64_t;

// Reads an amount line as the files' readers always have: leading blanks skipped, an
// optional sign, the longest decimal number at the start ("12.5kg" is 12.50), anything that
// is not a number reads as 0. The decimal text is taken exactly; digits past the cents
// round once, half away from zero. A number too large for any sane total reads as
// kHugeCents (with its sign), which no sanity check accepts. Independent of the locale.
Cents ParseCents(std::string_view text);

// The whole text (blanks around it allowed) as cents, or nothing when any of it is not part
// of the number. What the integrity check accepts as an amount line.
std::optional<Cents> ReadWholeCents(std::string_view text);

// Far beyond every sane amount, yet safe to add a few of without overflow.
inline constexpr Cents kHugeCents = Cents{1} << 60;

// An amount as data files store it: "%5.2f" (350 -> " 3.50", 12345 -> "123.45").
// Zero is written " 0.00", never "-0.00".
std::string FormatFileCents(Cents amount);
// An amount as pages and the command line show it: "%3.2f".
std::string FormatShownCents(Cents amount);

// Whether a purchase may hold the sum: at most 1,000,000,000 either way.
bool IsSaneSumCents(Cents sum);
// Whether a running total is sane: at most 10,000 of the largest sums either way.
bool IsSaneTotalCents(Cents total);

// `numerator` / `denominator` cents, rounded half away from zero: a share of a shared
// amount. `denominator` must be positive.
Cents DivideRounded(Cents numerator, Cents denominator);

// The amount in currency units, for drawing only (chart scales and bar heights).
inline double CentsToUnits(Cents amount) {
  return static_cast<double>(amount) / 100.0;
}

// A sum as a person types it: the number, or the part of the text that was not understood.
struct TypedSum {
  std::optional<Cents> cents;  // the number rounded once to cents, half away from zero
  std::string not_understood;  // empty when `cents` is set or nothing was typed
};

// Reads a typed sum: blanks around it, an optional sign, digits with at most one decimal mark
// "," or ".", and group separators where they are unambiguous ("1.234,50", "1,234.50",
// "1 234,50"). `group_separator` is the user's own (it may be several bytes, such as a
// no-break space); a single "," or "." followed by three digits is a group separator only
// when it is that one, so "12,50" is 12.5 everywhere. Anything else is not a sum: "12abc"
// gives "abc" as not understood, "1,2,3" gives ",2,3". No exponents, "inf" or "nan".
TypedSum ReadTypedSum(std::string_view text, std::string_view group_separator);

}  // namespace kestrune
