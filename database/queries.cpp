// Read-only queries over the expense sections; each reads its file afresh.
#include "database/catalogue_files.h"
#include "database/expense_database.h"
#include "database/text_lines.h"

namespace kestrune {

std::shared_ptr<const TotalsIndex> ExpenseDatabase::TotalsOf(const std::string& path,
                                                             SectionMarks totals) {
  std::optional<std::string> content = fs_.ReadFile(path);
  if (!content) return nullptr;
  return std::make_shared<const TotalsIndex>(std::move(*content), totals);
}

void ExpenseDatabase::AppendSectionIfMissing(const std::string& path, const std::string& content,
                                             bool found, SectionMarks section) {
  if (!found) WriteRepair(path, AppendEmptySection(content, section));
}

double ExpenseDatabase::CategoryMonthTotal(const std::string& month_key,
                                           const std::string& category) {
  const std::string path = CategoryFilePath(category);
  const std::shared_ptr<const TotalsIndex> index = TotalsOf(path, kCategoryTotals);
  if (!index) {
    CreateIfAbsent(path, NewCategoryFile(category, ""));
    return 0.0;
  }
  const MonthTotalScan scan = index->MonthTotal(month_key);
  AppendSectionIfMissing(path, index->content(), scan.section_found, kCategoryTotals);
  return scan.amount;
}

double ExpenseDatabase::ItemMonthTotal(const std::string& month_key, const std::string& category,
                                       const std::string& item) {
  const std::string path = ItemFilePath(category, item);
  const std::shared_ptr<const TotalsIndex> index = TotalsOf(path, kItemTotals);
  if (!index) {
    CreateIfAbsent(path, NewItemTotalsFile());
    return 0.0;
  }
  const MonthTotalScan scan = index->MonthTotal(month_key);
  AppendSectionIfMissing(path, index->content(), scan.section_found, kItemTotals);
  return scan.amount;
}

void ExpenseDatabase::CategoryPersonTotals(const std::string& month_key,
                                           const std::string& category, PersonTotals& totals) {
  const std::string path = CategoryFilePath(category);
  const std::shared_ptr<const TotalsIndex> index = TotalsOf(path, kCategoryTotals);
  if (!index) {
    CreateIfAbsent(path, NewCategoryFile(category, ""));
    return;
  }
  const bool found = index->FillPersonTotals(month_key, totals);
  AppendSectionIfMissing(path, index->content(), found, kPersonTotals);
}

void ExpenseDatabase::ItemPersonTotals(const std::string& month_key, const std::string& category,
                                       const std::string& item, PersonTotals& totals) {
  const std::string path = ItemFilePath(category, item);
  const std::shared_ptr<const TotalsIndex> index = TotalsOf(path, kItemTotals);
  if (!index) {
    CreateIfAbsent(path, NewItemTotalsFile());
    return;
  }
  const bool found = index->FillPersonTotals(month_key, totals);
  AppendSectionIfMissing(path, index->content(), found, kPersonTotals);
}

void ExpenseDatabase::ItemPurchases(const std::string& month_key, const std::string& category,
                                    const std::string& item,
                                    std::vector<PurchaseRecord>& purchases) {
  const std::string path = ItemFilePath(category, item);
  const std::optional<std::string> content = fs_.ReadFile(path);
  if (!content) {
    CreateIfAbsent(path, NewItemFile());
    return;
  }
  const bool found = ScanPurchases(SplitLines(*content), month_key, purchases);
  AppendSectionIfMissing(path, *content, found, kPurchaseList);
}

}  // namespace kestrune
