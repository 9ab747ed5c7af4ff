#pragma once

#include <optional>

#include "database/expense_database.h"
#include "shell/view_state.h"

namespace kestrune {

// What the check marks read beside the view state.
struct WindowFlags {
  bool status_bar_shown = true;
  bool office_xp_look = true;
};

// Whether the command's menu entry and button carry a check mark; none for a command that
// never does.
std::optional<bool> CommandChecked(int command_id, const ViewState& state,
                                   const WindowFlags& flags);

// Whether the command has something to act on: edits and deletions need a category, an
// item or a person, adding an item a category, recording a purchase an item. Commands
// without such a need are always available.
bool CommandAvailable(int command_id, const ExpenseDatabase& db);

}  // namespace kestrune
