#pragma once

#include <optional>
#include <string>
#include <vector>

#include "database/expense_database.h"
#include "shell/tree_content.h"
#include "shell/user_prompts.h"
#include "shell/view_state.h"

namespace kestrune {

// What a dialog works on: the catalogue, the selection strings, and the user for its
// messages and questions.
struct FormContext {
  ExpenseDatabase& db;
  ViewState& state;
  UserPrompts& prompts;
};

// What the main frame does once a dialog has changed something.
struct Afterwards {
  bool refresh_views = false;
  // Folders of the folder bar whose entries are listed anew from the catalogue.
  std::vector<Folder> rebuild_folders;
  // The month chooser is filled anew from the months (and its first month selected).
  bool refill_months = false;
  // The month chooser selects this month key (after any refill).
  std::optional<std::string> select_month;
  // The folder bar's current folder is selected again, which refills the tree.
  bool reselect_folder = false;
  // A note for the status bar, shown once (a budget the change took over); none when empty.
  std::string note;
};

// The result of a dialog's main button.
struct FormOutcome {
  bool close = false;  // false: the dialog stays open with what the user typed
  Afterwards afterwards;
};

// The dialog stays open (a message has told the user why).
inline FormOutcome StayOpen() {
  return {};
}
// The dialog closes with nothing more to do.
inline FormOutcome CloseOnly() {
  return {true, {}};
}

}  // namespace kestrune
