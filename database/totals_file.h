#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "database/expense_file.h"
#include "database/records.h"
#include "database/sections.h"

namespace kestrune {

// What a totals question found: the amount and whether the section's begin line was there.
struct MonthTotalScan {
  Cents amount = 0;
  bool section_found = false;
};

// One category or item file as the queries read it: its text and its parsed parts, kept for
// a read session so that a chart by months reads each file once.
class TotalsFile {
 public:
  // `totals` names the file's totals section (category or item).
  TotalsFile(std::string content, SectionMarks totals)
      : file_(std::move(content), totals) {}

  // The amount of the last pair of `key` in the totals section (0 when none).
  MonthTotalScan MonthTotal(std::string_view key) const;
  // Sets the amount of every person of `totals` that has an entry in the block "month: KEY".
  // Persons not in `totals` are not added. Returns whether the person totals were there.
  bool FillPersonTotals(std::string_view key, PersonTotals& totals) const;
  // Appends the purchases of month `key` (all of them for "all months") in file order.
  // Returns whether the purchase list was there.
  bool Purchases(std::string_view key, std::vector<PurchaseRecord>& purchases) const;
  // The text the file was read from.
  const std::string& content() const { return file_.text(); }

 private:
  ExpenseFile file_;
};

}  // namespace kestrune
