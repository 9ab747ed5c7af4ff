// Taking a month out, emptying every expense section, and clearing the whole database.
#include <algorithm>

#include "database/catalogue_files.h"
#include "database/expense_database.h"
#include "database/month_keys.h"
#include "database/text_lines.h"

namespace kestrune {

std::vector<std::string> ExpenseDatabase::EveryoneNamed() const {
  std::vector<std::string> names;
  for (const auto& [name, person] : persons_) names.push_back(name);
  names.push_back(kForAll);
  return names;
}

// A file that is absent is taken out of as its skeleton (and so written).
Status ExpenseDatabase::TakeMonthOut(ChangeSet& changes, const std::string& path,
                                     const std::string& skeleton, SectionMarks totals,
                                     const std::string& month_key) {
  ReadModel read = ReadExpenseFile(changes, path, totals, skeleton, true);
  if (!read.status.ok()) return read.status;
  read.file->EnsureSection(totals);
  read.file->EnsureSection(kPersonTotals);
  read.file->DropMonth(month_key, EveryoneNamed());
  changes.Write(path, read.file->Format());
  return Status::Ok();
}

Status ExpenseDatabase::DeleteMonth(const std::string& month_key) {
  if (month_key == kAllMonths) return Status::Ok();
  ChangeSet changes(fs_, folder_);
  changes.Record(Note("Delete month " + month_key, {}, {}));
  for (const auto& [name, category] : categories_) {
    Status taken = TakeMonthOut(changes, CategoryFilePath(name), NewCategoryFile(name, ""),
                                kCategoryTotals, month_key);
    for (const ItemEntry& item : category.items) {
      if (!taken.ok()) break;
      taken = TakeMonthOut(changes, ItemFilePath(name, item.name), NewItemTotalsFile(), kItemTotals,
                           month_key);
    }
    if (!taken.ok()) return taken;
  }
  std::vector<std::string> months = months_;
  std::erase(months, month_key);
  changes.Write(MonthsIndexPath(), JoinEndedLines(months));
  Status committed = changes.Commit();
  if (committed.ok()) months_ = std::move(months);
  return committed;
}

Status ExpenseDatabase::DeleteAllPurchases() {
  ChangeSet changes(fs_, folder_);
  changes.Record(Note("Delete all purchases", {}, {}));
  for (const auto& [name, category] : categories_) {
    for (const ItemEntry& item : category.items) {
      changes.Write(ItemFilePath(name, item.name), NewItemFile());
    }
    Status emptied = EditExpenseFile(changes, CategoryFilePath(name), kCategoryTotals,
                                     [](ExpenseFile& file) { file.EmptySections(); });
    if (!emptied.ok()) return emptied;
  }
  changes.Write(MonthsIndexPath(), "");
  Status committed = changes.Commit();
  if (committed.ok()) months_.clear();
  return committed;
}

Status ExpenseDatabase::ClearDatabase() {
  ChangeSet changes(fs_, folder_);
  changes.Record(Note("Clear data base", {}, {}));
  for (const auto& [name, category] : categories_) {
    for (const ItemEntry& item : category.items) changes.Remove(ItemFilePath(name, item.name));
    changes.Remove(CategoryFilePath(name));
  }
  // The budgets name categories no longer there; a folder in the file's place is left.
  if (!fs_.IsFolder(BudgetFilePath())) changes.Remove(BudgetFilePath());
  changes.Write(CategoryIndexPath(), "");
  changes.Write(PersonIndexPath(), "");
  changes.Write(MonthsIndexPath(), "");
  Status committed = changes.Commit();
  if (committed.ok()) {
    persons_.clear();
    months_.clear();
    categories_.clear();
  }
  return committed;
}

}  // namespace kestrune
