#pragma once

#include <optional>

#include "shell/settings_store.h"
#include "shell/view_state.h"

namespace kestrune {

// The preferences as they are stored: sections "Config" and "Status", one text per key.
// Enumerations are stored as words ("MONTH", "DBAR", "ITEMS", ...); a missing value or a
// word not recognised leaves the default. An empty selection string (nothing selected) is
// stored as "NULL", and "NULL" read back is nothing selected. Note the case: the small-icon flags
// are stored as "true"/"false", "ShowAllMonths" as "TRUE"/"FALSE".

// Reads every preference into `state`, starting from the defaults. Leaves NodeKind alone.
void LoadSettings(SettingsStore& store, ViewState& state);

// Writes every preference of `state`.
void SaveSettings(SettingsStore& store, const ViewState& state);

// The window's geometry and its two splitters' states as Qt saves them, base64-encoded;
// empty when never stored. Section "Status", keys "WindowGeometry", "FolderBarSplitter"
// and "TreeSplitter".
struct WindowLayout {
  std::string geometry;
  std::string folderBarSplitter;
  std::string treeSplitter;
};
WindowLayout LoadWindowLayout(SettingsStore& store);
void SaveWindowLayout(SettingsStore& store, const WindowLayout& layout);

}  // namespace kestrune
