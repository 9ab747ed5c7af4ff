#include "shell/settings_dialog.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>

#include "shell/household_access_dialog.h"
#include "shell/settings_form.h"
#include "shell/shell_icons.h"

namespace kestrune {

SettingsDialog::SettingsDialog(FormContext& form, FileSystem* fs, QWidget* parent)
    : FormDialog(tr("Kestrune settings"), parent), form_(form), fs_(fs) {
  createHeader();
  createMonthsGroup();
  createDeleteGroup();
  addGroup(tr("Currency"));
  currency_ = addLineEdit(tr("Choose your currency:"), "currency");
  SetText(currency_, form_.state.currency);
  createHouseholdGroup();
  addMainButton(tr("Accept settings"), [this] {
    return AcceptSettings(form_, show_all_->isChecked(), TextOf(months_), TextOf(currency_));
  });
}

void SettingsDialog::createHeader() {
  auto* header = new QWidget(this);
  auto* icon = new QLabel(header);
  icon->setPixmap(ApplicationIcon().pixmap(32, 32));
  auto* title = new QLabel(tr("Kestrune settings"), header);
  QFont large = title->font();
  large.setBold(true);
  large.setPointSizeF(large.pointSizeF() * 1.4);
  title->setFont(large);
  auto* row = new QHBoxLayout(header);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(icon);
  row->addWidget(title, 1);
  addRow(tr(""), header);
}

void SettingsDialog::createMonthsGroup() {
  addGroup(tr("Statistics settings"));
  show_all_ = new QRadioButton(tr("Show all months"), this);
  show_all_->setObjectName("showAll");
  show_last_ = new QRadioButton(tr("Show only last"), this);
  show_last_->setObjectName("showLast");
  months_ = new QLineEdit(QString::number(form_.state.monthsShown), this);
  months_->setObjectName("monthsCount");
  months_->setMaximumWidth(60);
  // The two stand in different rows, so a group keeps them exclusive.
  auto* choice = new QButtonGroup(this);
  choice->addButton(show_all_);
  choice->addButton(show_last_);
  (form_.state.showAllMonths ? show_all_ : show_last_)->setChecked(true);
  auto* last = new QWidget(this);
  auto* row = new QHBoxLayout(last);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(show_last_);
  row->addWidget(months_);
  row->addWidget(new QLabel(tr("months"), last));
  row->addStretch();
  addRow(tr(""), show_all_);
  addRow(tr(""), last);
}

void SettingsDialog::createDeleteGroup() {
  addGroup(tr("Delete month"));
  month_ = addCombo(tr("Choose month:"), "month");
  FillChooser(month_, form_.db.GetMonths());
  auto* remove = new QPushButton(tr("Delete this month"), this);
  remove->setObjectName("deleteMonth");
  remove->setAutoDefault(false);
  connect(remove, &QPushButton::clicked, this,
          [this] { finish(DeleteMonthAt(form_, month_->currentIndex()), false); });
  addRow(tr(""), remove);
}

void SettingsDialog::createHouseholdGroup() {
  addGroup(tr("Household server"));
  auto* access = new QPushButton(tr("Household access..."), this);
  access->setObjectName("householdAccess");
  access->setAutoDefault(false);
  connect(access, &QPushButton::clicked, this, [this] {
    HouseholdAccessDialog dialog(form_, *fs_, this);
    form_.prompts.RunDialog(dialog);
  });
  addRow(tr("Who may sign in:"), access);
}

}  // namespace kestrune
