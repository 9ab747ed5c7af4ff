#include "database/budget_file.h"

#include <set>
#include <utility>

#include "database/month_keys.h"
#include "database/text_lines.h"
#include "database/validation.h"

namespace kestrune {
namespace {

Status LineFault(std::size_t number, const std::string& why) {
  return Status::Corruption("line " + std::to_string(number) + ": " + why);
}

// One line's budget, or why the line is none.
Result<Budget> ParseLine(std::string_view line, std::size_t number) {
  const std::size_t last = line.rfind('|');
  const std::size_t middle = last == std::string_view::npos || last == 0
                                 ? std::string_view::npos
                                 : line.rfind('|', last - 1);
  if (middle == std::string_view::npos) {
    return Failed<Budget>(LineFault(number, "not CATEGORY|ITEM|AMOUNT"));
  }
  Budget budget{std::string(line.substr(0, middle)),
                std::string(line.substr(middle + 1, last - middle - 1)), 0};
  if (budget.category.empty()) return Failed<Budget>(LineFault(number, "no category"));
  const std::string_view amount = line.substr(last + 1);
  const std::optional<Cents> cents = ReadWholeCents(amount);
  if (!cents || *cents <= 0 || *cents > kLargestSum) {
    return Failed<Budget>(
        LineFault(number, "the amount \"" + std::string(amount) + "\" is no number above 0"));
  }
  budget.amount = *cents;
  return {std::move(budget)};
}

}  // namespace

Result<std::vector<Budget>> ParseBudgetFile(std::string_view text) {
  std::vector<Budget> budgets;
  std::set<std::pair<std::string, std::string>> seen;
  const std::vector<std::string> lines = SplitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // A blank line (one an editor leaves at the end) holds nothing to lose.
    if (lines[i].empty()) continue;
    Result<Budget> budget = ParseLine(lines[i], i + 1);
    if (!budget.ok()) return Failed<std::vector<Budget>>(std::move(budget.status));
    if (!seen.emplace(budget.value.category, budget.value.item).second) {
      return Failed<std::vector<Budget>>(
          LineFault(i + 1, "a second budget of " + BudgetName(budget.value)));
    }
    budgets.push_back(std::move(budget.value));
  }
  return {std::move(budgets)};
}

std::string FormatBudgetFile(const std::vector<Budget>& budgets) {
  std::string out;
  for (const Budget& budget : budgets) {
    out += budget.category + "|" + budget.item + "|" + FormatFileCents(budget.amount) + "\n";
  }
  return out;
}

std::string BudgetName(const Budget& budget) {
  return budget.item.empty() ? budget.category : budget.item + " of " + budget.category;
}

std::string MonthInWords(const std::string& month_key) {
  if (!IsMonthKey(month_key)) return month_key;
  return month_key.substr(5) + " " + month_key.substr(0, 4);
}

std::string OverBudgetText(const Budget& budget, const std::string& month_key, Cents spent) {
  return BudgetName(budget) + " is over its budget for " + MonthInWords(month_key) + ": " +
         FormatShownCents(spent) + " of " + FormatShownCents(budget.amount);
}

}  // namespace kestrune
