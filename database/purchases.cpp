// Recording and deleting purchases, and the months index they feed.
#include <algorithm>
#include <map>

#include "database/amounts.h"
#include "database/catalogue_files.h"
#include "database/expense_database.h"
#include "database/month_keys.h"
#include "database/sections.h"
#include "database/text_lines.h"

namespace kestrune {
namespace {

// The category file that recording a purchase starts from when the file is absent.
std::string RecordingCategorySkeleton(const std::string& category) {
  return JoinLines({category, " ", kBeginItemList, kEndItemList, kBeginCategoryTotals,
                    kEndCategoryTotals, kBeginPersonTotals, kEndPersonTotals});
}

// "Record purchase Milk 3.50": the sum as the purchase line holds it, without its padding.
std::string PurchaseWords(const char* verb, const std::string& item, const std::string& sum) {
  const std::size_t first = sum.find_first_not_of(' ');
  return std::string(verb) + " purchase " + item + " " +
         (first == std::string::npos ? "" : sum.substr(first));
}

// The totals changes of recording the purchases one by one, one per month and person in the
// order they first come: each entry ends with the same sum, and a file is not rewritten in
// memory once per purchase. An entry created by several purchases gets their sum's text.
std::vector<TotalsChange> MergedTotals(const std::vector<const PurchaseRecord*>& purchases) {
  std::vector<TotalsChange> merged;
  std::vector<int> counts;
  std::map<std::pair<std::string, std::string>, std::size_t> index;
  for (const PurchaseRecord* purchase : purchases) {
    const auto [at, added] =
        index.try_emplace({MonthKeyOf(*purchase), purchase->person}, merged.size());
    if (added) {
      merged.push_back(TotalsChange{at->first.first, purchase->person, 0, purchase->sum});
      counts.push_back(0);
    }
    merged[at->second].delta += ParseCents(purchase->sum);
    ++counts[at->second];
  }
  for (std::size_t i = 0; i < merged.size(); ++i) {
    if (counts[i] > 1) merged[i].create_with = FormatFileCents(merged[i].delta);
  }
  return merged;
}

}  // namespace

ExpenseDatabase::FileLines ExpenseDatabase::ReadLines(ChangeSet& changes, const std::string& path) {
  FileLines file;
  Status read = changes.Read(path, file.content);
  if (read.ok()) {
    file.existed = true;
    file.lines = SplitLines(file.content);
  } else if (!read.IsNotFound()) {
    file.status = std::move(read);
  }
  return file;
}

ExpenseDatabase::ReadModel ExpenseDatabase::ReadExpenseFile(ChangeSet& changes,
                                                            const std::string& path,
                                                            SectionMarks totals,
                                                            const std::string& skeleton,
                                                            bool refuse_damage) {
  ReadModel read;
  std::string content;
  Status status = changes.Read(path, content);
  read.existed = status.ok();
  if (!read.existed && !status.IsNotFound()) {
    read.status = std::move(status);
    return read;
  }
  read.file.emplace(read.existed ? std::move(content) : skeleton, totals);
  if (!read.existed || !refuse_damage) return read;
  if (const std::optional<SectionFault> fault = read.file->Fault()) {
    read.status = Status::Corruption("Can't change " + path + ": line " +
                                     std::to_string(fault->line) + ": " + fault->what);
  }
  return read;
}

Status ExpenseDatabase::StagePurchase(ChangeSet& changes, const std::string& category,
                                      const std::string& item, const PurchaseRecord& purchase) {
  return StagePurchases(changes, category, {{item, {&purchase}}});
}

Status ExpenseDatabase::StagePurchases(ChangeSet& changes, const std::string& category,
                                       const std::vector<PurchasesOfItem>& items) {
  std::vector<const PurchaseRecord*> all;
  for (const auto& [item, purchases] : items) {
    const std::string item_path = ItemFilePath(category, item);
    ReadModel item_file = ReadExpenseFile(changes, item_path, kItemTotals, NewItemFile(), true);
    if (!item_file.status.ok()) return item_file.status;
    for (SectionMarks section : {kItemTotals, kPersonTotals, kPurchaseList}) {
      item_file.file->EnsureSection(section);
    }
    for (const TotalsChange& change : MergedTotals(purchases)) {
      item_file.file->ChangeTotals(change);
    }
    for (const PurchaseRecord* purchase : purchases) item_file.file->InsertPurchase(*purchase);
    changes.Write(item_path, item_file.file->Format());
    all.insert(all.end(), purchases.begin(), purchases.end());
  }

  const std::string category_path = CategoryFilePath(category);
  ReadModel category_file = ReadExpenseFile(changes, category_path, kCategoryTotals,
                                            RecordingCategorySkeleton(category), true);
  if (!category_file.status.ok()) return category_file.status;
  category_file.file->EnsureSection(kCategoryTotals);
  category_file.file->EnsureSection(kPersonTotals);
  for (const TotalsChange& change : MergedTotals(all)) category_file.file->ChangeTotals(change);
  changes.Write(category_path, category_file.file->Format());
  return Status::Ok();
}

Status ExpenseDatabase::StagePurchaseRemoval(ChangeSet& changes, const std::string& category,
                                             const std::string& item,
                                             const std::string& purchase_line) {
  const PurchaseRecord purchase = ParsePurchaseLine(purchase_line);
  const TotalsChange change{MonthKeyOf(purchase), purchase.person, -ParseCents(purchase.sum),
                            std::nullopt};
  const std::string item_path = ItemFilePath(category, item);
  ReadModel item_file = ReadExpenseFile(changes, item_path, kItemTotals, "", true);
  if (!item_file.status.ok()) return item_file.status;
  if (!item_file.file->RemovePurchase(purchase)) {
    return Status::Error("No such purchase: " + purchase_line);
  }
  item_file.file->ChangeTotals(change);
  changes.Write(item_path, item_file.file->Format());

  const std::string category_path = CategoryFilePath(category);
  ReadModel category_file = ReadExpenseFile(changes, category_path, kCategoryTotals, "", true);
  if (!category_file.status.ok()) return category_file.status;
  if (category_file.existed) {
    category_file.file->ChangeTotals(change);
    changes.Write(category_path, category_file.file->Format());
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
  const ChangeFocus focus{category, item, ""};
  changes.Record(Note(PurchaseWords("Record", item, purchase.sum), focus, focus));
  Status staged = StagePurchase(changes, category, item, purchase);
  if (!staged.ok()) return staged;
  return CommitWithMonths(changes, StageMonth(changes, MonthKeyOf(purchase)), month_added);
}

Status ExpenseDatabase::ReplacePurchase(const std::string& category, const std::string& item,
                                        const std::string& old_line, const PurchaseRecord& purchase,
                                        bool* month_added) {
  if (month_added != nullptr) *month_added = false;
  ChangeSet changes(fs_, folder_);
  const ChangeFocus focus{category, item, ""};
  changes.Record(Note(PurchaseWords("Edit", item, purchase.sum), focus, focus));
  Status staged = StagePurchaseRemoval(changes, category, item, old_line);
  if (staged.ok()) staged = StagePurchase(changes, category, item, purchase);
  if (!staged.ok()) return staged;
  return CommitWithMonths(changes, StageMonth(changes, MonthKeyOf(purchase)), month_added);
}

Status ExpenseDatabase::DeletePurchase(const std::string& category, const std::string& item,
                                       const std::string& purchase_line) {
  ChangeSet changes(fs_, folder_);
  const ChangeFocus focus{category, item, ""};
  changes.Record(
      Note(PurchaseWords("Delete", item, ParsePurchaseLine(purchase_line).sum), focus, focus));
  Status staged = StagePurchaseRemoval(changes, category, item, purchase_line);
  if (!staged.ok()) return staged;
  return changes.Commit();
}

Status ExpenseDatabase::AddMonth(const std::string& month_key, bool* added) {
  if (added != nullptr) *added = false;
  ChangeSet changes(fs_, folder_);
  changes.Record(Note("Add month " + month_key, {}, {}));
  std::optional<std::vector<std::string>> months = StageMonth(changes, month_key);
  if (!months) return Status::Ok();
  return CommitWithMonths(changes, std::move(months), added);
}

void ExpenseDatabase::SortMonths() {
  SortMonthsNewestFirst(months_);
}

}  // namespace kestrune
