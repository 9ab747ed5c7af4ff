#pragma once

#include <QFutureWatcher>
#include <string>

#include "database/clock.h"
#include "database/database_lock.h"
#include "database/expense_database.h"
#include "shell/settings_store.h"
#include "shell/start_gate.h"
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
      : paths_(PathsOf(working_folder)), fs_(fs), gate_(fs), clock_(clock), db_(gate_) {}
  // Waits for the work of starting, which holds the lock's book.
  ~WindowModel();
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
  // beside the page file. The backup of the book as it was and the repair of what the queries
  // read as empty are left running on another thread (see starting()); until they are done,
  // every write to the book waits for them. Problems the user must hear of are told through
  // `prompts`, which must outlive the model.
  StartResult Start(SettingsStore& store, UserPrompts& prompts);
  // The backup and repair of Start are running; `startWork` reports when they end.
  bool starting() const { return startWork_.isRunning(); }
  const QFutureWatcher<void>& startWork() const { return startWork_; }
  // Waits for the backup and repair of Start: what reads the backups folder must not see
  // a copy half made.
  void WaitForStart() { startWork_.waitForFinished(); }

  // Writes the preferences back.
  void Save(SettingsStore& store) const;

  ExpenseDatabase& db() { return db_; }
  const ExpenseDatabase& db() const { return db_; }
  ViewState& state() { return state_; }
  const ViewState& state() const { return state_; }
  const ShellPaths& paths() const { return paths_; }
  // The disk as the book's writers must use it (see Start).
  FileSystem& fs() { return gate_; }
  const Clock& clock() const { return clock_; }

 private:
  void ApplyEmptinessRules();
  // Starts the backup and the repair; their failures go to `prompts` when they end.
  void StartBackUpAndRepair(UserPrompts& prompts);

  ShellPaths paths_;
  FileSystem& fs_;
  StartGate gate_;
  const Clock& clock_;
  DatabaseLock lock_;
  ExpenseDatabase db_;
  ViewState state_;
  QFutureWatcher<void> startWork_;
};

// Shows each message in a box of its own; true when there was none.
bool TellFailures(UserPrompts& prompts, const std::vector<std::string>& failures);

}  // namespace kestrune
