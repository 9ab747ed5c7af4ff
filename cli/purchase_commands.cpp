// record, delete-purchase, delete-month, delete-all-purchases, clear.
#include <CLI/CLI.hpp>
#include <array>
#include <charconv>
#include <chrono>
#include <iostream>
#include <memory>

#include "cli/cli_run.h"
#include "cli/command_support.h"
#include "database/amounts.h"
#include "database/month_keys.h"
#include "database/sections.h"
#include "database/validation.h"

namespace kestrune::cli {
namespace {

struct RecordArgs {
  std::string category, item, date, person, sum, information;
};

std::string TwoDigits(unsigned value) {
  return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

// The record's date fields ("%Y", "%B", "%d") from YYYY-MM-DD; nothing for a bad date.
std::optional<PurchaseRecord> DateFields(const std::string& date) {
  int year = 0;
  unsigned month = 0, day = 0;
  if (date.size() != 10 || date[4] != '-' || date[7] != '-') return std::nullopt;
  const char* text = date.data();
  if (std::from_chars(text, text + 4, year).ptr != text + 4 ||
      std::from_chars(text + 5, text + 7, month).ptr != text + 7 ||
      std::from_chars(text + 8, text + 10, day).ptr != text + 10) {
    return std::nullopt;
  }
  const std::chrono::year_month_day ymd{std::chrono::year{year}, std::chrono::month{month},
                                        std::chrono::day{day}};
  if (!ymd.ok() || year < 1000) return std::nullopt;
  PurchaseRecord record;
  record.year = date.substr(0, 4);
  record.month = std::string(MonthName(static_cast<int>(month)));
  record.day = TwoDigits(day);
  return record;
}

int Record(ExpenseDatabase& db, const RecordArgs& args) {
  if (const int refused = RequireItem(db, args.category, args.item)) return refused;
  std::optional<PurchaseRecord> record = DateFields(args.date);
  if (!record) return Refuse("Invalid date: " + args.date + " (use YYYY-MM-DD)");
  if (args.person != kForAll) {
    if (const int refused = RequirePerson(db, args.person)) return refused;
  }
  // The command line reads sums the same in every locale: "," and "." are both decimal marks.
  const SumEntry sum = CheckTypedSum(args.sum, "", "Please type purchase summ.");
  if (!sum.status.ok()) return Refuse(sum.status);
  if (args.information.find_first_of("\r\n|") != std::string::npos) {
    return Refuse("Invalid purchase information: one line, without \"|\"");
  }
  record->person = args.person;
  record->information = args.information;
  record->sum = FormatFileCents(sum.sum);
  if (const int failed = Reported(db.RecordPurchase(args.category, args.item, *record))) {
    return failed;
  }
  // Told on standard error only: the purchase is recorded and the status stays 0.
  Result<std::vector<std::string>> notices =
      db.OverBudgetNotices(args.category, args.item, *record);
  if (!notices.ok()) std::cerr << notices.status.message() << "\n";
  for (const std::string& notice : notices.value) std::cerr << notice << "\n";
  return kExitOk;
}

int DeletePurchase(ExpenseDatabase& db, const std::string& category, const std::string& item,
                   const std::string& line) {
  if (const int refused = RequireItem(db, category, item)) return refused;
  std::vector<PurchaseRecord> purchases;
  if (const int failed =
          Reported(db.ItemPurchases(std::string(kAllMonths), category, item, purchases))) {
    return failed;
  }
  const PurchaseRecord wanted = ParsePurchaseLine(line);
  if (std::find(purchases.begin(), purchases.end(), wanted) == purchases.end()) {
    return Refuse("No such purchase: " + line);
  }
  return Reported(db.DeletePurchase(category, item, line));
}

int DeleteMonth(ExpenseDatabase& db, const std::string& key) {
  const std::vector<std::string> months = db.GetMonths();
  if (std::find(months.begin(), months.end(), key) == months.end()) {
    return Refuse("Unknown month: " + key);
  }
  return Reported(db.DeleteMonth(key));
}

// Sets `run.action` to run `body` on the loaded database.
template <typename Body>
void Act(CliRun& run, Body body) {
  run.action = [body](CliRun& r) { return WithDatabase(r.workdir, body); };
}

void AddRecordCommand(CLI::App& app, CliRun& run) {
  auto args = std::make_shared<RecordArgs>();
  auto* sub = app.add_subcommand("record", "record a purchase");
  sub->add_option("CATEGORY", args->category)->required();
  sub->add_option("ITEM", args->item)->required();
  sub->add_option("DATE", args->date, "YYYY-MM-DD")->required();
  sub->add_option("PERSON", args->person, "a person of the catalogue or \"for all\"")->required();
  sub->add_option("SUM", args->sum, "a number greater than 0, \"12.50\" or \"12,50\"")->required();
  sub->add_option("INFO", args->information, "a note on one line");
  sub->callback(
      [&run, args] { Act(run, [args](ExpenseDatabase& db) { return Record(db, *args); }); });
}

void AddDeleteCommands(CLI::App& app, CliRun& run) {
  auto names = std::make_shared<std::array<std::string, 3>>();
  auto* purchase = app.add_subcommand("delete-purchase", "delete one purchase of an item");
  purchase->add_option("CATEGORY", (*names)[0])->required();
  purchase->add_option("ITEM", (*names)[1])->required();
  purchase->add_option("LINE", (*names)[2], "the line as 'purchases' prints it")->required();
  purchase->callback([&run, names] {
    Act(run, [names](ExpenseDatabase& db) {
      return DeletePurchase(db, (*names)[0], (*names)[1], (*names)[2]);
    });
  });
  auto key = std::make_shared<std::string>();
  auto* month = app.add_subcommand("delete-month", "take a month out of every total");
  month->add_option("KEY", *key, "a month key such as \"2004 January\"")->required();
  month->callback(
      [&run, key] { Act(run, [key](ExpenseDatabase& db) { return DeleteMonth(db, *key); }); });
  app.add_subcommand("delete-all-purchases", "empty every total and purchase list")
      ->callback([&run] {
        Act(run, [](ExpenseDatabase& db) { return Reported(db.DeleteAllPurchases()); });
      });
  app.add_subcommand("clear", "delete every category, item and person from the book")
      ->callback(
          [&run] { Act(run, [](ExpenseDatabase& db) { return Reported(db.ClearDatabase()); }); });
}

}  // namespace

void AddPurchaseCommands(CLI::App& app, CliRun& run) {
  AddRecordCommand(app, run);
  AddDeleteCommands(app, run);
}

}  // namespace kestrune::cli
