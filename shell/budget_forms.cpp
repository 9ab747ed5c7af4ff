#include "shell/budget_forms.h"

#include "database/validation.h"
#include "shell/purchase_forms.h"
#include "shell/translation.h"

namespace kestrune {

BudgetEntry ReadBudgetField(std::string_view text) {
  if (text.find_first_not_of(" \t") == std::string_view::npos) return {};
  const std::string not_positive = Translated(kBudgetNotPositive);
  const SumEntry entry = CheckTypedSum(text, TypedGroupSeparator(), not_positive.c_str());
  if (!entry.status.ok()) return {std::nullopt, entry.status};
  return {entry.sum, Status::Ok()};
}

Result<std::string> BudgetFieldText(const ExpenseDatabase& db, const std::string& category,
                                    const std::string& item) {
  const Result<std::optional<Cents>> budget = db.BudgetOf(category, item);
  if (!budget.ok()) return Failed<std::string>(budget.status);
  return {budget.value ? FormatShownCents(*budget.value) : std::string()};
}

bool BudgetDiffers(const ExpenseDatabase& db, const std::string& category, const std::string& item,
                   const BudgetEntry& entry) {
  const Result<std::optional<Cents>> now = db.BudgetOf(category, item);
  return now.ok() && now.value != entry.amount;
}

bool ApplyBudget(FormContext& form, const std::string& category, const std::string& item,
                 const BudgetEntry& entry) {
  const Result<std::optional<Cents>> now = form.db.BudgetOf(category, item);
  Status changed = now.status;
  if (now.ok() && now.value != entry.amount) {
    changed = entry.amount ? form.db.SetBudget(category, item, *entry.amount)
                           : form.db.ClearBudget(category, item);
  }
  if (!changed.ok()) form.prompts.ShowRefusal(changed);
  return changed.ok();
}

std::string OverBudgetNote(const ExpenseDatabase& db, const std::string& category,
                           const std::string& item, const PurchaseRecord& purchase) {
  const Result<std::vector<std::string>> notices = db.OverBudgetNotices(category, item, purchase);
  if (!notices.ok()) {
    return Translated(QT_TRANSLATE_NOOP("Kestrune", "The budgets could not be checked: %1"),
                      {notices.status.message()});
  }
  std::string note;
  for (const std::string& notice : notices.value) note += (note.empty() ? "" : "  ") + notice;
  return note;
}

}  // namespace kestrune
