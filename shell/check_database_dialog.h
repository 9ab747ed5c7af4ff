#pragma once

#include <QDialog>

#include "shell/database_check.h"
#include "shell/user_prompts.h"

class QPlainTextEdit;
class QPushButton;

namespace kestrune {

// "Check data base": the integrity report of the book, with a Repair button while there is
// something to repair.
class CheckDatabaseDialog : public QDialog {
  Q_OBJECT

 public:
  CheckDatabaseDialog(DatabaseCheck& check, UserPrompts& prompts, QWidget* parent = nullptr);
  // Whether the book was repaired while the dialog was open.
  bool repaired() const { return repaired_; }

 private:
  void createControls();
  void showReport();
  void repair();

  DatabaseCheck& check_;
  UserPrompts& prompts_;
  QPlainTextEdit* report_ = nullptr;
  QPushButton* repair_ = nullptr;
  bool repaired_ = false;
};

}  // namespace kestrune
