// Recording many purchases, and the catalogue entries they need, as one change.
#include <map>

#include "database/catalogue_files.h"
#include "database/expense_database.h"
#include "database/month_keys.h"
#include "database/sections.h"
#include "database/text_lines.h"

namespace kestrune {

Status ExpenseDatabase::StageNewNames(ChangeSet& changes, const PurchaseBatch& batch) {
  for (const std::string& name : batch.new_categories) {
    categories_[name] = CategoryRecord{name, "", {}};
    Status listed = AppendToIndexFile(changes, CategoryIndexPath(), name);
    if (!listed.ok()) return listed;
    changes.Write(CategoryFilePath(name), NewCategoryFile(name, ""));
  }
  for (const std::string& name : batch.new_persons) {
    persons_[name] = PersonRecord{name, ""};
    Status listed = AppendToIndexFile(changes, PersonIndexPath(), name);
    if (!listed.ok()) return listed;
    changes.Write(PersonFilePath(name), NewPersonFile(name, ""));
  }
  for (const auto& [category, item] : batch.new_items) {
    Status added = GatherAddItem(changes, category, item, "");
    if (!added.ok()) return added;
  }
  return Status::Ok();
}

Status ExpenseDatabase::RecordPurchases(const PurchaseBatch& batch, const BatchProgress& progress) {
  // Each item's purchases in batch order, so the item file lists them as single recordings would.
  std::map<std::string, std::map<std::string, std::vector<const PurchaseRecord*>>> by_category;
  std::vector<std::string> months = months_;
  for (const BookPurchase& row : batch.purchases) {
    by_category[row.category][row.item].push_back(&row.purchase);
    const std::string key = MonthKeyOf(row.purchase);
    if (std::find(months.begin(), months.end(), key) == months.end()) months.push_back(key);
  }
  const bool months_added = months.size() != months_.size();
  SortMonthsNewestFirst(months);
  const std::string words =
      batch.description.empty()
          ? "Import " + std::to_string(batch.purchases.size()) + " purchases"
          : batch.description;
  Status status = ChangeCatalogue(Note(words, {}, {}), [&](ChangeSet& changes) {
    Status staged = StageNewNames(changes, batch);
    std::size_t done = 0;
    for (auto it = by_category.begin(); staged.ok() && it != by_category.end(); ++it) {
      staged = StagePurchases(changes, it->first, {it->second.begin(), it->second.end()});
      for (const auto& [item, purchases] : it->second) done += purchases.size();
      if (progress) progress(done, batch.purchases.size());
    }
    if (staged.ok() && months_added) changes.Write(MonthsIndexPath(), JoinEndedLines(months));
    return staged;
  });
  if (status.ok() && months_added) months_ = std::move(months);
  return status;
}

}  // namespace kestrune
