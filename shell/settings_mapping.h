#pragma once

#include <optional>

#include "shell/settings_store.h"
#include "shell/view_state.h"

namespace kestrune {

// The preferences as they are stored: sections "Config" and "Status", one text per key.
// Enumerations are stored as words ("MONTH", "DBAR", "ITEMS", ...); a missing value or a
// word not recognised leaves the default. Note the case: the small-icon flags are stored as
// "true"/"false", "ShowAllMonths" as "TRUE"/"FALSE".

// Reads every preference into `state`, starting from the defaults. Leaves NodeKind alone.
void LoadSettings(SettingsStore& store, ViewState& state);

// Writes every preference of `state`.
void SaveSettings(SettingsStore& store, const ViewState& state);

// The widths the user left the folder bar and the tree pane at, in pixels.
struct PaneWidths {
  int folder_bar = 0;
  int tree = 0;
};

// The stored pane widths ("Status", "PaneWidths", two numbers), or nothing when absent or
// not two widths from 1 to 10000.
std::optional<PaneWidths> LoadPaneWidths(SettingsStore& store);
// Stores the pane widths; a hidden pane's zero width is not stored.
void SavePaneWidths(SettingsStore& store, PaneWidths widths);

}  // namespace kestrune
