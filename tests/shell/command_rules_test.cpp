#include "shell/command_rules.h"

#include <gtest/gtest.h>

#include "shell/command_table.h"

namespace kestrune {
namespace {

// The frame's menus show a mark exactly where the command table declares one: every command
// with a check rule is checkable in the table, and no other is. The marks themselves are
// seen in the frame's menus (FilterAndOptionCommandsSetTheirOptionAndCheckMark).
TEST(CommandChecked, ExactlyTheCheckableCommandsHaveAMark) {
  const ViewState state;
  for (const CommandInfo& info : Commands()) {
    EXPECT_EQ(CommandChecked(info.id, state, {}).has_value(), info.checkable) << info.id;
  }
}

}  // namespace
}  // namespace kestrune
