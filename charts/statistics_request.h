#pragma once

#include <optional>
#include <string>

#include "database/month_keys.h"

namespace kestrune::charts {

// The statistics of the expense book. Totals statistics have one series, named with the
// request's month key ("all months" for the grand total); statistics by months have one
// series per month shown. Wherever a person's amount is shown it includes an equal share of
// what was bought "for all" (none when the catalogue has no persons). Each member names the
// request's names it reads.
enum class Statistic {
  // An item's persons ("Person's statictics"), by months, and the item alone by months in
  // one green. Read category and item.
  kItemPersons,
  kItemPersonsByMonths,
  kItemByMonths,
  // A category's persons ("Person's statictics"). Read category.
  kCategoryPersons,
  kCategoryPersonsByMonths,
  // An item's persons as the household's item statistics title them ("Persons
  // statictics"). Read category and item.
  kHouseholdItemPersons,
  kHouseholdItemPersonsByMonths,
  // Every person over all categories ("Persons statictics"). Read nothing.
  kPersons,
  kPersonsByMonths,
  // A person's categories ("Category's statictics"). Read person.
  kPersonCategories,
  kPersonCategoriesByMonths,
  // A person's categories in the month of the request's month key. Reads person.
  kPersonCategoriesInMonth,
  // A person's categories, as the household's person statistics show them. Read person.
  kHouseholdPersonCategories,
  kHouseholdPersonCategoriesByMonths,
  // A person's items of a category ("Item's statictics"). Read person and category.
  kPersonItems,
  kPersonItemsByMonths,
  // Every category ("Category's statictics"). Read nothing.
  kCategories,
  kCategoriesByMonths,
  // The items of a category ("Items statictics"). Read category.
  kCategoryItems,
  kCategoryItemsByMonths,
  // All expenses by months: one series without a name, one bar or slice per month shown,
  // drawn in a totals style. Reads nothing.
  kMonths,
  // A category's spending in each month shown, one bar a month (newest first, as kMonths),
  // with its monthly budget as a line across at the same height for every month ("Budget
  // and spending by months"); no line when it has no budget. Reads category and, when not
  // empty, item: then that item's spending and budget. Drawn in kBar only. The shell asks
  // for it with statistic = kBudgetByMonths, category (and item), style = kBar and
  // months_shown as for kMonths.
  kBudgetByMonths,
};

// The styles a chart is drawn in: the first four are the totals styles (kMonths takes them
// too), the last four the styles of statistics by months.
enum class ChartStyle { kBar, kPie, kBar3d, kPie3d, kLine, kStackedBar, kLine3d, kStackedBar3d };

// What to draw: a statistic, the names it reads, its month and its style.
struct StatisticsRequest {
  Statistic statistic = Statistic::kCategories;
  std::string category;
  std::string item;
  std::string person;
  // The month of a totals statistic, a key of the book's months or "all months"; the month
  // of kPersonCategoriesInMonth.
  std::string month_key = std::string(kAllMonths);
  ChartStyle style = ChartStyle::kBar;
  // Statistics by months, kMonths and kBudgetByMonths: only the newest months, none below 1;
  // every month
  // when empty.
  std::optional<int> months_shown;
};

// Whether the statistic has one series per month and is drawn in a style by months.
bool IsByMonths(Statistic statistic);

// Whether `style` is one of the statistic's styles (totals or by months); a value outside
// the eight styles suits none.
bool StyleSuits(ChartStyle style, Statistic statistic);

// The style a first start shows: bar for totals statistics, stacked bar by months.
ChartStyle DefaultStyle(Statistic statistic);

}  // namespace kestrune::charts
