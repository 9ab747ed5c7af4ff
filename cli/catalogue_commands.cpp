// init, categories, items, persons, months, total, person-totals, purchases.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/cli_run.h"
#include "cli/command_output.h"
#include "cli/command_support.h"
#include "database/amounts.h"
#include "database/database_folder.h"
#include "database/month_keys.h"
#include "database/sections.h"

namespace kestrune::cli {
namespace {

struct QueryArgs {
  std::string category;
  std::string item;
  std::string month{kAllMonths};
};

std::string Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

// Sets `run.action` to print the lines `list` gives for the loaded database.
template <typename List>
void ListCommand(CliRun& run, List list) {
  run.action = [list](CliRun& r) {
    return QueryDatabase(r.workdir, [&](ExpenseDatabase& db, std::string& out) {
      out = Lines(list(db));
      return kExitOk;
    });
  };
}

// Checks what a query names before it reads: an unknown name is refused, not read as empty.
int CheckQuery(const ExpenseDatabase& db, const QueryArgs& args, bool item_required) {
  if (args.month != kAllMonths && !IsMonthKey(args.month)) {
    return Refuse("Invalid month: " + args.month + " (a key like 2004 January, or all months)");
  }
  if (item_required || !args.item.empty()) return RequireItem(db, args.category, args.item);
  return RequireCategory(db, args.category);
}

int RunInit(CliRun& run) {
  const std::string folder = DatabaseFolderOf(run.workdir);
  PosixFileSystem fs;
  Status created = CreateEmptyDatabase(fs, folder);
  if (!created.ok()) {
    std::cerr << created.message() << "\n";
    return kExitDatabase;
  }
  // A working folder gone from beneath the process has no absolute name: the path as given.
  std::error_code error;
  const std::filesystem::path shown = std::filesystem::absolute(folder, error);
  std::cout << "Database in " << (error ? folder : shown.lexically_normal().string()) << "\n";
  return kExitOk;
}

int RunTotal(CliRun& run, const QueryArgs& args) {
  return QueryDatabase(run.workdir, [&](ExpenseDatabase& db, std::string& out) {
    if (const int refused = CheckQuery(db, args, false)) return refused;
    const Result<Cents> total = args.item.empty()
                                    ? db.CategoryMonthTotal(args.month, args.category)
                                    : db.ItemMonthTotal(args.month, args.category, args.item);
    out = FormatShownCents(total.value) + "\n";
    return Reported(total.status);
  });
}

int RunPersonTotals(CliRun& run, const QueryArgs& args) {
  return QueryDatabase(run.workdir, [&](ExpenseDatabase& db, std::string& out) {
    if (const int refused = CheckQuery(db, args, false)) return refused;
    PersonTotals totals;
    std::vector<std::string> persons = db.GetPersonNames();
    persons.push_back(kForAll);
    for (const std::string& person : persons) totals[person] = 0;
    const Status read = args.item.empty()
                            ? db.CategoryPersonTotals(args.month, args.category, totals)
                            : db.ItemPersonTotals(args.month, args.category, args.item, totals);
    for (const std::string& person : persons) {
      out += person + "\t" + FormatShownCents(totals[person]) + "\n";
    }
    return Reported(read);
  });
}

int RunPurchases(CliRun& run, const QueryArgs& args) {
  return QueryDatabase(run.workdir, [&](ExpenseDatabase& db, std::string& out) {
    if (const int refused = CheckQuery(db, args, true)) return refused;
    std::vector<PurchaseRecord> purchases;
    const Status read = db.ItemPurchases(args.month, args.category, args.item, purchases);
    for (const PurchaseRecord& purchase : purchases) out += FormatPurchaseLine(purchase) + "\n";
    return Reported(read);
  });
}

void AddListCommands(CLI::App& app, CliRun& run) {
  app.add_subcommand("init", "create an empty database where none exists")->callback([&run] {
    run.action = RunInit;
  });
  app.add_subcommand("categories", "list the categories")->callback([&run] {
    ListCommand(run, [](ExpenseDatabase& db) { return db.GetCategoryNames(); });
  });
  auto category = std::make_shared<std::string>();
  auto* items = app.add_subcommand("items", "list the items of a category");
  items->add_option("CATEGORY", *category)->required();
  items->callback([&run, category] {
    run.action = [category](CliRun& r) {
      return QueryDatabase(r.workdir, [&](ExpenseDatabase& db, std::string& out) {
        if (const int refused = RequireCategory(db, *category)) return refused;
        out = Lines(db.GetItemNames(*category));
        return kExitOk;
      });
    };
  });
  app.add_subcommand("persons", "list the persons")->callback([&run] {
    ListCommand(run, [](ExpenseDatabase& db) { return db.GetPersonNames(); });
  });
  app.add_subcommand("months", "list the months with purchases, newest first")->callback([&run] {
    ListCommand(run, [](ExpenseDatabase& db) { return db.GetMonths(); });
  });
}

// Adds a query subcommand taking CATEGORY [ITEM] [--month KEY].
void AddQueryCommand(CLI::App& app, CliRun& run, const char* name, const char* help,
                     bool item_required, int (*body)(CliRun&, const QueryArgs&)) {
  auto args = std::make_shared<QueryArgs>();
  auto* sub = app.add_subcommand(name, help);
  sub->add_option("CATEGORY", args->category)->required();
  sub->add_option("ITEM", args->item)->required(item_required);
  sub->add_option("--month", args->month, "a month key such as \"2004 January\"")
      ->capture_default_str();
  sub->callback(
      [&run, args, body] { run.action = [args, body](CliRun& r) { return body(r, *args); }; });
}

}  // namespace

void AddCatalogueCommands(CLI::App& app, CliRun& run) {
  AddListCommands(app, run);
  AddQueryCommand(app, run, "total", "the total of a category or an item", false, RunTotal);
  AddQueryCommand(app, run, "person-totals", "each person's total of a category or an item", false,
                  RunPersonTotals);
  AddQueryCommand(app, run, "purchases",
                  "the purchase lines of an item, last recorded or edited first", true,
                  RunPurchases);
}

}  // namespace kestrune::cli
