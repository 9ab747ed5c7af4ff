#pragma once

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

}  // namespace kestrune
