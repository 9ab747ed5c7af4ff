// export csv, export journal, import csv.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/cli_run.h"
#include "cli/command_output.h"
#include "cli/command_support.h"
#include "database/book_export.h"
#include "database/book_import.h"
#include "database/month_keys.h"

namespace kestrune::cli {
namespace {

constexpr std::size_t kRefusalsShown = 50;

struct ExportArgs {
  std::string month{kAllMonths};
  std::string output;
};

struct ImportArgs {
  std::string file;
  bool dry_run = false;
  std::vector<std::string> maps;
  std::string item;
  ImportOptions options;
};

// Writes the text to the file (replaced whole, never half written) or standard output.
int Deliver(const std::string& text, const std::string& output) {
  if (output.empty()) return PrintOutput(text);
  PosixFileSystem disk;
  const Status written = disk.WriteFile(output, text);
  if (written.ok()) return kExitOk;
  std::cerr << written.message() << "\n";
  return kExitDatabase;
}

int RunExport(CliRun& run, const ExportArgs& args, bool journal) {
  if (args.month != kAllMonths && !IsMonthKey(args.month)) {
    return Refuse("Invalid month: " + args.month + " (a key like 2004 January, or all months)");
  }
  std::string text;
  const int status = WithDatabase(run.workdir, Access::kRead, [&](ExpenseDatabase& db) {
    Result<std::vector<BookPurchase>> rows = PurchasesToExport(db, args.month);
    text = journal ? PurchasesJournal(rows.value) : PurchasesCsv(rows.value);
    return Reported(rows.status);
  });
  return status == kExitOk ? Deliver(text, args.output) : status;
}

// Reads --map and --item into the options; a refusal's message, or empty.
std::string ReadChoices(ImportArgs& args) {
  for (const std::string& map : args.maps) {
    const std::size_t equals = map.rfind('=');
    const std::optional<ImportField> field =
        equals == std::string::npos ? std::nullopt : ImportFieldNamed(map.substr(equals + 1));
    if (!field) {
      return "Invalid --map " + map +
             " (COLUMN=FIELD, FIELD one of date, category, item, person, information, sum, none)";
    }
    args.options.mapping.emplace_back(map.substr(0, equals), *field);
  }
  if (args.item.empty()) return {};
  const std::size_t slash = args.item.find('/');
  if (slash == std::string::npos || slash == 0 || slash + 1 == args.item.size()) {
    return "Invalid --item " + args.item + " (CATEGORY/ITEM)";
  }
  args.options.category = args.item.substr(0, slash);
  args.options.item = args.item.substr(slash + 1);
  return {};
}

void PrintPlan(const ImportPlan& plan, const ImportArgs& args) {
  const bool nothing = !plan.refused.empty();
  std::string out = std::string(args.dry_run ? "Would import: " : "Imported: ") +
                    std::to_string(nothing ? 0 : plan.batch.purchases.size()) + "\n";
  out += "Skipped as duplicates: " + std::to_string(plan.duplicates) + "\n";
  if (args.options.negative_expenses) {
    out += "Left out as not expenses: " + std::to_string(plan.not_expenses) + "\n";
  }
  out += "Refused: " + std::to_string(plan.refused.size()) + "\n";
  // A file of the wrong kind refuses every row: the first ones say enough.
  for (std::size_t i = 0; i < plan.refused.size() && i < kRefusalsShown; ++i) {
    out += "Line " + std::to_string(plan.refused[i].line) + ": " + plan.refused[i].reason + "\n";
  }
  if (plan.refused.size() > kRefusalsShown) {
    out += "... and " + std::to_string(plan.refused.size() - kRefusalsShown) + " more\n";
  }
  if (args.dry_run && !nothing) {
    for (const std::string& name : plan.batch.new_categories) out += "New category: " + name + "\n";
    for (const auto& [category, item] : plan.batch.new_items) {
      out += "New item: " + category + "/" + item + "\n";
    }
    for (const std::string& name : plan.batch.new_persons) out += "New person: " + name + "\n";
  }
  std::cout << out << std::flush;
}

int Import(ExpenseDatabase& db, const ImportArgs& args, const std::string& text) {
  Result<ImportPlan> plan = PlanImport(db, text, args.options);
  if (!plan.ok()) {
    return plan.status.IsInvalidArgument() ? Refuse(plan.status) : Reported(plan.status);
  }
  if (!plan.value.refused.empty()) {
    PrintPlan(plan.value, args);
    return Refuse("Nothing imported: " + std::to_string(plan.value.refused.size()) +
                  " rows refused");
  }
  // The whole file is one change, so a write failure leaves the book as it was.
  if (!args.dry_run && !plan.value.batch.purchases.empty()) {
    plan.value.batch.description =
        "Import " + std::to_string(plan.value.batch.purchases.size()) + " purchases from " +
        std::filesystem::path(args.file).filename().string();
    if (const int failed = Reported(db.RecordPurchases(plan.value.batch))) return failed;
  }
  PrintPlan(plan.value, args);
  return kExitOk;
}

int RunImport(CliRun& run, ImportArgs& args) {
  if (const std::string refusal = ReadChoices(args); !refusal.empty()) return Refuse(refusal);
  std::string text;
  PosixFileSystem disk;
  if (const Status read = disk.Read(args.file, text); !read.ok()) return Refuse(read);
  return WithDatabase(run.workdir, args.dry_run ? Access::kReadAsIs : Access::kChange,
                      [&](ExpenseDatabase& db) { return Import(db, args, text); });
}

void AddExportCommands(CLI::App& app, CliRun& run) {
  auto* exporting = app.add_subcommand("export", "write the purchases as CSV or a journal");
  exporting->require_subcommand(1);
  for (const bool journal : {false, true}) {
    auto args = std::make_shared<ExportArgs>();
    auto* sub = exporting->add_subcommand(
        journal ? "journal" : "csv",
        journal ? "a plain-text accounting journal, balanced against Assets:Cash"
                : "one row per purchase: date,category,item,person,information,sum");
    sub->add_option("--month", args->month, "a month key such as \"2004 January\"")
        ->capture_default_str();
    sub->add_option("-o,--output", args->output, "the file to write (standard output if none)");
    sub->callback([&run, args, journal] {
      run.action = [args, journal](CliRun& r) { return RunExport(r, *args, journal); };
    });
  }
}

void AddImportCommand(CLI::App& app, CliRun& run) {
  auto* importing = app.add_subcommand("import", "record the purchases of a CSV file");
  importing->require_subcommand(1);
  auto args = std::make_shared<ImportArgs>();
  auto* sub = importing->add_subcommand("csv", "columns found by their header names");
  sub->add_option("FILE", args->file)->required();
  sub->add_flag("--dry-run", args->dry_run, "print what would happen; write nothing");
  sub->add_flag("--create", args->options.create, "add unknown categories, items and persons");
  sub->add_option("--map", args->maps, "COLUMN=FIELD: the column (header or number) holds FIELD");
  sub->add_option("--date-format", args->options.date_format, "such as %d.%m.%Y (%d %m %Y %y)");
  sub->add_flag("--decimal-comma", args->options.decimal_comma, "\",\" is the decimal mark");
  sub->add_flag("--negative-expenses", args->options.negative_expenses,
                "negative sums are expenses; positive rows are left out");
  sub->add_option("--item", args->item, "CATEGORY/ITEM for rows without category and item");
  sub->callback([&run, args] { run.action = [args](CliRun& r) { return RunImport(r, *args); }; });
}

}  // namespace

void AddExchangeCommands(CLI::App& app, CliRun& run) {
  AddExportCommands(app, run);
  AddImportCommand(app, run);
}

}  // namespace kestrune::cli
