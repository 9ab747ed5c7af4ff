#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/records.h"
#include "database/sections.h"

namespace kestrune {

// The amounts of one category or item file's text, found in one pass: the amount after each
// line of the totals section and after each "person: " line of each person-totals block. It
// answers exactly what ScanMonthTotal and ScanPersonTotals answer on the file's lines, for
// any key, but reads no further than the end of the sections it needs (never the purchase
// list). Made for every key it answers from maps; made for one question it keeps only what
// that question needs.
class TotalsIndex {
 public:
  // Every key of both sections; `totals` names the file's totals section.
  TotalsIndex(std::string_view content, SectionMarks totals);
  // Only the month total of `key` (MonthTotal of other keys reads 0).
  static TotalsIndex ForMonthTotal(std::string_view content, SectionMarks totals,
                                   std::string_view key);
  // Only the person totals of the block of `key` (other blocks read as absent).
  static TotalsIndex ForPersonTotals(std::string_view content, std::string_view key);

  // As ScanMonthTotal(SplitLines(content), totals, key).
  MonthTotalScan MonthTotal(std::string_view key) const;
  // As ScanPersonTotals(SplitLines(content), key, totals).
  bool FillPersonTotals(std::string_view key, PersonTotals& totals) const;

 private:
  // Which sections to read, and which key alone to keep (every key when none).
  struct Focus {
    bool months = true;
    bool persons = true;
    std::optional<std::string_view> only;
  };
  // One "person: " line of a block: the name and the amount on the line after it.
  using PersonAmount = std::pair<std::string, Cents>;
  class Builder;

  TotalsIndex(std::string_view content, SectionMarks totals, const Focus& focus);

  bool totals_found_ = false;
  bool persons_found_ = false;
  // Each line of the totals section -> the amount after its last occurrence.
  std::map<std::string, Cents, std::less<>> month_amounts_;
  // Each month block's key -> its persons' amounts in file order (a later one wins).
  std::map<std::string, std::vector<PersonAmount>, std::less<>> blocks_;
};

}  // namespace kestrune
