// chart STATISTIC [ARGS]: draws one statistic of the database into a PNG or SVG file, or
// prints the filled chart (--describe) or its drawing calls (--trace).
#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <iostream>
#include <memory>
#include <optional>

#include "charts/chart_description.h"
#include "charts/statistics.h"
#include "cli/chart_output.h"
#include "cli/cli_run.h"
#include "cli/command_output.h"
#include "cli/command_support.h"
#include "database/month_keys.h"

namespace kestrune::cli {
namespace {

using charts::ChartStyle;
using charts::Statistic;
using charts::StatisticsRequest;

// What an argument names, so that it is checked before a query could create files for it.
enum class Names { kCategory, kItem, kPerson, kMonth };

struct Argument {
  const char* name;  // as the help shows it
  Names names;
  std::string StatisticsRequest::*field;  // the request's name it gives
};

constexpr Argument kCategory{"CAT", Names::kCategory, &StatisticsRequest::category};
constexpr Argument kItem{"ITEM", Names::kItem, &StatisticsRequest::item};
constexpr Argument kPerson{"NAME", Names::kPerson, &StatisticsRequest::person};
constexpr Argument kMonth{"KEY", Names::kMonth, &StatisticsRequest::month_key};

// A statistic as the command line names it.
struct StatisticCommand {
  std::string name;
  Statistic statistic;
  std::vector<Argument> arguments;
  std::string help;
};

// A statistic's totals form (NAME) and its form by months (NAME-by-months); either may be
// missing.
struct StatisticPair {
  const char* name;
  std::vector<Argument> arguments;
  const char* help;
  std::optional<Statistic> totals;
  std::optional<Statistic> by_months;
};

std::vector<StatisticPair> StatisticPairs() {
  using S = Statistic;
  const std::vector<Argument> item = {kCategory, kItem};
  const std::vector<Argument> person_items = {kPerson, kCategory};
  const std::vector<Argument> person_month = {kPerson, kMonth};
  const std::vector<Argument> person = {kPerson};
  const std::vector<Argument> category = {kCategory};
  const std::optional<Statistic> none;
  return {
      {"persons-of-item", item, "each person's share of an item", S::kItemPersons,
       S::kItemPersonsByMonths},
      {"item", item, "an item's totals in one green", none, S::kItemByMonths},
      {"persons-of-category", category, "each person's share of a category", S::kCategoryPersons,
       S::kCategoryPersonsByMonths},
      {"household-persons-of-item", item,
       "each person's share of an item, as the Statistics folder shows it",
       S::kHouseholdItemPersons, S::kHouseholdItemPersonsByMonths},
      {"persons", {}, "each person's share of every category", S::kPersons, S::kPersonsByMonths},
      {"categories-of-person", person, "a person's share of each category", S::kPersonCategories,
       S::kPersonCategoriesByMonths},
      {"categories-of-person-in-month", person_month,
       "a person's share of each category in one month", S::kPersonCategoriesInMonth, none},
      {"household-categories-of-person", person,
       "a person's share of each category, as the Statistics folder shows it",
       S::kHouseholdPersonCategories, S::kHouseholdPersonCategoriesByMonths},
      {"items-of-person", person_items, "a person's share of each item of a category",
       S::kPersonItems, S::kPersonItemsByMonths},
      {"categories", {}, "the total of each category", S::kCategories, S::kCategoriesByMonths},
      {"items-of-category", category, "the total of each item of a category", S::kCategoryItems,
       S::kCategoryItemsByMonths},
      {"months", {}, "all expenses of each month", S::kMonths, none},
      {"budget", category, "a category's spending of each month, its monthly budget a line",
       S::kBudgetByMonths, none},
      {"item-budget", item, "an item's spending of each month, its monthly budget a line",
       S::kBudgetByMonths, none},
  };
}

// The statistics in the order of their help lines, each totals form before its form by
// months.
std::vector<StatisticCommand> StatisticCommands() {
  std::vector<StatisticCommand> commands;
  for (const StatisticPair& pair : StatisticPairs()) {
    if (pair.totals) commands.push_back({pair.name, *pair.totals, pair.arguments, pair.help});
    if (pair.by_months) {
      commands.push_back({std::string(pair.name) + "-by-months", *pair.by_months, pair.arguments,
                          std::string(pair.help) + ", by months"});
    }
  }
  return commands;
}

// A --style and the chart style it names.
struct Style {
  const char* name;
  ChartStyle style;
};

constexpr std::array<Style, 8> kStyles = {{{"bar", ChartStyle::kBar},
                                           {"pie", ChartStyle::kPie},
                                           {"3dbar", ChartStyle::kBar3d},
                                           {"3dpie", ChartStyle::kPie3d},
                                           {"line", ChartStyle::kLine},
                                           {"stacked", ChartStyle::kStackedBar},
                                           {"3dline", ChartStyle::kLine3d},
                                           {"3dstacked", ChartStyle::kStackedBar3d}}};

struct ChartArgs {
  std::string style;
  std::string month;
  int last = 0;  // 0: every month
  std::string size = "800x600";
  std::string output;
  bool describe = false;
  bool trace = false;
};

// Whether the statistic is drawn with the months as its entities.
bool IsOverMonths(Statistic statistic) {
  return statistic == Statistic::kMonths || statistic == Statistic::kBudgetByMonths;
}

bool HasMonthFilter(Statistic statistic) {
  return !charts::IsByMonths(statistic) && !IsOverMonths(statistic) &&
         statistic != Statistic::kPersonCategoriesInMonth;
}

bool HasMonthLimit(Statistic statistic) {
  return charts::IsByMonths(statistic) || IsOverMonths(statistic);
}

// Sets the request's style from --style (the program's defaults, bar and stacked, without
// one).
int ApplyStyle(const StatisticCommand& command, const std::string& style,
               StatisticsRequest& request) {
  request.style = charts::DefaultStyle(command.statistic);
  if (style.empty()) return kExitOk;
  const auto found =
      std::find_if(kStyles.begin(), kStyles.end(), [&](const Style& s) { return style == s.name; });
  if (found == kStyles.end()) return Refuse("Unknown style: " + style);
  const bool by_months = charts::IsByMonths(command.statistic);
  if (command.statistic == Statistic::kBudgetByMonths &&
      !charts::StyleSuits(found->style, command.statistic)) {
    return Refuse("The style " + style + " does not suit " + command.name + ": use bar");
  }
  if (!charts::StyleSuits(found->style, command.statistic)) {
    return Refuse("The style " + style + " does not suit " + command.name +
                  (by_months ? ", a statistic by months: use line, stacked, 3dline or 3dstacked"
                             : ", a totals statistic: use bar, pie, 3dbar or 3dpie"));
  }
  request.style = found->style;
  return kExitOk;
}

// Refuses a month filter or month limit that the statistic does not have.
int CheckMonthOptions(const StatisticCommand& command, const ChartArgs& args) {
  if (!args.month.empty() && !HasMonthFilter(command.statistic)) {
    return Refuse(command.name + " has no month filter: --month applies to the " +
                  "totals statistics (and categories-of-person-in-month names its month)");
  }
  if (args.last > 0 && !HasMonthLimit(command.statistic)) {
    return Refuse(command.name +
                  " shows one series: --last applies to the statistics by months and to months");
  }
  return kExitOk;
}

// Checks one named argument against the catalogue; `category` is the command's category so
// far, for an item.
int CheckName(const ExpenseDatabase& db, Names names, const std::string& value,
              const std::string& category) {
  switch (names) {
    case Names::kCategory:
      return RequireCategory(db, value);
    case Names::kItem:
      return RequireItem(db, category, value);
    case Names::kPerson:
      return RequirePerson(db, value);
    case Names::kMonth: {
      const std::vector<std::string> months = db.GetMonths();
      if (std::find(months.begin(), months.end(), value) != months.end()) return kExitOk;
      return Refuse("Unknown month: " + value + " (kestrune-cli months lists them)");
    }
  }
  return kExitOk;
}

// Checks the statistic's arguments and puts them into the request's names they give.
int SelectNames(const ExpenseDatabase& db, const StatisticCommand& command,
                const std::vector<std::string>& values, StatisticsRequest& request) {
  std::string category;
  for (std::size_t i = 0; i < command.arguments.size(); ++i) {
    const Argument& argument = command.arguments[i];
    if (const int refused = CheckName(db, argument.names, values[i], category)) return refused;
    if (argument.names == Names::kCategory) category = values[i];
    request.*argument.field = values[i];
  }
  return kExitOk;
}

// --month: the month of a totals statistic (all months without one).
int ChooseMonth(const ExpenseDatabase& db, const std::string& month, StatisticsRequest& request) {
  if (month.empty() || month == kAllMonths) return kExitOk;
  if (const int refused = CheckName(db, Names::kMonth, month, "")) return refused;
  request.month_key = month;
  return kExitOk;
}

int HandOut(charts::ChartCtrl& chart, const ChartArgs& args, charts::Size size) {
  if (args.describe) return PrintOutput(charts::DescribeChart(chart));
  if (args.trace) return PrintOutput(ChartTraceText(chart, size));
  return WriteChartImage(chart, size, args.output, *render::ImageFormatFor(args.output));
}

// The usage errors, found before the database is opened.
int CheckUsage(const ChartArgs& args, charts::Size& size) {
  if (!ParseChartSize(args.size, size)) {
    std::cerr << "usage: --size takes WIDTHxHEIGHT, each 1 to " << kLargestChartSide << ": "
              << args.size << "\n";
    return kExitUsage;
  }
  if (args.describe || args.trace) return kExitOk;
  if (args.output.empty()) {
    std::cerr << "usage: chart needs -o FILE.png|FILE.svg, --describe or --trace\n";
    return kExitUsage;
  }
  if (!render::ImageFormatFor(args.output)) {
    std::cerr << "usage: the output file must end in .png or .svg: " << args.output << "\n";
    return kExitUsage;
  }
  return kExitOk;
}

int RunChart(CliRun& run, const StatisticCommand& command, const std::vector<std::string>& values,
             const ChartArgs& args) {
  charts::Size size;
  if (const int status = CheckUsage(args, size)) return status;
  StatisticsRequest request;
  request.statistic = command.statistic;
  if (const int refused = ApplyStyle(command, args.style, request)) return refused;
  if (const int refused = CheckMonthOptions(command, args)) return refused;
  if (args.last > 0) request.months_shown = args.last;
  // The chart is handed out only once it was built without a failure.
  std::optional<charts::ChartCtrl> chart;
  const int status = WithDatabase(run.workdir, Access::kRead, [&](ExpenseDatabase& db) {
    if (const int refused = SelectNames(db, command, values, request)) return refused;
    if (const int refused = ChooseMonth(db, args.month, request)) return refused;
    Status read = Status::Ok();
    chart = charts::BuildStatistic(db, request, &read);
    return Reported(read);
  });
  return status == kExitOk ? HandOut(*chart, args, size) : status;
}

void AddChartOptions(CLI::App& chart, ChartArgs& args) {
  std::vector<std::string> styles;
  for (const Style& style : kStyles) styles.emplace_back(style.name);
  chart
      .add_option("--style", args.style,
                  "bar, pie, 3dbar or 3dpie for totals statistics (bar when not given); line, "
                  "stacked, 3dline or 3dstacked for statistics by months (stacked)")
      ->check(CLI::IsMember(styles));
  chart.add_option("--month", args.month,
                   "the month of a totals statistic, a key such as \"2004 January\" (all months "
                   "when not given)");
  chart
      .add_option("--last", args.last, "show only the N newest months (every month when not given)")
      ->check(CLI::PositiveNumber);
  chart.add_option("--size", args.size, "drawing size WIDTHxHEIGHT")->capture_default_str();
  auto* output =
      chart.add_option("-o,--output", args.output, "write the chart to FILE.png or FILE.svg");
  auto* describe =
      chart.add_flag("--describe", args.describe, "print the filled chart as text instead");
  auto* trace =
      chart.add_flag("--trace", args.trace, "print every drawing call, one a line, instead");
  output->excludes(describe, trace);
  describe->excludes(trace);
}

void AddStatistic(CLI::App& chart, CliRun& run, const std::shared_ptr<ChartArgs>& args,
                  const StatisticCommand& command) {
  std::string usage;
  for (const Argument& argument : command.arguments) {
    usage += (usage.empty() ? "" : " ") + std::string(argument.name);
  }
  auto* sub =
      chart.add_subcommand(command.name, usage + (usage.empty() ? "" : ": ") + command.help);
  auto values = std::make_shared<std::vector<std::string>>(command.arguments.size());
  for (std::size_t i = 0; i < command.arguments.size(); ++i) {
    sub->add_option(command.arguments[i].name, (*values)[i])->required();
  }
  sub->callback([&run, args, values, command] {
    run.action = [args, values, command](CliRun& r) {
      return RunChart(r, command, *values, *args);
    };
  });
}

}  // namespace

void AddChartCommands(CLI::App& app, CliRun& run) {
  auto args = std::make_shared<ChartArgs>();
  auto* chart = app.add_subcommand(
      "chart", "draw a statistic of the expense book (chart --help lists the statistics)");
  chart->require_subcommand(1);
  chart->footer(
      "Totals statistics take the styles bar, pie, 3dbar and 3dpie and --month; the statistics "
      "by months (item-by-months and the ...-by-months ones) take line, stacked, 3dline and "
      "3dstacked and --last; months takes a totals style and --last.");
  // The options may also follow the statistic and its arguments.
  chart->fallthrough();
  AddChartOptions(*chart, *args);
  for (const StatisticCommand& command : StatisticCommands()) {
    AddStatistic(*chart, run, args, command);
  }
}

}  // namespace kestrune::cli
