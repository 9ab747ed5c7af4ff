#pragma once

#include <string>

#include "database/clock.h"
#include "database/database_lock.h"
#include "database/expense_database.h"
#include "shell/settings_store.h"
#include "shell/user_prompts.h"
#include "shell/view_state.h"
#include "shell/working_folder.h"

namespace kestrune {

// What the main frame owns beside its windows: the paths of the working folder, the lock
// that keeps other writers out of the database, the database itself and the view state. The
// disk and the clock are its caller's, and must outlive it.
class WindowModel {
 public:
  WindowModel(const std::string& working_folder, FileSystem& fs, const Clock& clock)
      : paths_(PathsOf(working_folder)), fs_(fs), clock_(clock), db_(fs) {}
  WindowModel(const WindowModel&) = delete;
  WindowModel& operator=(const WindowModel&) = delete;

  // How starting ended: ready to show the window, or the exit status to end with.
  struct StartResult {
    bool ready = false;
    int exit_status = 0;
  };

  // Creates an empty database when the folder does not exist, takes the lock, finishes a
  // change a crash cut short, reads the preferences and loads the catalogue (a missing index asks
  // `prompts`; "Exit" ends the program with 255). Then the currency goes to the database,
  // selections that cannot exist in an empty catalogue are cleared, and the page assets are put
  // beside the page file. Problems the user must hear of are told through `prompts`.
  StartResult Start(SettingsStore& store, UserPrompts& prompts);

  // Writes the preferences back.
  void Save(SettingsStore& store) const;

  ExpenseDatabase& db() { return db_; }
  const ExpenseDatabase& db() const { return db_; }
  ViewState& state() { return state_; }
  const ViewState& state() const { return state_; }
  const ShellPaths& paths() const { return paths_; }
  FileSystem& fs() { return fs_; }
  const Clock& clock() const { return clock_; }

 private:
  void ApplyEmptinessRules();
  void BackUp(UserPrompts& prompts);

  ShellPaths paths_;
  FileSystem& fs_;
  const Clock& clock_;
  DatabaseLock lock_;
  ExpenseDatabase db_;
  ViewState state_;
};

// Shows each message in a box of its own; true when there was none.
bool TellFailures(UserPrompts& prompts, const std::vector<std::string>& failures);

}  // namespace kestrune
