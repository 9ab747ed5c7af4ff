// Read-only queries over the expense sections; each reads its file afresh, unless a read
// session keeps it. Nothing here writes.
#include "database/expense_database.h"

namespace kestrune {

ExpenseDatabase::ReadSession::~ReadSession() {
  if (--db_.read_sessions_ == 0) db_.session_files_.clear();
}

Result<std::optional<std::string>> ExpenseDatabase::ReadIfPresent(const std::string& path) const {
  std::string content;
  Status read = fs_.Read(path, content);
  if (read.ok()) return {std::move(content)};
  if (read.IsNotFound()) return {std::nullopt};
  // A file that is there but cannot be read is reported, never taken for empty.
  return Failed<std::optional<std::string>>(std::move(read));
}

Result<std::shared_ptr<TotalsFile>> ExpenseDatabase::TotalsOf(const std::string& path,
                                                              SectionMarks totals) const {
  if (const auto kept = session_files_.find(path); kept != session_files_.end()) {
    return {kept->second};
  }
  Result<std::optional<std::string>> content = ReadIfPresent(path);
  if (!content.ok()) return Failed<std::shared_ptr<TotalsFile>>(std::move(content.status));
  if (!content.value) return {nullptr};
  auto file = std::make_shared<TotalsFile>(std::move(*content.value), totals);
  if (read_sessions_ > 0) session_files_[path] = file;
  return {file};
}

namespace {

Result<Cents> MonthTotalOf(Result<std::shared_ptr<TotalsFile>> file, const std::string& key) {
  if (!file.ok() || !file.value) return {0, std::move(file.status)};
  return {file.value->MonthTotal(key).amount};
}

Status FillPersons(Result<std::shared_ptr<TotalsFile>> file, const std::string& key,
                   PersonTotals& totals) {
  if (file.ok() && file.value) file.value->FillPersonTotals(key, totals);
  return std::move(file.status);
}

}  // namespace

Result<Cents> ExpenseDatabase::CategoryMonthTotal(const std::string& month_key,
                                                  const std::string& category) const {
  return MonthTotalOf(TotalsOf(CategoryFilePath(category), kCategoryTotals), month_key);
}

Result<Cents> ExpenseDatabase::ItemMonthTotal(const std::string& month_key,
                                              const std::string& category,
                                              const std::string& item) const {
  return MonthTotalOf(TotalsOf(ItemFilePath(category, item), kItemTotals), month_key);
}

Status ExpenseDatabase::CategoryPersonTotals(const std::string& month_key,
                                             const std::string& category,
                                             PersonTotals& totals) const {
  return FillPersons(TotalsOf(CategoryFilePath(category), kCategoryTotals), month_key, totals);
}

Status ExpenseDatabase::ItemPersonTotals(const std::string& month_key, const std::string& category,
                                         const std::string& item, PersonTotals& totals) const {
  return FillPersons(TotalsOf(ItemFilePath(category, item), kItemTotals), month_key, totals);
}

Status ExpenseDatabase::ItemPurchases(const std::string& month_key, const std::string& category,
                                      const std::string& item,
                                      std::vector<PurchaseRecord>& purchases) const {
  Result<std::shared_ptr<TotalsFile>> file = TotalsOf(ItemFilePath(category, item), kItemTotals);
  if (file.ok() && file.value) file.value->Purchases(month_key, purchases);
  return std::move(file.status);
}

}  // namespace kestrune
