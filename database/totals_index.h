#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/records.h"
#include "database/sections.h"

namespace kestrune {

// The amounts of one category or item file, found in one pass over its text: the amount
// after each line of the totals section and after each "person: " line of each person-totals
// block. It answers exactly what ScanMonthTotal and ScanPersonTotals answer on the file's
// lines, for any key, but reads no further than the end of both sections (so not the
// purchase list) and answers each query from a map.
class TotalsIndex {
 public:
  // `totals` names the file's totals section (category or item).
  TotalsIndex(std::string content, SectionMarks totals);

  // As ScanMonthTotal(SplitLines(content), totals, key).
  MonthTotalScan MonthTotal(std::string_view key) const;
  // As ScanPersonTotals(SplitLines(content), key, totals).
  bool FillPersonTotals(std::string_view key, PersonTotals& totals) const;
  // The text the index was made from.
  const std::string& content() const { return content_; }

 private:
  // One "person: " line of a block: the name and the amount on the line after it.
  using PersonAmount = std::pair<std::string, double>;
  class Builder;

  std::string content_;
  bool totals_found_ = false;
  bool persons_found_ = false;
  // Each line of the totals section -> the amount after its last occurrence.
  std::map<std::string, double, std::less<>> month_amounts_;
  // Each month block's key -> its persons' amounts in file order (a later one wins).
  std::map<std::string, std::vector<PersonAmount>, std::less<>> blocks_;
};

}  // namespace kestrune
