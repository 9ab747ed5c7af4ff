#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "database/records.h"

namespace kestrune {

// The grammar of the expense sections that category and item files carry after their
// header: month totals ("all months" or a month key, then an amount line), person totals
// (blocks "month: KEY" of "person: NAME" and amount lines) and the purchase list.

inline constexpr const char* kBeginCategoryTotals = "begin all category expenses";
inline constexpr const char* kEndCategoryTotals = "end all category expenses";
inline constexpr const char* kBeginItemTotals = "begin all item expenses";
inline constexpr const char* kEndItemTotals = "end all item expenses";
inline constexpr const char* kBeginPersonTotals = "begin persons expenses";
inline constexpr const char* kEndPersonTotals = "end persons expenses";
inline constexpr const char* kBeginPurchaseList = "begin purchase list";
inline constexpr const char* kEndPurchaseList = "end purchase list";
inline constexpr std::string_view kMonthPrefix = "month: ";
inline constexpr std::string_view kPersonPrefix = "person: ";

// The begin and end line of one kind of section.
struct SectionMarks {
  const char* begin;
  const char* end;
};
inline constexpr SectionMarks kCategoryTotals{kBeginCategoryTotals, kEndCategoryTotals};
inline constexpr SectionMarks kItemTotals{kBeginItemTotals, kEndItemTotals};
inline constexpr SectionMarks kPersonTotals{kBeginPersonTotals, kEndPersonTotals};
inline constexpr SectionMarks kPurchaseList{kBeginPurchaseList, kEndPurchaseList};

// A purchase line: the six fields joined by "|". Parsing splits at the first five "|"; the
// sum is the rest of the line, and missing fields are empty.
std::string FormatPurchaseLine(const PurchaseRecord& purchase);
PurchaseRecord ParsePurchaseLine(std::string_view line);
// The purchase's month key: year, a blank, month.
std::string MonthKeyOf(const PurchaseRecord& purchase);

// True for the begin or end line of any expense section.
bool IsSectionLine(std::string_view line);

// The first fault of a file's section structure: its line, from 1, and what is wrong there.
struct SectionFault {
  int line = 0;
  std::string what;
};

// The item file a totals query creates: the item totals and person totals sections.
std::string NewItemTotalsFile();
// The item file with all six empty section lines.
std::string NewItemFile();
// `content` with the empty section appended: "\n", the begin line, "\n", the end line.
std::string AppendEmptySection(const std::string& content, SectionMarks section);

}  // namespace kestrune
