#include "shell/command_rules.h"

#include <gtest/gtest.h>

#include "shell/command_ids.h"
#include "shell/command_table.h"

namespace kestrune {
namespace {

// For every value of each setting, its group's one command with the check mark.
TEST(CommandChecked, EachGroupChecksTheCommandOfItsSetting) {
  const struct {
    int ViewState::*setting;
    std::vector<int> group;
  } groups[] = {
      {&ViewState::Show, {kCmdShowAll, kCmdShowMonth}},
      {&ViewState::Chart, {kCmdBarChart, kCmdPieChart, kCmdBar3dChart, kCmdPie3dChart}},
      {&ViewState::month_Chart,
       {kCmdLineGraph, kCmdStackedBarChart, kCmdLine3dGraph, kCmdStackedBar3dChart}},
      {&ViewState::ItemView, {kCmdViewItemList, kCmdViewItemPersons, kCmdViewItemStatistics}},
      {&ViewState::StatisticView,
       {kCmdViewCategoryStatistics, kCmdViewItemStatisticsFolder, kCmdViewPersonStatistics,
        kCmdViewMonthStatistics}},
  };
  for (const auto& g : groups) {
    for (size_t i = 0; i < g.group.size(); ++i) {
      ViewState state;
      state.*g.setting = static_cast<int>(i) + 1;
      std::vector<int> checked;
      for (int id : g.group) {
        if (CommandChecked(id, state, {}).value_or(false)) checked.push_back(id);
      }
      EXPECT_EQ(checked, std::vector<int>{g.group[i]});
    }
  }
}

TEST(CommandChecked, WindowFlagsAndCommandsWithoutAMark) {
  const ViewState state;
  EXPECT_EQ(CommandChecked(kCmdStatusBar, state, {false, true}), false);
  EXPECT_EQ(CommandChecked(kCmdOfficeXpLook, state, {false, true}), true);
  EXPECT_EQ(CommandChecked(kCmdClearDatabase, state, {}), std::nullopt);
  EXPECT_EQ(CommandChecked(kCmdAddPurchase, state, {}), std::nullopt);
  // Every command with a check rule is checkable in the command table, and no other is.
  for (const CommandInfo& info : Commands()) {
    EXPECT_EQ(CommandChecked(info.id, state, {}).has_value(), info.checkable) << info.id;
  }
}

}  // namespace
}  // namespace kestrune
