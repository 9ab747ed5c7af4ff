#include "shell/command_rules.h"

#include <gtest/gtest.h>

#include "shell/command_ids.h"
#include "shell/command_table.h"

namespace kestrune {
namespace {

// The commands of a group that carry the check mark.
std::vector<int> Checked(std::initializer_list<int> ids, const ViewState& state,
                         WindowFlags flags = {}) {
  std::vector<int> checked;
  for (int id : ids) {
    if (CommandChecked(id, state, flags).value_or(false)) checked.push_back(id);
  }
  return checked;
}

TEST(CommandChecked, EachGroupChecksTheCommandOfItsSetting) {
  ViewState state;
  state.Show = 1;
  state.Chart = 4;
  state.month_Chart = 3;
  state.ItemView = 2;
  state.StatisticView = 4;
  EXPECT_EQ(Checked({kCmdShowAll, kCmdShowMonth}, state), std::vector<int>{kCmdShowAll});
  EXPECT_EQ(Checked({kCmdBarChart, kCmdPieChart, kCmdBar3dChart, kCmdPie3dChart}, state),
            std::vector<int>{kCmdPie3dChart});
  EXPECT_EQ(
      Checked({kCmdLineGraph, kCmdStackedBarChart, kCmdLine3dGraph, kCmdStackedBar3dChart}, state),
      std::vector<int>{kCmdLine3dGraph});
  EXPECT_EQ(Checked({kCmdViewItemList, kCmdViewItemPersons, kCmdViewItemStatistics}, state),
            std::vector<int>{kCmdViewItemPersons});
  EXPECT_EQ(Checked({kCmdViewCategoryStatistics, kCmdViewItemStatisticsFolder,
                     kCmdViewPersonStatistics, kCmdViewMonthStatistics},
                    state),
            std::vector<int>{kCmdViewMonthStatistics});
  state.month_Chart = 4;
  EXPECT_EQ(
      Checked({kCmdLineGraph, kCmdStackedBarChart, kCmdLine3dGraph, kCmdStackedBar3dChart}, state),
      std::vector<int>{kCmdStackedBar3dChart});
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
