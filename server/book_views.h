#pragma once

#include <string>
#include <utility>
#include <vector>

#include "database/amounts.h"
#include "database/expense_database.h"
#include "database/status.h"

namespace kestrune::server {

// One purchase of the book, with where it is kept.
struct ListedPurchase {
  std::string category;
  std::string item;
  std::string line;  // as the item file holds it
  PurchaseRecord purchase;
};

// The newest purchases of the book, at most `count`: whole months are read newest first
// until enough are found, then ordered by date, newest first (the item file's order within
// a day). Reads only; a file that cannot be read fails the list.
[[nodiscard]] Status NewestPurchases(const ExpenseDatabase& db, size_t count,
                                     std::vector<ListedPurchase>& listed);

// One month's totals by category and by person ("for all" last), from the category files.
struct MonthTotals {
  std::string month_key;
  std::vector<std::pair<std::string, Cents>> by_category;
  std::vector<std::pair<std::string, Cents>> by_person;
  Cents total = 0;
};
[[nodiscard]] Status TotalsOfMonth(const ExpenseDatabase& db, const std::string& month_key,
                                   MonthTotals& totals);

// The month key of `year` and `month` (1 ... 12), and of the month before it.
std::string MonthKeyOf(int year, int month);
std::string MonthKeyBefore(int year, int month);

}  // namespace kestrune::server
