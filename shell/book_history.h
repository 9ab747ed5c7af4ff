#pragma once

#include <string>
#include <vector>

#include "database/backups.h"
#include "database/expense_database.h"
#include "database/file_system.h"
#include "shell/form_outcome.h"
#include "shell/tree_content.h"
#include "shell/view_state.h"

namespace kestrune {

// After the book changed under the view (an undo, a redo, a restore): a selected category,
// item or person that is gone gives way to the first one left (or to none), as after a
// deletion; a person's chosen statistics go with the person.
void KeepExistingSelections(ViewState& state, const ExpenseDatabase& db);

// Selects what an undone or redone change touched and returns the folder that shows it: the
// Persons folder for a person when it is the folder shown or the change touched no
// category, else the Categories folder for its category (and item). What no longer exists is
// passed over; with nothing left to show, the `current` folder stays.
Folder FollowChange(ViewState& state, const ExpenseDatabase& db, const ChangeFocus& focus,
                    Folder current);

// What "Restore backup..." does, without its window: the list of the book's dated backups
// and the restore of one of them, after the user confirmed it.
class BackupRestore {
 public:
  // `fs` must outlive it; `backups_folder` is the program's, WORKDIR/data/backups.
  BackupRestore(FileSystem& fs, std::string backups_folder)
      : fs_(fs), backups_(std::move(backups_folder)) {}

  // Reads the backups, newest first, counting their purchases; fails with the message of a
  // file that cannot be read. No backups folder means no backups.
  [[nodiscard]] Status Load();
  const std::vector<BackupInfo>& backups() const { return list_; }
  // "12 purchases", "1 purchase" for the backup at `row`.
  std::string PurchasesText(int row) const;
  // Asks the user, naming the backup at `row`, and replaces the book with it as one
  // undoable change (the book as it was backed up first, keeping the newest five backups).
  // Closes with the whole window to show anew; a refusal or a failed change stays open with
  // its message; "No" closes nothing.
  FormOutcome Restore(FormContext& form, int row);

 private:
  FileSystem& fs_;
  std::string backups_;
  std::vector<BackupInfo> list_;
};

}  // namespace kestrune
