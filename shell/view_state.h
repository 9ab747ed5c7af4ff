#pragma once

#include <string>

#include "charts/statistics_request.h"

namespace kestrune {

// The texts of the fixed tree nodes.
inline constexpr const char* kCategoryStatisticsNode = "Category's statistics";
inline constexpr const char* kItemStatisticsNode = "Item's statistics";
inline constexpr const char* kPersonStatisticsNode = "Person's statistics";
inline constexpr const char* kMonthStatisticsNode = "Statistics by months";
// Under each category of "Category's statistics": its spending by months against its budget.
inline constexpr const char* kBudgetChartNode = "Budget and spending by months";

// Whether pages and charts cover every month or only the month of the month chooser.
enum class MonthFilter { AllMonths, OneMonth };
// What an item node of the Categories folder shows: its page, its persons chart, or its
// chart by months.
enum class ItemView { List, Persons, Statistics };
// The statistics command checked in the View menu.
enum class StatisticView { Categories, Items, Persons, Months };
// What the tree's current folder and node are: a category node, an item node of the
// Categories folder, the Persons folder, the Statistics folder. It picks the item toolbar's
// buttons.
enum class NodeKind { Category, Item, Persons, Statistics };

// What the main view shows and how: the selection in the navigation tree and the display
// options.
struct ViewState {
  // Selection strings; empty when nothing is selected at that level, so any name, "NULL"
  // too, is a name.
  std::string selectedCategory;
  std::string selectedItem;
  std::string selectedPerson;
  std::string selectedPersonMenu;
  std::string selectedPersonMenuChild;
  std::string selectedStatisticType;
  std::string selectedStatisticMenu;
  std::string selectedStatisticMenuChild;
  std::string selectedMonth;

  MonthFilter monthFilter = MonthFilter::OneMonth;
  charts::ChartStyle totalsChart = charts::ChartStyle::kBar;  // one of the four totals styles
  charts::ChartStyle monthsChart = charts::ChartStyle::kStackedBar;  // one of the four by months
  ItemView itemView = ItemView::List;
  StatisticView statisticView = StatisticView::Categories;
  bool showAllMonths = true;
  int monthsShown = 1;  // the months a month chart shows when showAllMonths is off
  std::string currency;
  bool smallCategoryIcons = false;  // small icons in the folder bar's three folders
  bool smallPersonIcons = false;
  bool smallStatisticsIcons = false;

  NodeKind nodeKind = NodeKind::Category;  // not kept between runs
};

}  // namespace kestrune
