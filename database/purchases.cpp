// Recording and deleting purchases, and the months index they feed.
#include <algorithm>

#include "database/amounts.h"
#include "database/catalogue_files.h"
#include "database/expense_database.h"
#include "database/month_keys.h"
#include "database/section_edits.h"
#include "database/sections.h"
#include "database/text_lines.h"

namespace kestrune {
namespace {

// The category file that recording a purchase starts from when the file is absent.
std::string RecordingCategorySkeleton(const std::string& category) {
  return JoinLines({category, " ", kBeginItemList, kEndItemList, kBeginCategoryTotals,
                    kEndCategoryTotals, kBeginPersonTotals, kEndPersonTotals});
}

}  // namespace

ExpenseDatabase::FileLines ExpenseDatabase::ReadLines(ChangeSet& changes, const std::string& path) {
  FileLines file;
  if (std::optional<std::string> content = changes.Read(path)) {
    file.existed = true;
    file.lines = SplitLines(*content);
    file.content = std::move(*content);
  } else if (changes.Exists(path)) {
    file.status = Status::Error(changes.ReadFailure(path));
  }
  return file;
}

ExpenseDatabase::FileLines ExpenseDatabase::ReadExpenseFile(ChangeSet& changes,
                                                            const std::string& path,
                                                            SectionMarks totals) {
  FileLines file = ReadLines(changes, path);
  if (!file.status.ok() || !file.existed) return file;
  // Editing a file whose sections are damaged would put lines in the wrong place.
  if (const std::optional<SectionFault> fault = FindSectionFault(file.lines, totals)) {
    file.status = Status::Error("Can't change " + path + ": line " + std::to_string(fault->line) +
                                ": " + fault->what);
  }
  return file;
}

Status ExpenseDatabase::StagePurchase(ChangeSet& changes, const std::string& category,
                                      const std::string& item, const PurchaseRecord& purchase) {
  const TotalsChange change{MonthKeyOf(purchase), purchase.person, ParseAmount(purchase.sum),
                            purchase.sum};
  FileLines item_file = ReadExpenseFile(changes, ItemFilePath(category, item), kItemTotals);
  if (!item_file.status.ok()) return item_file.status;
  if (!item_file.existed) item_file.lines = SplitLines(NewItemFile());
  EnsureSections(item_file.lines, {kItemTotals, kPersonTotals, kPurchaseList});
  std::vector<std::string> item_lines = ChangeTotals(item_file.lines, kItemTotals, change);
  InsertPurchaseLine(item_lines, FormatPurchaseLine(purchase));
  changes.Write(ItemFilePath(category, item), JoinEndedLines(item_lines));

  FileLines category_file =
      ReadExpenseFile(changes, CategoryFilePath(category), kCategoryTotals);
  if (!category_file.status.ok()) return category_file.status;
  if (!category_file.existed) category_file.lines = SplitLines(RecordingCategorySkeleton(category));
  EnsureSections(category_file.lines, {kCategoryTotals, kPersonTotals});
  changes.Write(CategoryFilePath(category),
                JoinEndedLines(ChangeTotals(category_file.lines, kCategoryTotals, change)));
  return Status::Ok();
}

Status ExpenseDatabase::StagePurchaseRemoval(ChangeSet& changes, const std::string& category,
                                             const std::string& item,
                                             const std::string& purchase_line) {
  const PurchaseRecord purchase = ParsePurchaseLine(purchase_line);
  const TotalsChange change{MonthKeyOf(purchase), purchase.person, -ParseAmount(purchase.sum),
                            std::nullopt};
  FileLines item_file = ReadExpenseFile(changes, ItemFilePath(category, item), kItemTotals);
  if (!item_file.status.ok()) return item_file.status;
  if (!RemovePurchaseLine(item_file.lines, purchase)) {
    return Status::Error("No such purchase: " + purchase_line);
  }
  changes.Write(ItemFilePath(category, item),
                JoinEndedLines(ChangeTotals(item_file.lines, kItemTotals, change)));

  FileLines category_file =
      ReadExpenseFile(changes, CategoryFilePath(category), kCategoryTotals);
  if (!category_file.status.ok()) return category_file.status;
  if (category_file.existed) {
    changes.Write(CategoryFilePath(category),
                  JoinEndedLines(ChangeTotals(category_file.lines, kCategoryTotals, change)));
  }
  return Status::Ok();
}

std::optional<std::vector<std::string>> ExpenseDatabase::StageMonth(ChangeSet& changes,
                                                                    const std::string& month_key) {
  if (std::find(months_.begin(), months_.end(), month_key) != months_.end()) return std::nullopt;
  std::vector<std::string> months = months_;
  months.push_back(month_key);
  SortMonthsNewestFirst(months);
  changes.Write(MonthsIndexPath(), JoinEndedLines(months));
  return months;
}

// The months in memory change only once the index that lists them has been committed.
Status ExpenseDatabase::CommitWithMonths(ChangeSet& changes,
                                         std::optional<std::vector<std::string>> months,
                                         bool* month_added) {
  if (month_added != nullptr) *month_added = false;
  Status committed = changes.Commit();
  if (!committed.ok() || !months) return committed;
  months_ = std::move(*months);
  if (month_added != nullptr) *month_added = true;
  return committed;
}

Status ExpenseDatabase::RecordPurchase(const std::string& category, const std::string& item,
                                       const PurchaseRecord& purchase, bool* month_added) {
  if (month_added != nullptr) *month_added = false;
  ChangeSet changes(fs_, folder_);
  Status staged = StagePurchase(changes, category, item, purchase);
  if (!staged.ok()) return staged;
  return CommitWithMonths(changes, StageMonth(changes, MonthKeyOf(purchase)), month_added);
}

Status ExpenseDatabase::ReplacePurchase(const std::string& category, const std::string& item,
                                        const std::string& old_line,
                                        const PurchaseRecord& purchase, bool* month_added) {
  if (month_added != nullptr) *month_added = false;
  ChangeSet changes(fs_, folder_);
  Status staged = StagePurchaseRemoval(changes, category, item, old_line);
  if (staged.ok()) staged = StagePurchase(changes, category, item, purchase);
  if (!staged.ok()) return staged;
  return CommitWithMonths(changes, StageMonth(changes, MonthKeyOf(purchase)), month_added);
}

Status ExpenseDatabase::DeletePurchase(const std::string& category, const std::string& item,
                                       const std::string& purchase_line) {
  ChangeSet changes(fs_, folder_);
  Status staged = StagePurchaseRemoval(changes, category, item, purchase_line);
  if (!staged.ok()) return staged;
  return changes.Commit();
}

Status ExpenseDatabase::AddMonth(const std::string& month_key, bool* added) {
  if (added != nullptr) *added = false;
  ChangeSet changes(fs_, folder_);
  std::optional<std::vector<std::string>> months = StageMonth(changes, month_key);
  if (!months) return Status::Ok();
  return CommitWithMonths(changes, std::move(months), added);
}

void ExpenseDatabase::SortMonths() {
  SortMonthsNewestFirst(months_);
}

}  // namespace kestrune
