#include "database/totals_file.h"

namespace kestrune {

const TotalsIndex* TotalsFile::IndexOnceAskedAgain() {
  if (!asked_) {
    asked_ = true;
    return nullptr;
  }
  if (!index_) index_.emplace(content_, totals_);
  return &*index_;
}

MonthTotalScan TotalsFile::MonthTotal(std::string_view key) {
  if (const TotalsIndex* index = IndexOnceAskedAgain()) return index->MonthTotal(key);
  return TotalsIndex::ForMonthTotal(content_, totals_, key).MonthTotal(key);
}

bool TotalsFile::FillPersonTotals(std::string_view key, PersonTotals& totals) {
  if (const TotalsIndex* index = IndexOnceAskedAgain()) return index->FillPersonTotals(key, totals);
  return TotalsIndex::ForPersonTotals(content_, key).FillPersonTotals(key, totals);
}

}  // namespace kestrune
