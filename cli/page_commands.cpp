// page category | item | person | person-items | item-statistics: writes a report page.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>

#include "cli/cli_run.h"
#include "cli/command_output.h"
#include "cli/command_support.h"
#include "database/month_keys.h"
#include "pages/page_assets.h"
#include "pages/page_writers.h"

namespace kestrune::cli {
namespace {

enum class PageKind { kCategory, kItem, kPerson, kPersonItems, kItemStatistics };

struct PageArgs {
  PageKind kind = PageKind::kItemStatistics;
  std::string first;   // the category or the person
  std::string second;  // the item
  std::string month{kAllMonths};
  std::optional<std::string> currency;
  std::string output;  // empty: the page file of the working folder; "-": standard output
};

// The month filter the pages take: the key's position in the months array, -1 for all.
int MonthPosition(const ExpenseDatabase& db, const std::string& month, int& position) {
  position = -1;
  if (month == kAllMonths) return kExitOk;
  const std::vector<std::string> months = db.GetMonths();
  const auto found = std::find(months.begin(), months.end(), month);
  if (found == months.end()) return Refuse("Unknown month: " + month);
  position = static_cast<int>(found - months.begin());
  return kExitOk;
}

// Refuses names the catalogue does not hold: a page of them would show nothing.
int CheckNames(const ExpenseDatabase& db, const PageArgs& args) {
  switch (args.kind) {
    case PageKind::kCategory:
      return RequireCategory(db, args.first);
    case PageKind::kItem:
      return RequireItem(db, args.first, args.second);
    case PageKind::kPerson:
    case PageKind::kPersonItems:
      return RequirePerson(db, args.first);
    case PageKind::kItemStatistics:
      return kExitOk;
  }
  return kExitOk;
}

Result<std::string> BuildPage(const ExpenseDatabase& db, const PageArgs& args, int position) {
  switch (args.kind) {
    case PageKind::kCategory:
      return CategoryPageText(db, args.first, position);
    case PageKind::kItem:
      return ItemPageText(db, args.first, args.second, position);
    case PageKind::kPerson:
      return PersonPageText(db, args.first, position);
    case PageKind::kPersonItems:
      return PersonItemsPageText(db, args.first, position);
    case PageKind::kItemStatistics:
      return ItemStatisticsPageText(db, position);
  }
  return {};
}

// Writes the page to the file the user named and, beside it, the style sheet and images it
// lacks.
int WritePage(const std::string& path, const std::string& page) {
  PosixFileSystem fs;
  if (const int failed = Reported(WriteNamedPageFile(fs, path, page))) return failed;
  std::string folder = std::filesystem::path(path).parent_path().string();
  if (folder.empty()) folder = ".";
  return Reported(InstallPageAssets(fs, folder));
}

// Writes the page file of the working folder, replaced as the program replaces it.
int WriteWorkingPage(const std::string& workdir, const std::string& page) {
  PosixFileSystem fs;
  if (const int failed = Reported(WritePageFile(fs, workdir + "/data/temp.tmp", page))) {
    return failed;
  }
  return Reported(InstallPageAssets(fs, workdir + "/data"));
}

// The page is handed out only once it was built without a failure.
int RunPage(CliRun& run, const PageArgs& args) {
  std::string page;
  const int status = WithDatabase(run.workdir, Access::kRead, [&](ExpenseDatabase& db) {
    int position = -1;
    if (const int refused = MonthPosition(db, args.month, position)) return refused;
    if (const int refused = CheckNames(db, args)) return refused;
    if (args.currency) db.set_currency(*args.currency);
    Result<std::string> built = BuildPage(db, args, position);
    page = std::move(built.value);
    return Reported(built.status);
  });
  if (status != kExitOk) return status;
  if (args.output == "-") return PrintOutput(page);
  return args.output.empty() ? WriteWorkingPage(run.workdir, page) : WritePage(args.output, page);
}

void AddPageKind(CLI::App& page, CliRun& run, const std::shared_ptr<PageArgs>& args,
                 const char* name, const char* help, PageKind kind,
                 std::initializer_list<const char*> operands) {
  auto* sub = page.add_subcommand(name, help);
  std::string* fields[] = {&args->first, &args->second};
  int at = 0;
  for (const char* operand : operands) sub->add_option(operand, *fields[at++])->required();
  sub->callback([&run, args, kind] {
    args->kind = kind;
    run.action = [args](CliRun& r) { return RunPage(r, *args); };
  });
}

}  // namespace

void AddPageCommands(CLI::App& app, CliRun& run) {
  auto args = std::make_shared<PageArgs>();
  auto* page = app.add_subcommand(
      "page", "write a report page, with its style sheet and images beside it when missing");
  page->require_subcommand(1);
  // The options may stand before or after the page's own arguments.
  page->fallthrough();
  page->add_option("--month", args->month, "a month key such as \"2004 January\"")
      ->capture_default_str();
  page->add_option("--currency", args->currency, "the text shown after every amount");
  page->add_option("-o,--output", args->output, "the file to write; - for standard output");
  AddPageKind(*page, run, args, "category", "one category with its items", PageKind::kCategory,
              {"CATEGORY"});
  AddPageKind(*page, run, args, "item", "one item with its purchases", PageKind::kItem,
              {"CATEGORY", "ITEM"});
  AddPageKind(*page, run, args, "person", "what a person spent per category", PageKind::kPerson,
              {"PERSON"});
  AddPageKind(*page, run, args, "person-items", "what a person spent per item",
              PageKind::kPersonItems, {"PERSON"});
  AddPageKind(*page, run, args, "item-statistics", "every item with its total",
              PageKind::kItemStatistics, {});
}

}  // namespace kestrune::cli
