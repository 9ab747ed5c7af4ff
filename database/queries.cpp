// Read-only queries over the expense sections; each reads its file afresh, unless a read
// session keeps it.
#include "database/catalogue_files.h"
#include "database/expense_database.h"
#include "database/text_lines.h"

namespace kestrune {

ExpenseDatabase::ReadSession::~ReadSession() {
  if (--db_.read_sessions_ == 0) db_.session_files_.clear();
}

std::shared_ptr<TotalsFile> ExpenseDatabase::TotalsOf(const std::string& path,
                                                      SectionMarks totals) {
  if (const auto kept = session_files_.find(path); kept != session_files_.end()) {
    return kept->second;
  }
  std::optional<std::string> content = fs_.ReadFile(path);
  if (!content) return nullptr;
  auto file = std::make_shared<TotalsFile>(std::move(*content), totals);
  if (read_sessions_ > 0) session_files_[path] = file;
  return file;
}

void ExpenseDatabase::AppendSectionIfMissing(const std::string& path, const std::string& content,
                                             bool found, SectionMarks section) {
  if (!found) WriteRepair(path, AppendEmptySection(content, section));
}

double ExpenseDatabase::CategoryMonthTotal(const std::string& month_key,
                                           const std::string& category) {
  const std::string path = CategoryFilePath(category);
  const std::shared_ptr<TotalsFile> file = TotalsOf(path, kCategoryTotals);
  if (!file) {
    CreateIfAbsent(path, NewCategoryFile(category, ""));
    return 0.0;
  }
  const MonthTotalScan scan = file->MonthTotal(month_key);
  AppendSectionIfMissing(path, file->content(), scan.section_found, kCategoryTotals);
  return scan.amount;
}

double ExpenseDatabase::ItemMonthTotal(const std::string& month_key, const std::string& category,
                                       const std::string& item) {
  const std::string path = ItemFilePath(category, item);
  const std::shared_ptr<TotalsFile> file = TotalsOf(path, kItemTotals);
  if (!file) {
    CreateIfAbsent(path, NewItemTotalsFile());
    return 0.0;
  }
  const MonthTotalScan scan = file->MonthTotal(month_key);
  AppendSectionIfMissing(path, file->content(), scan.section_found, kItemTotals);
  return scan.amount;
}

void ExpenseDatabase::CategoryPersonTotals(const std::string& month_key,
                                           const std::string& category, PersonTotals& totals) {
  const std::string path = CategoryFilePath(category);
  const std::shared_ptr<TotalsFile> file = TotalsOf(path, kCategoryTotals);
  if (!file) {
    CreateIfAbsent(path, NewCategoryFile(category, ""));
    return;
  }
  const bool found = file->FillPersonTotals(month_key, totals);
  AppendSectionIfMissing(path, file->content(), found, kPersonTotals);
}

void ExpenseDatabase::ItemPersonTotals(const std::string& month_key, const std::string& category,
                                       const std::string& item, PersonTotals& totals) {
  const std::string path = ItemFilePath(category, item);
  const std::shared_ptr<TotalsFile> file = TotalsOf(path, kItemTotals);
  if (!file) {
    CreateIfAbsent(path, NewItemTotalsFile());
    return;
  }
  const bool found = file->FillPersonTotals(month_key, totals);
  AppendSectionIfMissing(path, file->content(), found, kPersonTotals);
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
