// File > Share with household: the household server inside the program, on the window's own
// book, and what the window shows when a member changes the book from a phone.
#include <QStatusBar>

#include "shell/book_history.h"
#include "shell/main_window.h"
#include "shell/share_dialog.h"

namespace kestrune {

void MainWindow::createHousehold() {
  household_ = std::make_unique<server::HouseholdServer>(db(), model_.fs());
  connect(household_.get(), &server::HouseholdServer::BookChanged, this,
          &MainWindow::followHouseholdChange);
}

void MainWindow::shareWithHousehold() {
  ShareDialog dialog(*household_, prompts_, ReadShareChoice(store_), this);
  prompts_.RunDialog(dialog);
  // The next time, the dialog offers what was last started with.
  if (household_->IsRunning()) WriteShareChoice(store_, dialog.choice());
  showSharing();
}

void MainWindow::showSharing() {
  const bool running = household_->IsRunning();
  sharingNote_->setText(
      running ? tr("Shared with household at %1").arg(household_->Address().toString())
              : QString());
  sharingNote_->setVisible(running);
}

void MainWindow::followHouseholdChange() {
  if (closing_) return;
  QStringList listed;
  for (int i = 0; i < monthChooser_->count(); ++i) listed.append(monthChooser_->itemText(i));
  QStringList months;
  for (const std::string& month : db().GetMonths()) months.append(QString::fromStdString(month));
  KeepExistingSelections(state(), db());
  if (months != listed) {
    // A new month, or the last purchase of one deleted: the chooser and the months
    // statistics of the tree list them.
    fillMonthChooser(monthChooser_->currentText().toStdString());
    reselectFolder();
  }
  document_.RefreshViews();
  updateActions();
  updateHistoryActions();
}

}  // namespace kestrune
