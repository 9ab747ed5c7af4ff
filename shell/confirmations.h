#pragma once

#include <string>

#include "database/expense_database.h"

namespace kestrune {

// A Yes/No question asked before something is deleted. Yes is the default answer, Escape
// answers No. `text` is the question itself; `detail`, shown beneath it, names what the
// answer acts on.
struct Confirmation {
  const char* title;
  const char* text;
  std::string detail;
};

inline const Confirmation kConfirmDeleteCategory{"Delete category",
                                                 "Are you sure to delete this category?", ""};
inline const Confirmation kConfirmDeleteItem{"Delete item", "Are you sure to delete this item?",
                                             ""};
inline const Confirmation kConfirmDeletePerson{"Delete person",
                                               "Are you sure to delete this person?", ""};
inline const Confirmation kConfirmDeletePurchase{"Delete purchase",
                                                 "Are you sure to delete this purchase?", ""};
inline const Confirmation kConfirmDeleteMonth{"Delete month", "Are you sure to delete this month?",
                                              ""};

// The questions with what they act on. Counting a person's purchases reads the purchase
// lists through the database's queries (which repair missing files as they always do).
Confirmation ConfirmCategoryDeletion(const ExpenseDatabase& db, const std::string& category);
Confirmation ConfirmItemDeletion(const std::string& category, const std::string& item);
Confirmation ConfirmPersonDeletion(const ExpenseDatabase& db, const std::string& person);
// `line` is a stored purchase line ("year|month|day|person|information|sum").
Confirmation ConfirmPurchaseDeletion(const std::string& category, const std::string& item,
                                     const std::string& line);
Confirmation ConfirmMonthDeletion(const std::string& month_key);

}  // namespace kestrune
