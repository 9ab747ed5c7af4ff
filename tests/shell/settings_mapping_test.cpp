#include "shell/settings_mapping.h"

#include <gtest/gtest.h>

#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

using testing::MapSettingsStore;

std::string Stored(const MapSettingsStore& store, const std::string& section,
                   const std::string& key) {
  const auto found = store.values.find({section, key});
  return found == store.values.end() ? "<absent>" : found->second;
}

TEST(SettingsMapping, FirstStartWithAnEmptyStoreGivesTheDefaults) {
  MapSettingsStore store;
  ViewState state;
  state.Show = 1;  // whatever was there before is replaced
  state.Chart = 4;
  LoadSettings(store, state);
  EXPECT_EQ(state.Show, 2);
  EXPECT_EQ(state.Chart, 1);
  EXPECT_EQ(state.month_Chart, 2);
  EXPECT_EQ(state.ItemView, 1);
  EXPECT_EQ(state.StatisticView, 1);
  EXPECT_TRUE(state.ShowAllMonths);
  EXPECT_EQ(state.MonthsNum, 1);
  EXPECT_EQ(state.Currency, "");
  EXPECT_FALSE(state.IsSmallCat || state.IsSmallPers || state.IsSmallStat);
  EXPECT_EQ(state.SelectedCat, "");
  EXPECT_EQ(state.SelectedStatisticMenuChild, "");
  EXPECT_EQ(state.SelectedMonth, "");
}

TEST(SettingsMapping, WritesTheExactWordsAndCase) {
  MapSettingsStore store;
  ViewState state;
  state.Show = 1;
  state.Chart = 3;
  state.month_Chart = 4;
  state.IsSmallCat = true;
  state.StatisticView = 2;
  state.ItemView = 3;
  state.ShowAllMonths = false;
  state.MonthsNum = 6;
  state.Currency = "EUR";
  state.SelectedCat = "Food";
  state.SelectedItem = "NULL";
  state.SelectedMonth = "2024 March";
  SaveSettings(store, state);
  EXPECT_EQ(Stored(store, "Config", "Show"), "ALL");
  EXPECT_EQ(Stored(store, "Config", "Chart"), "DBAR");
  EXPECT_EQ(Stored(store, "Config", "month_Chart"), "DSTACKED");
  EXPECT_EQ(Stored(store, "Config", "IsSmallCat"), "true");
  EXPECT_EQ(Stored(store, "Config", "IsSmallPers"), "false");
  EXPECT_EQ(Stored(store, "Status", "StatisticView"), "ITEMS");
  EXPECT_EQ(Stored(store, "Status", "ItemView"), "STATISTICS");
  EXPECT_EQ(Stored(store, "Config", "ShowAllMonths"), "FALSE");
  EXPECT_EQ(Stored(store, "Config", "MonthsNum"), "6");
  EXPECT_EQ(Stored(store, "Config", "Currency"), "EUR");
  EXPECT_EQ(Stored(store, "Status", "SelectedCat"), "Food");
  EXPECT_EQ(Stored(store, "Status", "SelectedItem"), "NULL");
  EXPECT_EQ(Stored(store, "Status", "SelectedMonth"), "2024 March");
  EXPECT_EQ(store.values.size(), 20u);  // every key of the table, nothing else

  ViewState read;
  LoadSettings(store, read);
  EXPECT_EQ(read.Show, 1);
  EXPECT_EQ(read.Chart, 3);
  EXPECT_EQ(read.month_Chart, 4);
  EXPECT_TRUE(read.IsSmallCat);
  EXPECT_FALSE(read.IsSmallPers);
  EXPECT_EQ(read.StatisticView, 2);
  EXPECT_EQ(read.ItemView, 3);
  EXPECT_FALSE(read.ShowAllMonths);
  EXPECT_EQ(read.MonthsNum, 6);
  EXPECT_EQ(read.SelectedCat, "Food");
  EXPECT_EQ(read.SelectedMonth, "2024 March");
}

TEST(SettingsMapping, EveryWordOfEachEnumerationReadsBack) {
  for (int value = 1; value <= 4; ++value) {
    MapSettingsStore store;
    ViewState state;
    state.Chart = value;
    state.month_Chart = value;
    state.StatisticView = value;
    state.ItemView = value <= 3 ? value : 1;
    state.Show = value <= 2 ? value : 2;
    SaveSettings(store, state);
    ViewState read;
    LoadSettings(store, read);
    EXPECT_EQ(read.Chart, value);
    EXPECT_EQ(read.month_Chart, value);
    EXPECT_EQ(read.StatisticView, value);
    EXPECT_EQ(read.ItemView, state.ItemView);
    EXPECT_EQ(read.Show, state.Show);
  }
}

TEST(SettingsMapping, UnknownTextsKeepTheDefaults) {
  MapSettingsStore store;
  store.values[{"Config", "Show"}] = "month";  // the words are case-sensitive
  store.values[{"Config", "Chart"}] = "PIES";
  store.values[{"Config", "IsSmallCat"}] = "TRUE";
  store.values[{"Config", "ShowAllMonths"}] = "false";  // only "FALSE" turns it off
  store.values[{"Status", "StatisticView"}] = "ITEM";   // the tree's key, not the setting's
  store.values[{"Status", "ItemView"}] = "";
  ViewState state;
  LoadSettings(store, state);
  EXPECT_EQ(state.Show, 2);
  EXPECT_EQ(state.Chart, 1);
  EXPECT_FALSE(state.IsSmallCat);
  EXPECT_TRUE(state.ShowAllMonths);
  EXPECT_EQ(state.StatisticView, 1);
  EXPECT_EQ(state.ItemView, 1);
}

TEST(SettingsMapping, MonthsNumIsAtLeastOne) {
  for (const char* stored : {"0", "-3", "many", ""}) {
    MapSettingsStore store;
    store.values[{"Config", "MonthsNum"}] = stored;
    ViewState state;
    LoadSettings(store, state);
    EXPECT_EQ(state.MonthsNum, 1) << stored;
    SaveSettings(store, state);
    EXPECT_EQ(Stored(store, "Config", "MonthsNum"), "1") << stored;
  }
}

TEST(SettingsMapping, LeavesNodeKindAlone) {
  MapSettingsStore store;
  ViewState state;
  state.NodeKind = 3;
  LoadSettings(store, state);
  EXPECT_EQ(state.NodeKind, 3);
}

}  // namespace
}  // namespace kestrune
