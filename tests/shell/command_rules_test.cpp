#include "shell/command_rules.h"

#include <gtest/gtest.h>

#include "shell/command_ids.h"
#include "shell/command_table.h"

namespace kestrune {
namespace {

// The frame's menus show a mark exactly where the command table declares one.
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
