#pragma once

#include <string>

namespace kestrune {

// The text a selection string holds when nothing is selected at its level. It is stored and
// compared as text, so it survives in the settings like any name.
inline constexpr const char* kNothingSelected = "NULL";

// The texts of the fixed tree nodes.
inline constexpr const char* kCategoryStatisticsNode = "Category's statistics";
inline constexpr const char* kItemStatisticsNode = "Item's statistics";
inline constexpr const char* kPersonStatisticsNode = "Person's statistics";
inline constexpr const char* kMonthStatisticsNode = "Statistics by months";

// What the main view shows and how: the selection in the navigation tree and the display
// options. The members keep the names the settings, the tree rules and the view decision
// are written in, so the three read alike.
struct ViewState {
  // Selection strings; "NULL" when nothing is selected at that level.
  std::string selectedCategory;
  std::string selectedItem;
  std::string selectedPerson;
  std::string selectedPersonMenu;
  std::string selectedPersonMenuChild;
  std::string selectedStatisticType;
  std::string selectedStatisticMenu;
  std::string selectedStatisticMenuChild;
  std::string selectedMonth;

  int monthFilter = 2;           // 1 all months, 2 only the month of the month chooser
  int totalsChart = 1;          // totals charts: 1 bar, 2 pie, 3 3D bar, 4 3D pie
  int monthsChart = 2;    // month charts: 1 line, 2 stacked bar, 3 3D line, 4 3D stacked bar
  int itemView = 1;       // an item node: 1 its page, 2 its statistics, 3 its months chart
  int statisticView = 1;  // the checked statistics command: 1 categories ... 4 by months
  bool showAllMonths = true;
  int monthsShown = 1;  // the months a month chart shows when showAllMonths is off
  std::string currency;
  bool smallCategoryIcons = false;  // small icons in the folder bar's three folders
  bool smallPersonIcons = false;
  bool smallStatisticsIcons = false;

  // Not kept between runs: 1 a category node, 2 an item node of the Categories folder,
  // 3 the Persons folder, 4 the Statistics folder.
  int nodeKind = 1;
};

}  // namespace kestrune
