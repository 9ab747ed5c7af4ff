// The commands that open dialogs, change the whole book or print, and what the window
// shows anew once a dialog has changed something.
#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>

#include "shell/about_dialogs.h"
#include "shell/catalogue_dialogs.h"
#include "shell/check_database_dialog.h"
#include "shell/help_page.h"
#include "shell/main_view.h"
#include "shell/main_window.h"
#include "shell/purchase_dialog.h"
#include "shell/settings_dialog.h"

namespace kestrune {
namespace {

// How long a note stays in the status bar, in milliseconds.
constexpr int kNoteShown = 15000;

// Runs the entry dialog made with `arguments` (after the form, before the parent).
template <class Dialog, class... Arguments>
void RunFormOf(MainWindow& window, Arguments... arguments) {
  FormContext context = window.form();
  Dialog dialog(context, arguments..., &window);
  window.runForm(dialog);
}

}  // namespace

void MainWindow::addPurchase() {
  RunFormOf<PurchaseDialog>(*this);
}
void MainWindow::addCategory() {
  RunFormOf<AddCategoryDialog>(*this);
}
void MainWindow::addItem() {
  RunFormOf<AddItemDialog>(*this, true);
}
void MainWindow::addPerson() {
  RunFormOf<AddPersonDialog>(*this);
}
void MainWindow::editCategory() {
  RunFormOf<EditCategoryDialog>(*this, true);
}
void MainWindow::editItem() {
  RunFormOf<EditItemDialog>(*this, true);
}
void MainWindow::editPerson() {
  RunFormOf<EditPersonDialog>(*this, true);
}
void MainWindow::deleteCategory() {
  RunFormOf<DeleteCategoryDialog>(*this);
}
void MainWindow::deleteItem() {
  RunFormOf<DeleteItemDialog>(*this);
}
void MainWindow::deletePerson() {
  RunFormOf<DeletePersonDialog>(*this);
}
void MainWindow::showSettings() {
  RunFormOf<SettingsDialog>(*this, &model_.fs());
}

void MainWindow::about() {
  AboutDialog dialog(prompts_, this);
  prompts_.RunDialog(dialog);
}

void MainWindow::help() {
  tellFailure(InstallHelpPage(model_.paths().HelpPagePath));
  HelpDialog dialog(prompts_,
                    QUrl::fromLocalFile(QString::fromStdString(model_.paths().HelpPagePath)), this);
  prompts_.RunDialog(dialog);
}

// File › Check data base: the integrity report, with its repair.
void MainWindow::checkDatabase() {
  DatabaseCheck check(db(), model_.fs(), model_.clock(), model_.paths().DataDir + "/backups");
  CheckDatabaseDialog dialog(check, prompts_, this);
  prompts_.RunDialog(dialog);
  if (!dialog.repaired()) return;
  Afterwards afterwards;
  afterwards.refresh_views = true;
  afterwards.refill_months = true;  // a repair may have listed months the index lacked
  apply(afterwards);
}

void MainWindow::runForm(FormDialog& dialog) {
  prompts_.RunDialog(dialog);
  apply(dialog.afterwards());
}

void MainWindow::apply(const Afterwards& afterwards) {
  if (afterwards.refill_months) {
    fillMonthChooser(afterwards.select_month.value_or(""));
  } else if (afterwards.select_month) {
    monthChooser_->setCurrentIndex(
        monthChooser_->findText(QString::fromStdString(*afterwards.select_month)));
  }
  for (Folder folder : afterwards.rebuild_folders) {
    folderBar_->setEntries(static_cast<int>(folder), FolderEntries(folder, db()));
  }
  if (afterwards.refresh_views) document_.RefreshViews();
  if (afterwards.reselect_folder) reselectFolder();
  updateActions();
  updateHistoryActions();
  if (!afterwards.note.empty()) {
    statusBar()->showMessage(QString::fromStdString(afterwards.note), kNoteShown);
  }
}

void MainWindow::clearDatabase() {
  if (!tellFailure(db().ClearDatabase())) return;
  fillMonthChooser("");
  ViewState& viewState = state();
  for (std::string* selection :
       {&viewState.selectedCategory, &viewState.selectedItem, &viewState.selectedPerson,
        &viewState.selectedPersonMenu, &viewState.selectedPersonMenuChild,
        &viewState.selectedStatisticType, &viewState.selectedStatisticMenu,
        &viewState.selectedStatisticMenuChild}) {
    selection->clear();
  }
  folderBar_->setEntries(static_cast<int>(Folder::kCategories), {});
  folderBar_->setEntries(static_cast<int>(Folder::kPersons), {});
  reselectFolder();
  updateActions();
  updateHistoryActions();
}

void MainWindow::deleteAllPurchases() {
  if (!tellFailure(db().DeleteAllPurchases())) return;
  fillMonthChooser("");
  reselectFolder();
  updateHistoryActions();
}

bool MainWindow::tellFailure(const Status& status) {
  if (!status.ok()) prompts_.ShowMessage(status.message());
  return status.ok();
}

void MainWindow::abandon(const std::string& message) {
  if (abandoned_) return;
  abandoned_ = true;
  prompts_.ShowMessage(message);
  QCoreApplication::exit(kAbandonedStatus);
}

void MainWindow::print() {
  document_.FlushRefresh();
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!view_->print(printer)) prompts_.ShowMessage(tr("Nothing could be printed.").toStdString());
}

void MainWindow::printPreview() {
  document_.FlushRefresh();
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { view_->print(*target); });
  preview.exec();
}

}  // namespace kestrune
