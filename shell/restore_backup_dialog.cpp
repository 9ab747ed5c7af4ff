#include "shell/restore_backup_dialog.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace kestrune {

RestoreBackupDialog::RestoreBackupDialog(FormContext form, BackupRestore& restore, QWidget* parent)
    : FormDialog(tr("Restore backup"), parent), form_(form), restore_(restore) {
  addHeading(tr("Choose the backup that replaces the book:"));
  list_ = new QTreeWidget(this);
  list_->setObjectName("backups");
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({tr("Made"), tr("Purchases")});
  list_->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list_->setMinimumSize(360, 160);
  addWideRow(list_);
  fillList();
  QPushButton* restoreButton = addMainButton(
      tr("&Restore"), [this] { return restore_.Restore(form_, list_->currentIndex().row()); });
  connect(list_, &QTreeWidget::itemDoubleClicked, restoreButton, &QPushButton::click);
  list_->setFocus();
}

void RestoreBackupDialog::fillList() {
  const std::vector<BackupInfo>& backups = restore_.backups();
  for (size_t row = 0; row < backups.size(); ++row) {
    auto* line = new QTreeWidgetItem(list_);
    line->setText(0, QString::fromStdString(backups[row].time));
    line->setText(1, QString::fromStdString(restore_.PurchasesText(static_cast<int>(row))));
    line->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  }
  if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
}

}  // namespace kestrune
