#include "database/totals_file.h"

namespace kestrune {

MonthTotalScan TotalsFile::MonthTotal(std::string_view key) const {
  return {file_.MonthTotal(key), file_.Has(kCategoryTotals) || file_.Has(kItemTotals)};
}

bool TotalsFile::FillPersonTotals(std::string_view key, PersonTotals& totals) const {
  for (const auto& [person, amount] : file_.PersonAmounts(key)) {
    if (const auto wanted = totals.find(std::string(person)); wanted != totals.end()) {
      wanted->second = amount;
    }
  }
  return file_.Has(kPersonTotals);
}

bool TotalsFile::Purchases(std::string_view key, std::vector<PurchaseRecord>& purchases) const {
  std::vector<PurchaseRecord> found = file_.Purchases(key);
  purchases.insert(purchases.end(), std::make_move_iterator(found.begin()),
                   std::make_move_iterator(found.end()));
  return file_.Has(kPurchaseList);
}

}  // namespace kestrune
