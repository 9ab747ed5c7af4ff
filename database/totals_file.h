#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "database/records.h"
#include "database/sections.h"
#include "database/totals_index.h"

namespace kestrune {

// The text of one category or item file and the totals queries asked of it. The first
// question is answered by one pass for that question alone; a file asked again is indexed
// once, every key, and answers from the index: a chart by months asks each file once per
// month.
class TotalsFile {
 public:
  // `totals` names the file's totals section (category or item).
  TotalsFile(std::string content, SectionMarks totals)
      : content_(std::move(content)), totals_(totals) {}

  // As ScanMonthTotal(SplitLines(content), totals, key).
  MonthTotalScan MonthTotal(std::string_view key);
  // As ScanPersonTotals(SplitLines(content), key, totals).
  bool FillPersonTotals(std::string_view key, PersonTotals& totals);
  const std::string& content() const { return content_; }

 private:
  // Nothing at the first question; the index of every key from the second on.
  const TotalsIndex* IndexOnceAskedAgain();

  std::string content_;
  SectionMarks totals_;
  bool asked_ = false;
  std::optional<TotalsIndex> index_;
};

}  // namespace kestrune
