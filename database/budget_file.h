#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/amounts.h"
#include "database/result.h"

namespace kestrune {

// The book's monthly budgets live in a file of their own in the database folder, beside the
// index files. No file means no budgets. Budgets are monthly and not dated: one amount holds
// for every month.
inline constexpr const char* kBudgetFileName = "KSDBBudgets.txt";

// The refusal of a typed budget that is no number above 0 (for CheckTypedSum, validation.h;
// the largest budget is the largest purchase sum).
inline constexpr const char* kBudgetNotPositive = "Please enter a budget greater than 0.";

// One monthly budget: of a category, or of one of its items when `item` is not empty.
struct Budget {
  std::string category;
  std::string item;
  Cents amount = 0;

  bool operator==(const Budget&) const = default;
};

// A budget against what was spent in one month.
struct BudgetUse {
  Cents budget = 0;
  Cents spent = 0;

  // What is left; below 0 when over budget.
  Cents Left() const { return budget - spent; }
  bool Over() const { return spent > budget; }
};

// The budget file's grammar, read and written only here. One budget a line:
//   CATEGORY|ITEM|AMOUNT
// ITEM is empty for the category's own budget; AMOUNT is "%5.2f" decimal text (" 4.00",
// "400.00"). An item name never holds "|" but a category name may, so a line is split at its
// last two "|". Lines end in "\n"; a "\r" before it is taken away on reading.
//
// The budgets of `text`, in file order. A line of another shape, an amount that is no
// whole decimal number or not above 0, or a second budget of the same category or item
// fails the whole file (kCorruption), naming the line: "line 3: ...".
Result<std::vector<Budget>> ParseBudgetFile(std::string_view text);
// The file's bytes for `budgets`, in the order given; empty for none.
std::string FormatBudgetFile(const std::vector<Budget>& budgets);

// The name of a budget in the user's words: "Food", or "Bread of Food" for an item's.
std::string BudgetName(const Budget& budget);

// A month key as people say it: "December 2026" for "2026 December"; other text as it is.
std::string MonthInWords(const std::string& month_key);

// The notice of a budget gone over: "Food is over its budget for December 2026: 412.30 of
// 400.00". `month_key` is a key of the months index ("2026 December").
std::string OverBudgetText(const Budget& budget, const std::string& month_key, Cents spent);

}  // namespace kestrune
