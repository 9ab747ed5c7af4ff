// Taking a month out, emptying every expense section, and clearing the whole database.
#include <algorithm>

#include "database/catalogue_files.h"
#include "database/expense_database.h"
#include "database/month_keys.h"
#include "database/section_edits.h"
#include "database/text_lines.h"

namespace kestrune {

PersonTotals ExpenseDatabase::EveryoneAtZero() const {
  PersonTotals totals;
  for (const auto& [name, person] : persons_) totals[name] = 0.0;
  totals[kForAll] = 0.0;
  return totals;
}

// The month's amounts are read from the file before anything in it changes. A file that is
// absent is taken out of as its skeleton (and so written).
Status ExpenseDatabase::TakeMonthOut(ChangeSet& changes, const std::string& path,
                                     const std::string& skeleton, SectionMarks totals,
                                     const std::string& month_key) {
  FileLines file = ReadExpenseFile(changes, path, totals);
  if (!file.status.ok()) return file.status;
  if (!file.existed) file.lines = SplitLines(skeleton);
  EnsureSections(file.lines, {totals, kPersonTotals});
  const double total = CentsToUnits(ScanMonthTotal(file.lines, totals, month_key).amount);
  PersonTotals persons = EveryoneAtZero();
  ScanPersonTotals(file.lines, month_key, persons);
  changes.Write(path, JoinEndedLines(DropMonth(file.lines, totals, month_key, total, persons)));
  return Status::Ok();
}

Status ExpenseDatabase::DeleteMonth(const std::string& month_key) {
  if (month_key == kAllMonths) return Status::Ok();
  ChangeSet changes(fs_, folder_);
  for (const auto& [name, category] : categories_) {
    Status taken = TakeMonthOut(changes, CategoryFilePath(name), NewCategoryFile(name, ""),
                                kCategoryTotals, month_key);
    for (const ItemEntry& item : category.items) {
      if (!taken.ok()) break;
      taken = TakeMonthOut(changes, ItemFilePath(name, item.name), NewItemTotalsFile(),
                           kItemTotals, month_key);
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
  for (const auto& [name, category] : categories_) {
    for (const ItemEntry& item : category.items) {
      changes.Write(ItemFilePath(name, item.name), NewItemFile());
    }
    FileLines file = ReadLines(changes, CategoryFilePath(name));
    if (!file.status.ok()) return file.status;
    if (file.existed) {
      changes.Write(CategoryFilePath(name), JoinEndedLines(EmptyExpenseSections(file.lines)));
    }
  }
  changes.Write(MonthsIndexPath(), "");
  Status committed = changes.Commit();
  if (committed.ok()) months_.clear();
  return committed;
}

Status ExpenseDatabase::ClearDatabase() {
  ChangeSet changes(fs_, folder_);
  for (const auto& [name, category] : categories_) {
    for (const ItemEntry& item : category.items) changes.Remove(ItemFilePath(name, item.name));
    changes.Remove(CategoryFilePath(name));
  }
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
