// The book's monthly budgets: reading them, changing them as undoable changes, and what a
// month's spending makes of them.
#include <algorithm>
#include <filesystem>
#include <set>

#include "database/budget_file.h"
#include "database/expense_database.h"
#include "database/month_keys.h"
#include "database/validation.h"

namespace kestrune {
namespace {

bool SameName(const Budget& budget, const std::string& category, const std::string& item) {
  return budget.category == category && budget.item == item;
}

const Budget* Find(const std::vector<Budget>& budgets, const std::string& category,
                   const std::string& item) {
  const auto found = std::find_if(budgets.begin(), budgets.end(), [&](const Budget& budget) {
    return SameName(budget, category, item);
  });
  return found == budgets.end() ? nullptr : &*found;
}

// The file's text parsed, its damage told with the file's path in front.
Result<std::vector<Budget>> Parsed(const std::string& path, const std::string& text,
                                   const char* prefix) {
  Result<std::vector<Budget>> budgets = ParseBudgetFile(text);
  if (!budgets.ok()) {
    budgets.status = budgets.status.WithMessage(prefix + path + ": " + budgets.status.message());
  }
  return budgets;
}

// Whether the crossing of `budget` by `sum` took place: over now, not over before.
bool Crossed(Cents budget, Cents spent_now, Cents sum) {
  return spent_now > budget && spent_now - sum <= budget;
}

// A link in the budget file's place is refused like a FIFO or a folder: budgets are never
// read from outside the book.
Status RefuseLink(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return Status::Ok();
  return Status::InvalidArgument("Can't read " + path + ": not a regular file (a link)");
}

}  // namespace

std::string ExpenseDatabase::BudgetFilePath() const {
  return folder_ + "/" + kBudgetFileName;
}

Result<std::vector<Budget>> ExpenseDatabase::Budgets() const {
  if (Status link = RefuseLink(BudgetFilePath()); !link.ok()) {
    return Failed<std::vector<Budget>>(std::move(link));
  }
  Result<std::optional<std::string>> text = ReadIfPresent(BudgetFilePath());
  if (!text.ok()) return Failed<std::vector<Budget>>(std::move(text.status));
  if (!text.value) return {};
  Result<std::vector<Budget>> read = Parsed(BudgetFilePath(), *text.value, "Damaged budget file ");
  if (!read.ok()) return read;
  // The book's order: each category's own budget, then its items' in list order.
  std::vector<Budget> ordered;
  for (const std::string& category : GetCategoryNames()) {
    if (const Budget* own = Find(read.value, category, "")) ordered.push_back(*own);
    for (const std::string& item : GetItemNames(category)) {
      if (const Budget* budget = Find(read.value, category, item)) ordered.push_back(*budget);
    }
  }
  for (const Budget& budget : read.value) {
    if (!Find(ordered, budget.category, budget.item)) ordered.push_back(budget);
  }
  return {std::move(ordered)};
}

Result<std::optional<Cents>> ExpenseDatabase::BudgetOf(const std::string& category,
                                                       const std::string& item) const {
  Result<std::vector<Budget>> budgets = Budgets();
  if (!budgets.ok()) return Failed<std::optional<Cents>>(std::move(budgets.status));
  const Budget* budget = Find(budgets.value, category, item);
  return {budget ? std::optional<Cents>(budget->amount) : std::nullopt};
}

Result<std::vector<Budget>> ExpenseDatabase::BudgetsOfUnknownNames() const {
  Result<std::vector<Budget>> budgets = Budgets();
  std::erase_if(budgets.value, [this](const Budget& budget) {
    return budget.item.empty() ? CategoryExists(budget.category)
                               : ItemExists(budget.category, budget.item);
  });
  return budgets;
}

Result<std::optional<BudgetUse>> ExpenseDatabase::BudgetUseInMonth(const std::string& month_key,
                                                                   const std::string& category,
                                                                   const std::string& item) const {
  using Use = std::optional<BudgetUse>;
  if (month_key == kAllMonths) return {};
  Result<std::optional<Cents>> budget = BudgetOf(category, item);
  if (!budget.ok()) return Failed<Use>(std::move(budget.status));
  if (!budget.value) return {};
  Result<Cents> spent = item.empty() ? CategoryMonthTotal(month_key, category)
                                     : ItemMonthTotal(month_key, category, item);
  if (!spent.ok()) return Failed<Use>(std::move(spent.status));
  return {Use(BudgetUse{*budget.value, spent.value})};
}

Result<std::vector<std::string>> ExpenseDatabase::OverBudgetNotices(
    const std::string& category, const std::string& item, const PurchaseRecord& purchase) const {
  using Notices = std::vector<std::string>;
  const std::string key = MakeMonthKey(purchase.year, purchase.month);
  const Cents sum = ParseCents(purchase.sum);
  Notices notices;
  for (const std::string& name : {item, std::string()}) {
    Result<std::optional<BudgetUse>> use = BudgetUseInMonth(key, category, name);
    if (!use.ok()) return Failed<Notices>(std::move(use.status));
    if (use.value && Crossed(use.value->budget, use.value->spent, sum)) {
      notices.push_back(OverBudgetText({category, name, use.value->budget}, key, use.value->spent));
    }
  }
  return {std::move(notices)};
}

Result<std::vector<Budget>> ExpenseDatabase::ReadBudgets(ChangeSet& changes) const {
  if (Status link = RefuseLink(BudgetFilePath()); !link.ok()) {
    return Failed<std::vector<Budget>>(std::move(link));
  }
  std::string text;
  const Status read = changes.Read(BudgetFilePath(), text);
  if (read.IsNotFound()) return {};
  if (!read.ok()) return Failed<std::vector<Budget>>(read);
  Result<std::vector<Budget>> budgets = Parsed(BudgetFilePath(), text, "Damaged budget file ");
  if (!budgets.ok()) {
    budgets.status = budgets.status.WithMessage(budgets.status.message() +
                                                " (mend or remove it to change budgets)");
  }
  return budgets;
}

void ExpenseDatabase::GatherBudgets(ChangeSet& changes, const std::vector<Budget>& budgets) const {
  if (budgets.empty()) {
    changes.Remove(BudgetFilePath());
  } else {
    changes.Write(BudgetFilePath(), FormatBudgetFile(budgets));
  }
}

Status ExpenseDatabase::GatherBudgetRename(ChangeSet& changes, const std::string& category,
                                           const std::string& item, const std::string& new_category,
                                           const std::string& new_item, bool drop) {
  Result<std::vector<Budget>> read = ReadBudgets(changes);
  if (!read.ok()) return read.status;
  std::vector<Budget> kept, moved;
  for (Budget& budget : read.value) {
    const bool touched = budget.category == category && (item.empty() || budget.item == item);
    if (!touched) {
      kept.push_back(std::move(budget));
    } else if (!drop) {
      budget.category = new_category;
      if (!item.empty()) budget.item = new_item;
      moved.push_back(std::move(budget));
    }
  }
  if (kept.size() == read.value.size()) return Status::Ok();
  // A budget a hand edit left under the new name gives way to the one moved there.
  std::erase_if(kept, [&](const Budget& budget) {
    return Find(moved, budget.category, budget.item) != nullptr;
  });
  kept.insert(kept.end(), moved.begin(), moved.end());
  GatherBudgets(changes, kept);
  return Status::Ok();
}

namespace {

Status KnownNames(const ExpenseDatabase& db, const std::string& category, const std::string& item) {
  if (!db.CategoryExists(category)) return Status::NotFound("Unknown category: " + category);
  if (!item.empty() && !db.ItemExists(category, item)) {
    return Status::NotFound("Unknown item: " + item + " in " + category);
  }
  return Status::Ok();
}

}  // namespace

Status ExpenseDatabase::SetBudget(const std::string& category, const std::string& item,
                                  Cents amount) {
  if (Status known = KnownNames(*this, category, item); !known.ok()) return known;
  if (amount <= 0) return Status::InvalidArgument(kBudgetNotPositive);
  if (amount > kLargestSum) return Status::InvalidArgument(kSumOutOfRange);
  const Budget set{category, item, amount};
  const ChangeFocus focus{category, item, ""};
  const std::string words =
      "Set the budget of " + BudgetName(set) + " to " + FormatShownCents(amount);
  return ChangeCatalogue(Note(words, focus, focus), [&](ChangeSet& changes) {
    Result<std::vector<Budget>> budgets = ReadBudgets(changes);
    if (!budgets.ok()) return budgets.status;
    std::erase_if(budgets.value, [&](const Budget& b) { return SameName(b, category, item); });
    budgets.value.push_back(set);
    GatherBudgets(changes, budgets.value);
    return Status::Ok();
  });
}

Status ExpenseDatabase::ClearBudget(const std::string& category, const std::string& item) {
  const Budget cleared{category, item, 0};
  const ChangeFocus focus{category, item, ""};
  return ChangeCatalogue(
      Note("Clear the budget of " + BudgetName(cleared), focus, focus), [&](ChangeSet& changes) {
        Result<std::vector<Budget>> budgets = ReadBudgets(changes);
        if (!budgets.ok()) return budgets.status;
        if (!std::erase_if(budgets.value,
                           [&](const Budget& b) { return SameName(b, category, item); })) {
          return Status::NotFound(BudgetName(cleared) + " has no budget");
        }
        GatherBudgets(changes, budgets.value);
        return Status::Ok();
      });
}

}  // namespace kestrune
