#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>

#include "shell/form_dialog.h"
#include "shell/household_members.h"

namespace kestrune {

// "Household access": who may sign in to the household server. Lists the members with a
// passphrase; sets or changes a person's passphrase (typed twice, never shown) and whether
// they are the book's owner; takes a passphrase away. Each change is written at once;
// refusals and failures are told and leave the access file as it was.
class HouseholdAccessDialog final : public FormDialog {
  Q_OBJECT

 public:
  // `fs` and the form's database must outlive the dialog.
  HouseholdAccessDialog(FormContext& form, FileSystem& fs, QWidget* parent);

 private:
  void createFields();
  // Lists the members read last and selects `person` when listed.
  void showMembers(const std::string& person);
  void memberChosen();
  FormOutcome setPassphrase();
  void removePassphrase();

  FormContext& form_;
  HouseholdMembers members_;
  QListWidget* list_ = nullptr;
  QComboBox* person_ = nullptr;
  QLineEdit* passphrase_ = nullptr;
  QLineEdit* repeated_ = nullptr;
  QCheckBox* owner_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace kestrune
