#pragma once

#include <string>
#include <vector>

#include "database/expense_database.h"

namespace kestrune::testing {

// Every total of every item and category file that differs, to the cent, from what the
// purchase lists add up to, one line each (see database/integrity_check.h).
std::vector<std::string> CheckTotals(ExpenseDatabase& db);

}  // namespace kestrune::testing
