#include "charts/statistics.h"

#include <algorithm>

#include "charts/chart_arithmetic.h"
#include "charts/colour.h"
#include "charts/graph_type.h"
#include "charts/person_shares.h"
#include "charts/statistic_kinds.h"
#include "database/month_keys.h"

namespace kestrune::charts {
namespace {

// The titles, spelt as the program has always shown them.
constexpr const char* kPersonTitle = "Person's statictics";
constexpr const char* kPersonsTitle = "Persons statictics";
constexpr const char* kCategoryTitle = "Category's statictics";
constexpr const char* kItemTitle = "Item's statictics";
constexpr const char* kItemsTitle = "Items statictics";
constexpr const char* kBudgetTitle = "Budget and spending by months";

// The item alone by months has one colour of its own, under the spare label's key.
constexpr int kItemAloneSpareKey = 1;
constexpr Colour kItemAloneColour = Rgb(0, 192, 0);

// A query's amount for drawing; the first file that cannot be read fails the chart.
double Units(FirstFailure& reads, Result<Cents> amount) {
  return CentsToUnits(reads.Take(std::move(amount)));
}

// The entities of a statistic and their values for a month key. The values read the files
// afresh at every call.
struct Source {
  std::vector<std::string> entities;
  MonthValues values;
};

Source PersonsOfItem(ExpenseDatabase& db, FirstFailure& reads, const std::string& category,
                     const std::string& item) {
  const std::vector<std::string> persons = db.GetPersonNames();
  return {persons, [&db, &reads, persons, category, item](const std::string& key) {
            PersonTotals totals = EveryoneAtZero(persons);
            reads.Keep(db.ItemPersonTotals(key, category, item, totals));
            return SharesOf(totals, persons);
          }};
}

Source PersonsOfCategory(ExpenseDatabase& db, FirstFailure& reads, const std::string& category) {
  const std::vector<std::string> persons = db.GetPersonNames();
  return {persons, [&db, &reads, persons, category](const std::string& key) {
            PersonTotals totals = EveryoneAtZero(persons);
            reads.Keep(db.CategoryPersonTotals(key, category, totals));
            return SharesOf(totals, persons);
          }};
}

// Each person's shares summed over every category.
Source PersonsOverall(ExpenseDatabase& db, FirstFailure& reads) {
  const std::vector<std::string> persons = db.GetPersonNames();
  return {persons, [&db, &reads, persons](const std::string& key) {
            std::vector<double> sums(persons.size(), 0.0);
            for (const std::string& category : db.GetCategoryNames()) {
              PersonTotals totals = EveryoneAtZero(persons);
              reads.Keep(db.CategoryPersonTotals(key, category, totals));
              const std::vector<double> shares = SharesOf(totals, persons);
              for (std::size_t i = 0; i < sums.size(); ++i) sums[i] += shares[i];
            }
            return sums;
          }};
}

Source CategoriesOfPerson(ExpenseDatabase& db, FirstFailure& reads, const std::string& person) {
  const std::vector<std::string> persons = db.GetPersonNames();
  const std::vector<std::string> categories = db.GetCategoryNames();
  return {categories, [&db, &reads, persons, categories, person](const std::string& key) {
            std::vector<double> values;
            for (const std::string& category : categories) {
              PersonTotals totals = EveryoneAtZero(persons);
              reads.Keep(db.CategoryPersonTotals(key, category, totals));
              values.push_back(ShareOf(totals, person, persons.size()));
            }
            return values;
          }};
}

Source ItemsOfPerson(ExpenseDatabase& db, FirstFailure& reads, const std::string& person,
                     const std::string& category) {
  const std::vector<std::string> persons = db.GetPersonNames();
  const std::vector<std::string> items = db.GetItemNames(category);
  return {items, [&db, &reads, persons, items, person, category](const std::string& key) {
            std::vector<double> values;
            for (const std::string& item : items) {
              PersonTotals totals = EveryoneAtZero(persons);
              reads.Keep(db.ItemPersonTotals(key, category, item, totals));
              values.push_back(ShareOf(totals, person, persons.size()));
            }
            return values;
          }};
}

Source Categories(ExpenseDatabase& db, FirstFailure& reads) {
  const std::vector<std::string> categories = db.GetCategoryNames();
  return {categories, [&db, &reads, categories](const std::string& key) {
            std::vector<double> values;
            for (const std::string& category : categories) {
              values.push_back(Units(reads, db.CategoryMonthTotal(key, category)));
            }
            return values;
          }};
}

Source ItemsOfCategory(ExpenseDatabase& db, FirstFailure& reads, const std::string& category) {
  const std::vector<std::string> items = db.GetItemNames(category);
  return {items, [&db, &reads, items, category](const std::string& key) {
            std::vector<double> values;
            for (const std::string& item : items) {
              values.push_back(Units(reads, db.ItemMonthTotal(key, category, item)));
            }
            return values;
          }};
}

Source ItemAlone(ExpenseDatabase& db, FirstFailure& reads, const std::string& category,
                 const std::string& item) {
  return {{item}, [&db, &reads, category, item](const std::string& key) {
            return std::vector<double>{Units(reads, db.ItemMonthTotal(key, category, item))};
          }};
}

// The source of every statistic but kMonths, whose entities are the months themselves.
Source SourceOf(ExpenseDatabase& db, FirstFailure& reads, const StatisticsRequest& r) {
  switch (r.statistic) {
    case Statistic::kItemPersons:
    case Statistic::kItemPersonsByMonths:
    case Statistic::kHouseholdItemPersons:
    case Statistic::kHouseholdItemPersonsByMonths:
      return PersonsOfItem(db, reads, r.category, r.item);
    case Statistic::kItemByMonths:
      return ItemAlone(db, reads, r.category, r.item);
    case Statistic::kCategoryPersons:
    case Statistic::kCategoryPersonsByMonths:
      return PersonsOfCategory(db, reads, r.category);
    case Statistic::kPersons:
    case Statistic::kPersonsByMonths:
      return PersonsOverall(db, reads);
    case Statistic::kPersonCategories:
    case Statistic::kPersonCategoriesByMonths:
    case Statistic::kPersonCategoriesInMonth:
    case Statistic::kHouseholdPersonCategories:
    case Statistic::kHouseholdPersonCategoriesByMonths:
      return CategoriesOfPerson(db, reads, r.person);
    case Statistic::kPersonItems:
    case Statistic::kPersonItemsByMonths:
      return ItemsOfPerson(db, reads, r.person, r.category);
    case Statistic::kCategories:
    case Statistic::kCategoriesByMonths:
      return Categories(db, reads);
    case Statistic::kCategoryItems:
    case Statistic::kCategoryItemsByMonths:
      return ItemsOfCategory(db, reads, r.category);
    case Statistic::kMonths:
    case Statistic::kBudgetByMonths:
      break;
  }
  return {};
}

// The title of a totals statistic.
const char* TotalsTitle(Statistic statistic) {
  switch (statistic) {
    case Statistic::kItemPersons:
    case Statistic::kCategoryPersons:
      return kPersonTitle;
    case Statistic::kHouseholdItemPersons:
    case Statistic::kPersons:
      return kPersonsTitle;
    case Statistic::kPersonItems:
      return kItemTitle;
    case Statistic::kCategoryItems:
      return kItemsTitle;
    default:
      return kCategoryTitle;
  }
}

// The months a chart by months shows.
std::vector<std::string> LimitedMonths(const ExpenseDatabase& db, const StatisticsRequest& r) {
  return MonthsShown(db.GetMonths(), r.months_shown);
}

// The graph type of each style (one of the eight), in the order of ChartStyle.
int GraphTypeOf(ChartStyle style) {
  static constexpr int kTypes[] = {kBarChart,  kPieChart,        kBarChart3d,  kPieChart3d,
                                   kLineGraph, kStackedBarChart, kLineGraph3d, kStackedBarChart3d};
  return kTypes[static_cast<int>(style)];
}

bool IsByMonthsStyle(ChartStyle style) {
  return static_cast<int>(style) >= 4;
}

ChartCtrl TotalsChart(int type, const char* title, const Source& source, const std::string& key) {
  ChartCtrl chart = StartChart(type, title, "", source.entities);
  AddTotalsSeries(chart, key, source.values(key));
  chart.AddStandardColours(static_cast<int>(source.entities.size()));
  return chart;
}

ChartCtrl ByMonthsChart(int type, Statistic statistic, const Source& source,
                        const std::vector<std::string>& months) {
  const bool alone = statistic == Statistic::kItemByMonths;
  ChartCtrl chart = StartChart(type, kMonthsTitle, kMonthsAxisTitle, source.entities,
                               alone ? kItemAloneSpareKey : kSpareLabelKey);
  AddMonthSeries(chart, months, source.values);
  if (alone) {
    chart.AddColour(kItemAloneSpareKey, kItemAloneColour);
  } else {
    chart.AddStandardColours(static_cast<int>(source.entities.size()));
  }
  return chart;
}

// All expenses by months: every month is labelled, only the months shown get a point.
ChartCtrl MonthsChart(int type, ExpenseDatabase& db, FirstFailure& reads,
                      const StatisticsRequest& request) {
  const std::vector<std::string> months = db.GetMonths();
  const std::vector<std::string> categories = db.GetCategoryNames();
  std::vector<double> sums;
  for (const std::string& month : LimitedMonths(db, request)) {
    double sum = 0.0;
    for (const std::string& category : categories) {
      sum += Units(reads, db.CategoryMonthTotal(month, category));
    }
    sums.push_back(sum);
  }
  ChartCtrl chart = StartChart(type, kMonthsTitle, "", months);
  AddTotalsSeries(chart, "", sums);
  chart.AddStandardColours(static_cast<int>(months.size()));
  return chart;
}

// A category's (or item's) spending of each month shown, with its budget as a level line.
// Every month is labelled, as in MonthsChart; the scale holds the line too.
ChartCtrl BudgetChart(int type, ExpenseDatabase& db, FirstFailure& reads,
                      const StatisticsRequest& r) {
  const std::vector<std::string> months = db.GetMonths();
  std::vector<double> spent;
  double largest = 0.0;
  for (const std::string& month : LimitedMonths(db, r)) {
    spent.push_back(Units(reads, r.item.empty() ? db.CategoryMonthTotal(month, r.category)
                                                : db.ItemMonthTotal(month, r.category, r.item)));
    largest = std::max(largest, spent.back());
  }
  ChartCtrl chart = StartChart(type, kBudgetTitle, kMonthsAxisTitle, months);
  AddTotalsSeries(chart, r.item.empty() ? r.category : r.item, spent);
  chart.AddStandardColours(static_cast<int>(months.size()));
  const std::optional<Cents> budget = reads.Take(db.BudgetOf(r.category, r.item));
  if (!budget) return chart;
  const double units = ChartValue(CentsToUnits(*budget));
  ScaleRaiser().Offer(chart, ChartValue(std::max(largest, units)));
  chart.SetLevelLine({Truncate(units), "Budget " + FormatShownCents(*budget)});
  return chart;
}

}  // namespace

bool IsByMonths(Statistic statistic) {
  switch (statistic) {
    case Statistic::kItemPersonsByMonths:
    case Statistic::kItemByMonths:
    case Statistic::kCategoryPersonsByMonths:
    case Statistic::kHouseholdItemPersonsByMonths:
    case Statistic::kPersonsByMonths:
    case Statistic::kPersonCategoriesByMonths:
    case Statistic::kHouseholdPersonCategoriesByMonths:
    case Statistic::kPersonItemsByMonths:
    case Statistic::kCategoriesByMonths:
    case Statistic::kCategoryItemsByMonths:
      return true;
    default:
      return false;
  }
}

bool StyleSuits(ChartStyle style, Statistic statistic) {
  // A value cast from outside the eight styles suits nothing: it has no graph type.
  const int index = static_cast<int>(style);
  if (index < 0 || index > static_cast<int>(ChartStyle::kStackedBar3d)) return false;
  // Only the flat bar chart draws the budget's line.
  if (statistic == Statistic::kBudgetByMonths) return style == ChartStyle::kBar;
  return IsByMonthsStyle(style) == IsByMonths(statistic);
}

ChartStyle DefaultStyle(Statistic statistic) {
  return IsByMonths(statistic) ? ChartStyle::kStackedBar : ChartStyle::kBar;
}

bool NamesKnown(const ExpenseDatabase& db, const StatisticsRequest& request) {
  switch (request.statistic) {
    case Statistic::kItemPersons:
    case Statistic::kItemPersonsByMonths:
    case Statistic::kItemByMonths:
    case Statistic::kHouseholdItemPersons:
    case Statistic::kHouseholdItemPersonsByMonths:
      return db.ItemExists(request.category, request.item);
    case Statistic::kCategoryPersons:
    case Statistic::kCategoryPersonsByMonths:
      return db.CategoryExists(request.category);
    case Statistic::kBudgetByMonths:
      return request.item.empty() ? db.CategoryExists(request.category)
                                  : db.ItemExists(request.category, request.item);
    default:
      return true;
  }
}

std::optional<ChartCtrl> BuildStatistic(ExpenseDatabase& db, const StatisticsRequest& request,
                                        Status* failure) {
  if (!StyleSuits(request.style, request.statistic) || !NamesKnown(db, request)) {
    return std::nullopt;
  }
  const int type = GraphTypeOf(request.style);
  // Charts by months ask each file once per month shown: parse it once.
  const ExpenseDatabase::ReadSession session(db);
  FirstFailure reads;
  std::optional<ChartCtrl> chart;
  if (request.statistic == Statistic::kMonths) {
    chart = MonthsChart(type, db, reads, request);
  } else if (request.statistic == Statistic::kBudgetByMonths) {
    chart = BudgetChart(type, db, reads, request);
  } else if (const Source source = SourceOf(db, reads, request); IsByMonths(request.statistic)) {
    chart = ByMonthsChart(type, request.statistic, source, LimitedMonths(db, request));
  } else {
    chart = TotalsChart(type, TotalsTitle(request.statistic), source, request.month_key);
  }
  if (failure != nullptr) *failure = reads.status();
  return chart;
}

}  // namespace kestrune::charts
