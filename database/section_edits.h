#pragma once

#include <optional>
#include <string>
#include <vector>

#include "database/records.h"
#include "database/sections.h"

namespace kestrune {

// Edits of the expense sections of a category or item file, line by line. Every line an
// edit does not name stays unchanged and in place; amounts are written "%5.2f".

// One purchase's effect on the running totals.
struct TotalsChange {
  std::string month_key;
  std::string person;
  double delta = 0.0;
  // When set, missing lines are created with this amount text: the month's and "all months"
  // pairs before the totals' end line, the person's pair at the end of the month's and the
  // "all months" blocks, and missing blocks before the person totals' end line.
  std::optional<std::string> create_with;
};

// Adds `change.delta` to the amount after the month key and after "all months" in the totals
// section `totals`, and to the person's amounts in the blocks "month: KEY" and
// "month: all months" of the person totals section.
std::vector<std::string> ChangeTotals(const std::vector<std::string>& lines, SectionMarks totals,
                                      const TotalsChange& change);

// Takes a whole month out: its pair in the totals section and its person block are dropped,
// `month_total` and each mapped person's amount are subtracted from the "all months" entries,
// and (item files) the month's purchase lines are dropped.
std::vector<std::string> DropMonth(const std::vector<std::string>& lines, SectionMarks totals,
                                   const std::string& month_key, double month_total,
                                   const PersonTotals& month_persons);

// Inserts the line directly after "begin purchase list": the newest purchase comes first.
void InsertPurchaseLine(std::vector<std::string>& lines, const std::string& purchase_line);

// Removes the first line of the purchase list that holds exactly this purchase.
// Returns false when there is none.
bool RemovePurchaseLine(std::vector<std::string>& lines, const PurchaseRecord& purchase);

// Appends each of the sections whose begin line is missing, empty.
void EnsureSections(std::vector<std::string>& lines, const std::vector<SectionMarks>& sections);

// Empties the first totals, person totals and purchase list sections, keeping their begin and
// end lines and everything outside them.
std::vector<std::string> EmptyExpenseSections(const std::vector<std::string>& lines);

}  // namespace kestrune
