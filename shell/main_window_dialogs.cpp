// The commands that open dialogs, and what the frame shows anew once a dialog has changed
// something.
#include "shell/about_dialogs.h"
#include "shell/catalogue_dialogs.h"
#include "shell/check_database_dialog.h"
#include "shell/command_ids.h"
#include "shell/help_page.h"
#include "shell/main_window.h"
#include "shell/purchase_dialog.h"
#include "shell/settings_dialog.h"

namespace kestrune {
namespace {

// The entry dialog a command of the Edit and File menus opens; none for other commands.
std::unique_ptr<FormDialog> FormDialogFor(int id, FormContext& form, QWidget* parent) {
  switch (id) {
    case kCmdAddCategory:
      return std::make_unique<AddCategoryDialog>(form, parent);
    case kCmdEditCategory:
      return std::make_unique<EditCategoryDialog>(form, true, parent);
    case kCmdDeleteCategory:
      return std::make_unique<DeleteCategoryDialog>(form, parent);
    case kCmdAddItem:
      return std::make_unique<AddItemDialog>(form, true, parent);
    case kCmdEditItem:
      return std::make_unique<EditItemDialog>(form, true, parent);
    case kCmdDeleteItem:
      return std::make_unique<DeleteItemDialog>(form, parent);
    case kCmdAddPerson:
      return std::make_unique<AddPersonDialog>(form, parent);
    case kCmdEditPerson:
      return std::make_unique<EditPersonDialog>(form, true, parent);
    case kCmdDeletePerson:
      return std::make_unique<DeletePersonDialog>(form, parent);
    case kCmdAddPurchase:
      return std::make_unique<PurchaseDialog>(form, parent);
    case kCmdSettings:
      return std::make_unique<SettingsDialog>(form, parent);
    default:
      return nullptr;
  }
}

}  // namespace

bool MainWindow::runDialogCommand(int id) {
  if (id == kCmdAbout) {
    AboutDialog about(prompts_, this);
    prompts_.RunDialog(about);
    return true;
  }
  if (id == kCmdHelp) {
    TellFailure(InstallHelpPage(model_.paths().HelpPagePath));
    HelpDialog help(
        prompts_, QUrl::fromLocalFile(QString::fromStdString(model_.paths().HelpPagePath)), this);
    prompts_.RunDialog(help);
    return true;
  }
  if (id == kCmdCheckDatabase) {
    runCheckDatabase();
    return true;
  }
  FormContext context = form();
  std::unique_ptr<FormDialog> dialog = FormDialogFor(id, context, this);
  if (!dialog) return false;
  RunForm(*dialog);
  return true;
}

void MainWindow::runCheckDatabase() {
  DatabaseCheck check(db(), model_.fs(), model_.clock(), model_.paths().DataDir + "/backups");
  CheckDatabaseDialog dialog(check, prompts_, this);
  prompts_.RunDialog(dialog);
  if (!dialog.repaired()) return;
  Afterwards afterwards;
  afterwards.refresh_views = true;
  afterwards.refill_months = true;  // a repair may have listed months the index lacked
  Apply(afterwards);
}

void MainWindow::RunForm(FormDialog& dialog) {
  prompts_.RunDialog(dialog);
  Apply(dialog.afterwards());
}

void MainWindow::Apply(const Afterwards& afterwards) {
  if (afterwards.refill_months) {
    fillMonthChooser(afterwards.select_month.value_or(""));
  } else if (afterwards.select_month) {
    month_chooser_->setCurrentIndex(
        month_chooser_->findText(QString::fromStdString(*afterwards.select_month)));
  }
  for (Folder folder : afterwards.rebuild_folders) {
    folder_bar_->SetEntries(static_cast<int>(folder), FolderEntries(folder, db()));
  }
  if (afterwards.refresh_views) doc_.RefreshViews();
  if (afterwards.reselect_folder) ReselectFolder();
}

}  // namespace kestrune
