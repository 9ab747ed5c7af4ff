#pragma once

#include <QRadioButton>

#include "shell/form_dialog.h"

namespace kestrune {

// "Kestrune settings": how many months the month charts show, the currency written after
// amounts, and the deletion of one month. "Accept settings" applies; "Delete this month"
// and the close box leave the other fields unapplied.
class SettingsDialog final : public FormDialog {
  Q_OBJECT

 public:
  SettingsDialog(FormContext& form, QWidget* parent);

 private:
  void createHeader();
  void createMonthsGroup();
  void createDeleteGroup();

  FormContext& form_;
  QRadioButton* show_all_ = nullptr;
  QRadioButton* show_last_ = nullptr;
  QLineEdit* months_ = nullptr;
  QComboBox* month_ = nullptr;
  QLineEdit* currency_ = nullptr;
};

}  // namespace kestrune
