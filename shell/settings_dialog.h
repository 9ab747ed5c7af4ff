#pragma once

#include <QRadioButton>

#include "database/file_system.h"
#include "shell/form_dialog.h"

namespace kestrune {

// "Kestrune settings": how many months the month charts show, the currency written after
// amounts, the deletion of one month, and the way to the household access dialog. "Accept
// settings" applies; "Delete this month", "Household access..." and the close box leave the
// other fields unapplied.
class SettingsDialog final : public FormDialog {
  Q_OBJECT

 public:
  // `fs` is the disk the book is written through; it must outlive the dialog.
  SettingsDialog(FormContext& form, FileSystem* fs, QWidget* parent);

 private:
  void createHeader();
  void createMonthsGroup();
  void createDeleteGroup();
  void createHouseholdGroup();

  FormContext& form_;
  FileSystem* fs_;
  QRadioButton* show_all_ = nullptr;
  QRadioButton* show_last_ = nullptr;
  QLineEdit* months_ = nullptr;
  QComboBox* month_ = nullptr;
  QLineEdit* currency_ = nullptr;
};

}  // namespace kestrune
