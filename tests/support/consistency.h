#pragma once

#include <string>
#include <vector>

#include "database/expense_database.h"

namespace kestrune::testing {

// Recomputes every total of every item and category file from the purchase lists and
// returns one line per amount that differs from what the file holds (to the cent). A
// month with purchases must have its entries; entries of months without any must read 0.
std::vector<std::string> CheckTotals(ExpenseDatabase& db);

}  // namespace kestrune::testing
