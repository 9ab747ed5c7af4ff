#pragma once

#include <optional>

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

}  // namespace kestrune
