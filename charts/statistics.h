#pragma once

#include <optional>

#include "charts/chart_ctrl.h"
#include "charts/statistics_input.h"
#include "database/expense_database.h"

namespace kestrune::charts {

// The statistics the main view can show. Totals statistics have one series (named with the
// month key of the month filter, or "all months") and take their style from `Chart`;
// statistics by months have one series per month shown and take their style from
// `month_Chart`. Wherever a person's amount is shown it includes an equal share of what was
// bought "for all" (none when the catalogue has no persons). Each member names the selection
// strings it reads.
enum class Statistic {
  // An item node: its persons ("Person's statictics"), by months, and the item alone by
  // months in one green. Read SelectedCat and SelectedItem.
  kItemPersons,
  kItemPersonsByMonths,
  kItemByMonths,
  // A category of the household's item statistics: its persons ("Person's statictics").
  // Reads SelectedStatisticMenu.
  kCategoryPersons,
  kCategoryPersonsByMonths,
  // An item of the household's item statistics: its persons ("Persons statictics"). Reads
  // SelectedStatisticMenu and SelectedStatisticMenuChild.
  kHouseholdItemPersons,
  kHouseholdItemPersonsByMonths,
  // Every person over all categories ("Persons statictics"). Reads nothing.
  kPersons,
  kPersonsByMonths,
  // A person's categories ("Category's statictics"). Reads SelectedPerson.
  kPersonCategories,
  kPersonCategoriesByMonths,
  // A person's categories in the month SelectedPersonMenuChild, whatever the month filter.
  // Reads SelectedPerson and SelectedPersonMenuChild.
  kPersonCategoriesInMonth,
  // A person of the household's person statistics: the categories ("Category's
  // statictics"). Reads SelectedStatisticMenu.
  kHouseholdPersonCategories,
  kHouseholdPersonCategoriesByMonths,
  // A person's items of the category SelectedPersonMenuChild ("Item's statictics"). Reads
  // SelectedPerson and SelectedPersonMenuChild.
  kPersonItems,
  kPersonItemsByMonths,
  // Every category ("Category's statictics"). Reads nothing.
  kCategories,
  kCategoriesByMonths,
  // The items of the category SelectedStatisticMenu ("Items statictics").
  kCategoryItems,
  kCategoryItemsByMonths,
  // All expenses by months: one series without a name, one bar or slice per month shown,
  // styled by `Chart`. Reads nothing.
  kMonths,
};

// Whether the statistic is drawn in a style of `month_Chart` (the others use `Chart`).
bool IsByMonths(Statistic statistic);

// The graph type of a `Chart` setting (1 bar, 2 pie, 3 3D bar, 4 3D pie) or of a
// `month_Chart` setting (1 line, 2 stacked bar, 3 3D line, 4 3D stacked bar); none for any
// other setting.
std::optional<int> TotalsGraphType(int chart_setting);
std::optional<int> MonthsGraphType(int month_chart_setting);

// Builds the statistic from the catalogue and the data files, with the selection, filter and
// limit of `input`. Nothing when the statistic's chart-type setting is not 1 to 4: no chart
// is made and no file is read. The names selected are assumed to exist (unknown ones read as
// empty). A month chooser position outside the months array counts as no month chosen (all
// months). `failure` (optional) gets the first data file that could not be read, or ok.
std::optional<ChartCtrl> BuildStatistic(ExpenseDatabase& db, Statistic statistic,
                                        const StatisticsInput& input, Status* failure = nullptr);

}  // namespace kestrune::charts
