#pragma once

#include <optional>
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

// Checks the expense sections of a category file (`totals` kCategoryTotals; its name,
// information and item list come first and are skipped) or of an item file (kItemTotals)
// against what the writers make: the totals section ("all months" or month keys, each followed
// by an amount line), the person totals (blocks of a "month: KEY" line and "person: NAME"
// lines, each followed by an amount line) and, in item files only, the purchase list. A
// section may be absent, or appended after the others as the repair does, but never doubled,
// opened inside another or left without its end, and no end stands without its begin; outside
// the sections only blank lines stand. Every amount must be a number and a sane total (see
// amounts.h), every purchase line hold six fields, a month key and a sane sum. Returns the
// first fault, or nothing for a sound file.
std::optional<SectionFault> FindSectionFault(const std::vector<std::string>& lines,
                                             SectionMarks totals);

// Whether lines[at + 1] is the amount of the key or person line at `at`: the line at `at` is
// no section line, and the next exists and is neither a section line nor a "month: " or
// "person: " line. (A hand-damaged file must never lose a section line by having it taken
// for a key or an amount.)
bool AmountFollows(const std::vector<std::string>& lines, std::size_t at, const char* end);

// The item file the repair creates: the item totals and person totals sections.
std::string NewItemTotalsFile();
// The item file with all six empty section lines.
std::string NewItemFile();
// `content` with the empty section appended: "\n", the begin line, "\n", the end line.
std::string AppendEmptySection(const std::string& content, SectionMarks section);

// What a scan found: the value and whether the section's begin line was there at all.
struct MonthTotalScan {
  Cents amount = 0;
  bool section_found = false;
};
// The amount after the last line equal to `key` inside the section; the line after a
// matched key is taken whatever it holds (the end line reads 0).
MonthTotalScan ScanMonthTotal(const std::vector<std::string>& lines, SectionMarks section,
                              std::string_view key);

// Sets the amount of every person of `totals` that has a "person: " line in the block
// "month: KEY" of the person totals section. Persons not in `totals` are not added.
// Returns whether the section's begin line was there.
bool ScanPersonTotals(const std::vector<std::string>& lines, std::string_view key,
                      PersonTotals& totals);

// Appends the purchases of month `key` (all of them for "all months") in file order.
// Returns whether the begin line of the purchase list was there.
bool ScanPurchases(const std::vector<std::string>& lines, std::string_view key,
                   std::vector<PurchaseRecord>& purchases);

}  // namespace kestrune
