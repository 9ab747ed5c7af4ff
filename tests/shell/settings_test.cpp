// The preferences as the file keeps them, the Settings dialog's fields, and the working
// folder the book is kept in.
#include <gtest/gtest.h>

#include "shell/settings_form.h"
#include "shell/settings_mapping.h"
#include "shell/working_folder.h"
#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

using Strings = std::vector<std::string>;

using testing::MapSettingsStore;

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
  // The window's closing test reads the chart, filter, months count and selection words from
  // the preferences file; here the others.
  const std::map<std::pair<std::string, std::string>, std::string> words = {
      {{"Config", "month_Chart"}, "DLINE"},
      {{"Status", "StatisticView"}, "ITEMS"},
      {{"Status", "ItemView"}, "STATISTICS"},
      {{"Config", "IsSmallCat"}, "true"},
      {{"Config", "IsSmallPers"}, "false"},
      {{"Config", "ShowAllMonths"}, "FALSE"},
      {{"Config", "Currency"}, "EUR"},
      {{"Status", "SelectedStatisticType"}, "NULL"}};  // nothing selected
  for (const auto& [key, word] : words) {
    EXPECT_EQ(store.Read(key.first, key.second).value_or("<absent>"), word);
  }
  EXPECT_EQ(store.values.size(), 20u);  // the keys the program reads, nothing else
  // What is read back is stored again word for word; "NULL" reads as nothing selected.
  ViewState read;
  LoadSettings(store, read);
  EXPECT_EQ(read.selectedItem, "");
  MapSettingsStore again;
  SaveSettings(again, read);
  EXPECT_EQ(again.values, store.values);
}

// A first start, and words the program does not know, give the defaults, stored so.
TEST(SettingsMapping, EmptyOrUnknownValuesGiveTheDefaults) {
  MapSettingsStore defaults;
  SaveSettings(defaults, ViewState{});
  std::vector<MapSettingsStore> stores(3);  // a first start, then unknown words
  stores[1].values = {
      {{"Config", "Show"}, "month"},  // the words are case-sensitive
      {{"Config", "Chart"}, "PIES"},
      {{"Config", "month_Chart"}, "BAR"},  // a totals style's word is no months chart's
      {{"Config", "IsSmallCat"}, "TRUE"},
      {{"Config", "ShowAllMonths"}, "false"},  // only "FALSE" turns it off
      {{"Status", "StatisticView"}, "ITEM"},   // the tree's key, not the setting's
      {{"Status", "ItemView"}, ""},
      {{"Config", "MonthsNum"}, "-3"}};  // the months count is at least one
  stores[2].values = stores[1].values;
  stores[2].values[{"Config", "MonthsNum"}] = "many";
  for (MapSettingsStore& store : stores) {
    ViewState state;
    state.totalsChart = charts::ChartStyle::kPie3d;  // whatever was there before is replaced
    state.nodeKind = NodeKind::Persons;              // not a setting: stays
    LoadSettings(store, state);
    EXPECT_EQ(state.nodeKind, NodeKind::Persons);
    EXPECT_EQ(state.monthsShown, 1);  // saving would mend a smaller count, so it is read here
    MapSettingsStore read;
    SaveSettings(read, state);
    EXPECT_EQ(read.values, defaults.values);
  }
}

using SettingsFormTest = testing::FormsTest;

// The months count is a whole number from one to a hundred; a bad one changes nothing.
TEST_F(SettingsFormTest, AcceptStoresTheLimitAndTheCurrencyOrRefusesABadCount) {
  EXPECT_TRUE(AcceptSettings(form, false, " 100 ", "").close);
  EXPECT_EQ(state.monthsShown, 100);
  EXPECT_TRUE(AcceptSettings(form, false, "1", "").afterwards.refresh_views);
  EXPECT_TRUE(AcceptSettings(form, false, "6", "EUR").close);
  EXPECT_FALSE(state.showAllMonths);
  EXPECT_EQ(state.currency, "EUR");
  EXPECT_EQ(db.currency(), "EUR");
  // "Show all months" keeps the number for later.
  EXPECT_TRUE(AcceptSettings(form, true, "6", "").close);
  EXPECT_TRUE(state.showAllMonths);
  EXPECT_EQ(state.monthsShown, 6);
  EXPECT_EQ(db.currency(), "");
  const Strings bad = {"0", "101", "-3", "6 months", "1.5", "", "abc"};
  for (const std::string& count : bad) {
    EXPECT_FALSE(AcceptSettings(form, false, count, "USD").close) << count;
  }
  EXPECT_EQ(prompts.messages, Strings(bad.size(), kMonthsOutOfRange));
  EXPECT_TRUE(state.showAllMonths);
  EXPECT_EQ(state.monthsShown, 6);
  EXPECT_EQ(state.currency, "");
}

TEST_F(SettingsFormTest, DeleteThisMonthTakesTheChosenMonthOutAfterAYes) {
  AddBread();
  BuyBread("05", "", " 9.00");
  Check(db.AddMonth("2024 May"));
  // With no month listed nothing is deleted or asked.
  EXPECT_TRUE(DeleteMonthAt(form, -1).close);
  EXPECT_TRUE(prompts.asked.empty());
  prompts.answers = {false};
  EXPECT_FALSE(DeleteMonthAt(form, 1).afterwards.refill_months);
  EXPECT_EQ(db.ItemMonthTotal("all months", "Food", "Bread").value, 900);
  const FormOutcome outcome = DeleteMonthAt(form, 1);  // newest first: 2024 March
  EXPECT_TRUE(outcome.close && outcome.afterwards.refill_months);
  EXPECT_EQ(prompts.asked, Strings(2, "Are you sure to delete this month?"));
  EXPECT_EQ(db.GetMonths(), Strings{"2024 May"});
  EXPECT_EQ(db.ItemMonthTotal("all months", "Food", "Bread").value, 0);
}

// Where the book and its preferences live.
TEST(WorkingFolder, OptionFirstThenADatabaseHereThenTheUsersDataFolder) {
  WorkingFolderInputs inputs;
  inputs.current_folder = "/home/ann/books";
  inputs.home = "/home/ann";
  EXPECT_EQ(ChooseWorkingFolder(inputs), "/home/ann/.local/share/kestrune");
  inputs.xdg_data_home = "/data/ann/";
  EXPECT_EQ(ChooseWorkingFolder(inputs), "/data/ann/kestrune");
  inputs.xdg_data_home = "relative/ignored";
  EXPECT_EQ(ChooseWorkingFolder(inputs), "/home/ann/.local/share/kestrune");
  inputs.current_holds_database = true;
  EXPECT_EQ(ChooseWorkingFolder(inputs), "/home/ann/books");
  inputs.option = "/srv/family/";
  EXPECT_EQ(ChooseWorkingFolder(inputs), "/srv/family");
}

}  // namespace
}  // namespace kestrune
