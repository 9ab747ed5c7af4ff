#include "shell/settings_mapping.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

using testing::MapSettingsStore;

std::string Stored(const MapSettingsStore& store, const std::string& section,
                   const std::string& key) {
  const auto found = store.values.find({section, key});
  return found == store.values.end() ? "<absent>" : found->second;
}

// The preferences file holds words, not numbers: what a user or an older file wrote.
TEST(SettingsMapping, AChosenViewIsStoredInItsWordsAndComesBack) {
  MapSettingsStore store;
  ViewState state;
  state.monthFilter = MonthFilter::AllMonths;
  state.totalsChart = charts::ChartStyle::kPie3d;
  state.monthsChart = charts::ChartStyle::kLine3d;
  state.statisticView = StatisticView::Items;
  state.itemView = ItemView::Statistics;
  state.smallCategoryIcons = true;
  state.showAllMonths = false;
  state.monthsShown = 6;
  state.currency = "EUR";
  state.selectedCategory = "Food";
  state.selectedMonth = "2024 March";
  SaveSettings(store, state);
  const std::map<std::pair<std::string, std::string>, std::string> words = {
      {{"Config", "Show"}, "ALL"},
      {{"Config", "Chart"}, "DPIE"},
      {{"Config", "month_Chart"}, "DLINE"},
      {{"Status", "StatisticView"}, "ITEMS"},
      {{"Status", "ItemView"}, "STATISTICS"},
      {{"Config", "IsSmallCat"}, "true"},
      {{"Config", "IsSmallPers"}, "false"},
      {{"Config", "ShowAllMonths"}, "FALSE"},
      {{"Config", "MonthsNum"}, "6"},
      {{"Config", "Currency"}, "EUR"},
      {{"Status", "SelectedCat"}, "Food"},
      {{"Status", "SelectedItem"}, "NULL"},  // nothing selected
      {{"Status", "SelectedStatisticType"}, "NULL"},
      {{"Status", "SelectedMonth"}, "2024 March"}};
  for (const auto& [key, word] : words) EXPECT_EQ(Stored(store, key.first, key.second), word);
  EXPECT_EQ(store.values.size(), 20u);  // every key of the table, nothing else

  ViewState read;
  LoadSettings(store, read);
  EXPECT_EQ(std::tie(read.monthFilter, read.totalsChart, read.monthsChart, read.statisticView,
                     read.itemView),
            std::tie(state.monthFilter, state.totalsChart, state.monthsChart, state.statisticView,
                     state.itemView));
  EXPECT_TRUE(read.smallCategoryIcons && !read.smallPersonIcons && !read.showAllMonths);
  EXPECT_EQ(read.monthsShown, 6);
  EXPECT_EQ(read.currency + "|" + read.selectedCategory + "|" + read.selectedItem + "|" +
                read.selectedMonth,
            "EUR|Food||2024 March");
}

// A first start, and words the program does not know, give the defaults.
TEST(SettingsMapping, EmptyOrUnknownValuesGiveTheDefaults) {
  MapSettingsStore store;
  ViewState state;
  state.totalsChart = charts::ChartStyle::kPie3d;  // whatever was there before is replaced
  state.nodeKind = NodeKind::Persons;              // not a setting: stays
  LoadSettings(store, state);
  EXPECT_EQ(state.totalsChart, charts::ChartStyle::kBar);
  EXPECT_EQ(state.nodeKind, NodeKind::Persons);
  store.values[{"Config", "Show"}] = "month";  // the words are case-sensitive
  store.values[{"Config", "Chart"}] = "PIES";
  store.values[{"Config", "IsSmallCat"}] = "TRUE";
  store.values[{"Config", "ShowAllMonths"}] = "false";  // only "FALSE" turns it off
  store.values[{"Status", "StatisticView"}] = "ITEM";   // the tree's key, not the setting's
  store.values[{"Status", "ItemView"}] = "";
  LoadSettings(store, state);
  const ViewState defaults;
  EXPECT_EQ(std::tie(state.monthFilter, state.totalsChart, state.monthsChart, state.statisticView,
                     state.itemView),
            std::tie(defaults.monthFilter, defaults.totalsChart, defaults.monthsChart,
                     defaults.statisticView, defaults.itemView));
  // The stored months chart word never turns into a totals style.
  store.values[{"Config", "month_Chart"}] = "BAR";
  LoadSettings(store, state);
  EXPECT_EQ(state.monthsChart, charts::ChartStyle::kStackedBar);
  EXPECT_FALSE(state.smallCategoryIcons || state.smallPersonIcons || state.smallStatisticsIcons);
  EXPECT_TRUE(state.showAllMonths);
  EXPECT_EQ(state.selectedCategory + state.selectedMonth + state.currency, "");
  // The months count is at least one, and is stored so.
  for (const char* stored : {"0", "-3", "many", ""}) {
    store.values[{"Config", "MonthsNum"}] = stored;
    LoadSettings(store, state);
    EXPECT_EQ(state.monthsShown, 1) << stored;
    SaveSettings(store, state);
    EXPECT_EQ(Stored(store, "Config", "MonthsNum"), "1") << stored;
  }
}

}  // namespace
}  // namespace kestrune
