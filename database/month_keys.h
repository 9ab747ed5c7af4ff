#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// The month key of the grand total over all months.
inline constexpr std::string_view kAllMonths = "all months";

// 1 for "January" ... 12 for "December"; 0 for any other text.
int MonthNumber(std::string_view month_name);

// "January" ... "December" for 1 ... 12; empty for any other number.
std::string_view MonthName(int number);

// A month key: the four-digit year, one blank and the English month name ("2004 January").
std::string MakeMonthKey(std::string_view year, std::string_view month_name);

// True for a well-formed month key such as "2004 January" (not "all months").
bool IsMonthKey(std::string_view text);

// Sorts month keys newest first with the pairwise exchange the months index has always used:
// years compared as the number in the first four characters, then month numbers of the
// text from position 5 on. Keys that compare equal are never exchanged.
void SortMonthsNewestFirst(std::vector<std::string>& months);

}  // namespace kestrune
