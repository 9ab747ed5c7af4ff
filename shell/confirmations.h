#pragma once

#include <QtGlobal>
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

// The texts are marked for translation and translated where they are shown.
inline const Confirmation kConfirmDeleteCategory{
    QT_TRANSLATE_NOOP("Kestrune", "Delete category"),
    QT_TRANSLATE_NOOP("Kestrune", "Are you sure to delete this category?"), ""};
inline const Confirmation kConfirmDeleteItem{
    QT_TRANSLATE_NOOP("Kestrune", "Delete item"),
    QT_TRANSLATE_NOOP("Kestrune", "Are you sure to delete this item?"), ""};
inline const Confirmation kConfirmDeletePerson{
    QT_TRANSLATE_NOOP("Kestrune", "Delete person"),
    QT_TRANSLATE_NOOP("Kestrune", "Are you sure to delete this person?"), ""};
inline const Confirmation kConfirmDeletePurchase{
    QT_TRANSLATE_NOOP("Kestrune", "Delete purchase"),
    QT_TRANSLATE_NOOP("Kestrune", "Are you sure to delete this purchase?"), ""};
inline const Confirmation kConfirmDeleteMonth{
    QT_TRANSLATE_NOOP("Kestrune", "Delete month"),
    QT_TRANSLATE_NOOP("Kestrune", "Are you sure to delete this month?"), ""};

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
