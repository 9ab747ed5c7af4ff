#include "shell/household_access_dialog.h"

namespace kestrune {

HouseholdAccessDialog::HouseholdAccessDialog(FormContext& form, FileSystem& fs, QWidget* parent)
    : FormDialog(tr("Household access"), parent), form_(form), members_(fs, form.db) {
  addHeading(tr("Who may sign in to the household server from a phone or another computer"));
  createFields();
  addMainButton(tr("Set passphrase"), [this] { return setPassphrase(); });
  if (Status loaded = members_.Load(); !loaded.ok()) form_.prompts.ShowRefusal(loaded);
  showMembers("");
}

void HouseholdAccessDialog::createFields() {
  addGroup(tr("Members with a passphrase"));
  list_ = new QListWidget(this);
  list_->setObjectName("members");
  list_->setMaximumHeight(fontMetrics().lineSpacing() * 6);
  connect(list_, &QListWidget::currentRowChanged, this, &HouseholdAccessDialog::memberChosen);
  addWideRow(list_);
  auto* remove = new QPushButton(tr("Remove passphrase"), this);
  remove->setObjectName("remove");
  remove->setAutoDefault(false);
  connect(remove, &QPushButton::clicked, this, &HouseholdAccessDialog::removePassphrase);
  addRow(QString(), remove);

  addGroup(tr("Set or change a passphrase"));
  person_ = addCombo(tr("Person:"), "person");
  FillChooser(person_, form_.db.GetPersonNames());
  passphrase_ = addLineEdit(tr("Passphrase:"), "passphrase");
  repeated_ = addLineEdit(tr("Once more:"), "repeated");
  for (QLineEdit* edit : {passphrase_, repeated_}) edit->setEchoMode(QLineEdit::Password);
  passphrase_->setPlaceholderText(tr("at least 8 characters"));
  owner_ = new QCheckBox(tr("The book's owner: may change every purchase"), this);
  owner_->setObjectName("owner");
  addRow(QString(), owner_);
  note_ = new QLabel(this);
  note_->setObjectName("note");
  note_->setTextFormat(Qt::PlainText);
  addWideRow(note_);
}

void HouseholdAccessDialog::showMembers(const std::string& person) {
  const QSignalBlocker quiet(list_);
  list_->clear();
  const std::vector<server::Member>& members = members_.members();
  for (size_t row = 0; row < members.size(); ++row) {
    list_->addItem(QString::fromStdString(members_.Describe(row)));
    if (members[row].person == person) list_->setCurrentRow(static_cast<int>(row));
  }
}

void HouseholdAccessDialog::memberChosen() {
  const int row = list_->currentRow();
  if (row < 0 || static_cast<size_t>(row) >= members_.members().size()) return;
  const server::Member& member = members_.members()[static_cast<size_t>(row)];
  const int found = person_->findText(QString::fromStdString(member.person));
  if (found >= 0) person_->setCurrentIndex(found);
  owner_->setChecked(member.owner);
}

FormOutcome HouseholdAccessDialog::setPassphrase() {
  const std::string person = person_->currentText().toStdString();
  const Status set =
      members_.Set(person, TextOf(passphrase_), TextOf(repeated_), owner_->isChecked());
  if (!set.ok()) {
    form_.prompts.ShowRefusal(set);
    return StayOpen();
  }
  // What was typed is not kept in the window once it is stored.
  passphrase_->clear();
  repeated_->clear();
  showMembers(person);
  note_->setText(tr("%1 can now sign in.").arg(QString::fromStdString(person)));
  return StayOpen();
}

void HouseholdAccessDialog::removePassphrase() {
  const int row = list_->currentRow();
  if (row < 0) {
    form_.prompts.ShowMessage(tr("Choose a member in the list first.").toStdString());
    return;
  }
  const std::string person = members_.members().at(static_cast<size_t>(row)).person;
  const QString question =
      tr("Take away the passphrase of %1? They will no longer be able to "
         "sign in.");
  if (!form_.prompts.AskYesNo(question.arg(QString::fromStdString(person)).toStdString())) return;
  if (Status removed = members_.Remove(person); !removed.ok()) {
    form_.prompts.ShowRefusal(removed);
    return;
  }
  showMembers("");
  note_->setText(tr("%1 can no longer sign in.").arg(QString::fromStdString(person)));
}

}  // namespace kestrune
