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
  state.SelectedCat = "Food";
  state.NodeKind = 3;  // not a setting: stays
  LoadSettings(store, state);
  EXPECT_EQ(state.Show, 2);
  EXPECT_EQ(state.Chart, 1);
  EXPECT_EQ(state.month_Chart, 2);
  EXPECT_EQ(state.ItemView, 1);
  EXPECT_EQ(state.StatisticView, 1);
  EXPECT_TRUE(state.ShowAllMonths);
  EXPECT_EQ(state.MonthsNum, 1);
  EXPECT_FALSE(state.IsSmallCat || state.IsSmallPers || state.IsSmallStat);
  EXPECT_EQ(state.SelectedCat + state.SelectedMonth + state.Currency, "");
  EXPECT_EQ(state.NodeKind, 3);
}

TEST(SettingsMapping, EachValueIsStoredAsItsExactWordAndReadsBack) {
  const struct {
    const char* section;
    const char* key;
    int ViewState::*field;
    std::vector<std::string> words;
  } enumerations[] = {
      {"Config", "Show", &ViewState::Show, {"ALL", "MONTH"}},
      {"Config", "Chart", &ViewState::Chart, {"BAR", "PIE", "DBAR", "DPIE"}},
      {"Config", "month_Chart", &ViewState::month_Chart, {"LINE", "STACKED", "DLINE", "DSTACKED"}},
      {"Status", "StatisticView", &ViewState::StatisticView, {"CAT", "ITEMS", "PERSON", "MONTHS"}},
      {"Status", "ItemView", &ViewState::ItemView, {"LIST", "PERSONS", "STATISTICS"}},
  };
  for (const auto& e : enumerations) {
    for (int value = 1; value <= static_cast<int>(e.words.size()); ++value) {
      MapSettingsStore store;
      ViewState state;
      state.*e.field = value;
      SaveSettings(store, state);
      EXPECT_EQ(Stored(store, e.section, e.key), e.words[static_cast<size_t>(value - 1)]);
      ViewState read;
      LoadSettings(store, read);
      EXPECT_EQ(read.*e.field, value) << e.key;
    }
  }
}

TEST(SettingsMapping, FlagsNumbersAndTextsAreStoredAsWrittenAndReadBack) {
  MapSettingsStore store;
  ViewState state;
  state.IsSmallCat = true;
  state.ShowAllMonths = false;
  state.MonthsNum = 6;
  state.Currency = "EUR";
  state.SelectedCat = "Food";
  state.SelectedItem = "NULL";
  state.SelectedMonth = "2024 March";
  SaveSettings(store, state);
  EXPECT_EQ(Stored(store, "Config", "IsSmallCat"), "true");
  EXPECT_EQ(Stored(store, "Config", "IsSmallPers"), "false");
  EXPECT_EQ(Stored(store, "Config", "ShowAllMonths"), "FALSE");
  EXPECT_EQ(Stored(store, "Config", "MonthsNum"), "6");
  EXPECT_EQ(Stored(store, "Config", "Currency"), "EUR");
  EXPECT_EQ(Stored(store, "Status", "SelectedCat"), "Food");
  EXPECT_EQ(Stored(store, "Status", "SelectedItem"), "NULL");
  EXPECT_EQ(Stored(store, "Status", "SelectedMonth"), "2024 March");
  EXPECT_EQ(store.values.size(), 20u);  // every key of the table, nothing else

  ViewState read;
  LoadSettings(store, read);
  EXPECT_TRUE(read.IsSmallCat && !read.IsSmallPers && !read.ShowAllMonths);
  EXPECT_EQ(read.MonthsNum, 6);
  EXPECT_EQ(read.Currency, "EUR");
  EXPECT_EQ(read.SelectedCat, "Food");
  EXPECT_EQ(read.SelectedMonth, "2024 March");
}

TEST(SettingsMapping, UnknownTextsAndCountsBelowOneKeepTheDefaults) {
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
  // The months count is at least one, and is stored so.
  for (const char* stored : {"0", "-3", "many", ""}) {
    store.values[{"Config", "MonthsNum"}] = stored;
    LoadSettings(store, state);
    EXPECT_EQ(state.MonthsNum, 1) << stored;
    SaveSettings(store, state);
    EXPECT_EQ(Stored(store, "Config", "MonthsNum"), "1") << stored;
  }
}

}  // namespace
}  // namespace kestrune
