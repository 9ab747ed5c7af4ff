#pragma once

#include <optional>
#include <string>

#include "database/budget_file.h"
#include "database/result.h"

namespace kestrune {

// The line a category page shows under its total when a month is chosen and the category has
// a budget: the budget, what was spent and what is left (or how far it is over), as text and
// as a bar drawn in CSS alone, filled to the share spent (at most the whole bar; red when
// over, green otherwise). `name` and `month_key` are escaped; amounts carry `currency`.
// Empty when there is no budget; a budget file that cannot be read shows its message
// instead. Markup only: it closes no element it did not open.
std::string BudgetLine(const std::string& currency, const std::string& name,
                       const std::string& month_key, const Result<std::optional<BudgetUse>>& use);

}  // namespace kestrune
