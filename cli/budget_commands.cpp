// budget: set, clear and list the book's monthly budgets.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/cli_run.h"
#include "cli/command_support.h"
#include "database/amounts.h"
#include "database/budget_file.h"
#include "database/validation.h"

namespace kestrune::cli {
namespace {

struct BudgetArgs {
  std::vector<std::string> words;  // CATEGORY [ITEM] [AMOUNT]
  bool clear = false;
  bool list = false;
};

int Usage(const std::string& message) {
  std::cerr << message << "\nUsage: budget CATEGORY [ITEM] AMOUNT|--clear, or budget --list\n";
  return kExitUsage;
}

int List(ExpenseDatabase& db) {
  Result<std::vector<Budget>> budgets = db.Budgets();
  if (!budgets.ok()) return Reported(budgets.status);
  for (const Budget& budget : budgets.value) {
    std::cout << budget.category << (budget.item.empty() ? "" : "|" + budget.item) << "|"
              << FormatShownCents(budget.amount) << "\n";
  }
  return kExitOk;
}

// A refusal of the request is status 1; a budget file that cannot be changed is status 3.
int Changed(const Status& status) {
  return status.IsNotFound() || status.IsInvalidArgument() ? Refuse(status) : Reported(status);
}

int Clear(ExpenseDatabase& db, const std::string& category, const std::string& item) {
  return Changed(db.ClearBudget(category, item));
}

int Set(ExpenseDatabase& db, const std::string& category, const std::string& item,
        const std::string& typed) {
  if (const int refused =
          item.empty() ? RequireCategory(db, category) : RequireItem(db, category, item)) {
    return refused;
  }
  // As for purchase sums, "," and "." are both decimal marks on the command line.
  const SumEntry amount = CheckTypedSum(typed, "", kBudgetNotPositive);
  if (!amount.status.ok()) return Refuse(amount.status);
  return Changed(db.SetBudget(category, item, amount.sum));
}

int Run(const std::string& workdir, const BudgetArgs& args) {
  const std::vector<std::string>& w = args.words;
  if (args.list) {
    if (args.clear || !w.empty()) return Usage("budget --list takes nothing else");
    return WithDatabase(workdir, Access::kRead, [](ExpenseDatabase& db) { return List(db); });
  }
  if (args.clear) {
    if (w.empty() || w.size() > 2) return Usage("budget --clear needs CATEGORY [ITEM]");
    const std::string item = w.size() == 2 ? w[1] : "";
    return WithDatabase(workdir, [&](ExpenseDatabase& db) { return Clear(db, w[0], item); });
  }
  if (w.size() < 2 || w.size() > 3) return Usage("budget needs CATEGORY [ITEM] AMOUNT");
  const std::string item = w.size() == 3 ? w[1] : "";
  return WithDatabase(workdir, [&](ExpenseDatabase& db) { return Set(db, w[0], item, w.back()); });
}

}  // namespace

void AddBudgetCommands(CLI::App& app, CliRun& run) {
  auto args = std::make_shared<BudgetArgs>();
  auto* sub = app.add_subcommand("budget",
                                 "set, clear or list the monthly budgets of categories and items");
  sub->add_option("CATEGORY ITEM AMOUNT", args->words,
                  "the category, its item for an item's budget, and the monthly amount");
  sub->add_flag("--clear", args->clear, "take the budget away");
  sub->add_flag("--list", args->list, "print every budget: CATEGORY|AMOUNT, CATEGORY|ITEM|AMOUNT");
  sub->callback([&run, args] { run.action = [args](CliRun& r) { return Run(r.workdir, *args); }; });
}

}  // namespace kestrune::cli
