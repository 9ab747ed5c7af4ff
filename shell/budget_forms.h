#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "database/amounts.h"
#include "database/records.h"
#include "database/result.h"
#include "shell/form_outcome.h"

namespace kestrune {

// What the monthly budget field of the category dialogs holds: no budget (nothing or only
// blanks typed), or an amount read as a typed purchase sum is (a comma or a dot as decimal
// mark, the user's group separator) and held to the same range. A refusal says "Please enter
// a budget greater than 0." (quoting what was not understood) or that the amount is too large.
struct BudgetEntry {
  std::optional<Cents> amount;
  Status status = Status::Ok();
};
BudgetEntry ReadBudgetField(std::string_view text);

// The calls below work on the budget of the category, or of its item when `item` is not empty.

// The field's text for the budget ("400.00"; empty for none). Fails as
// ExpenseDatabase::BudgetOf does, for a budget file that cannot be read or is damaged.
Result<std::string> BudgetFieldText(const ExpenseDatabase& db, const std::string& category,
                                    const std::string& item = {});

// Whether the budget, as the book holds it, differs from what `entry` holds; false when the
// budget file cannot be read.
bool BudgetDiffers(const ExpenseDatabase& db, const std::string& category, const std::string& item,
                   const BudgetEntry& entry);

// Gives the category or item the budget `entry` holds when it differs from the one it has:
// one undoable change (set or clear); nothing when they agree. A failed change is shown to
// the user; false then.
bool ApplyBudget(FormContext& form, const std::string& category, const std::string& item,
                 const BudgetEntry& entry);

// The status bar's note after a purchase was recorded in the item: the notices of the
// budgets it took over (joined by "  "), or why the budgets could not be checked; empty when
// it crossed none. Reads only.
std::string OverBudgetNote(const ExpenseDatabase& db, const std::string& category,
                           const std::string& item, const PurchaseRecord& purchase);

}  // namespace kestrune
