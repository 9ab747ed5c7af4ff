#pragma once

#include "shell/book_history.h"
#include "shell/form_dialog.h"

class QTreeWidget;

namespace kestrune {

// "Restore backup": the dated backups, newest first, with their time and purchase count.
// The list has the focus; Enter (or a double click) restores the chosen backup after a
// confirmation, Escape closes without a change. `restore` must hold its list (Load) and
// outlive the dialog.
class RestoreBackupDialog final : public FormDialog {
  Q_OBJECT

 public:
  RestoreBackupDialog(FormContext form, BackupRestore& restore, QWidget* parent = nullptr);

 private:
  void fillList();

  FormContext form_;
  BackupRestore& restore_;
  QTreeWidget* list_ = nullptr;
};

}  // namespace kestrune
