#include "shell/check_database_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrune {

CheckDatabaseDialog::CheckDatabaseDialog(DatabaseCheck& check, UserPrompts& prompts,
                                         QWidget* parent)
    : QDialog(parent), check_(check), prompts_(prompts) {
  setWindowTitle(tr("Check data base"));
  createControls();
  check_.Run();
  showReport();
}

void CheckDatabaseDialog::createControls() {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(
      tr("Every total recomputed from the purchase lists, and the files the indexes name:")));
  report_ = new QPlainTextEdit(this);
  report_->setReadOnly(true);
  report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  report_->setMinimumSize(560, 240);
  layout->addWidget(report_);
  auto* buttons = new QDialogButtonBox(this);
  repair_ = buttons->addButton(tr("&Repair"), QDialogButtonBox::ActionRole);
  QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
  close->setDefault(true);
  layout->addWidget(buttons);
  connect(repair_, &QPushButton::clicked, this, [this] { repair(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void CheckDatabaseDialog::showReport() {
  report_->setPlainText(QString::fromStdString(check_.Text()));
  repair_->setEnabled(check_.CanRepair());
}

void CheckDatabaseDialog::repair() {
  prompts_.ShowMessage(check_.Repair());
  repaired_ = true;
  showReport();
}

}  // namespace kestrune
