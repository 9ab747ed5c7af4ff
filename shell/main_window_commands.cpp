// The commands of the menus, toolbars and tray icon.
#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>

#include "shell/command_ids.h"
#include "shell/command_rules.h"
#include "shell/main_view.h"
#include "shell/main_window.h"
#include "shell/office_look.h"

namespace kestrune {
namespace {

struct StatisticsCommand {
  int id;
  int statistic_view;
  const char* node;
};
constexpr StatisticsCommand kStatisticsCommands[] = {
    {kCmdViewCategoryStatistics, 1, kCategoryStatisticsNode},
    {kCmdViewItemStatisticsFolder, 2, kItemStatisticsNode},
    {kCmdViewPersonStatistics, 3, kPersonStatisticsNode},
    {kCmdViewMonthStatistics, 4, kMonthStatisticsNode},
};

}  // namespace

void MainWindow::RunCommand(int id) {
  if (runSettingCommand(id) || runStatisticsCommand(id)) {
    updateCommandChecks();
    return;
  }
  switch (id) {
    case kCmdExit:
      close();
      break;
    case kCmdRefresh:
      ReselectFolder();
      break;
    case kCmdStatusBar:
      statusBar()->setVisible(!statusBar()->isVisible());
      break;
    case kCmdOfficeXpLook:
      office_xp_look_ = !office_xp_look_;
      ApplyOfficeXpLook(office_xp_look_);
      break;
    case kCmdClearDatabase:
      ClearDatabase();
      break;
    case kCmdDeleteAllPurchases:
      DeleteAllPurchases();
      break;
    case kCmdPrint:
    case kCmdPrintDirect:
      print();
      break;
    case kCmdPrintPreview:
      printPreview();
      break;
    default:
      runDialogCommand(id);
      break;
  }
  updateCommandChecks();
}

// The commands that change one display option and show the result.
bool MainWindow::runSettingCommand(int id) {
  ViewState& view_state = state();
  if (id == kCmdShowAll) {
    ShowAll();
  } else if (id == kCmdShowMonth) {
    ShowMonth();
  } else if (id >= kCmdBarChart && id <= kCmdPie3dChart) {
    view_state.totalsChart = id - kCmdBarChart + 1;
  } else if (id == kCmdLineGraph || id == kCmdStackedBarChart) {
    view_state.monthsChart = id == kCmdLineGraph ? 1 : 2;
  } else if (id == kCmdLine3dGraph || id == kCmdStackedBar3dChart) {
    view_state.monthsChart = id == kCmdLine3dGraph ? 3 : 4;
  } else if (id >= kCmdViewItemList && id <= kCmdViewItemStatistics) {
    view_state.itemView = id - kCmdViewItemList + 1;
  } else {
    return false;
  }
  doc_.RefreshViews();
  return true;
}

bool MainWindow::runStatisticsCommand(int id) {
  for (const StatisticsCommand& command : kStatisticsCommands) {
    if (command.id != id) continue;
    SetNodeKind(4);
    folder_bar_->SelectFolder(static_cast<int>(Folder::kStatistics));
    state().statisticView = command.statistic_view;
    tree_pane_->SelectNodeByText(command.node);
    return true;
  }
  return false;
}

void MainWindow::ClearDatabase() {
  if (!TellFailure(db().ClearDatabase())) return;
  fillMonthChooser("");
  ViewState& view_state = state();
  for (std::string* selection :
       {&view_state.selectedCategory, &view_state.selectedItem, &view_state.selectedPerson,
        &view_state.selectedPersonMenu, &view_state.selectedPersonMenuChild,
        &view_state.selectedStatisticType, &view_state.selectedStatisticMenu,
        &view_state.selectedStatisticMenuChild}) {
    selection->clear();
  }
  folder_bar_->SetEntries(static_cast<int>(Folder::kCategories), {});
  folder_bar_->SetEntries(static_cast<int>(Folder::kPersons), {});
  ReselectFolder();
}

void MainWindow::DeleteAllPurchases() {
  if (!TellFailure(db().DeleteAllPurchases())) return;
  fillMonthChooser("");
  ReselectFolder();
}

bool MainWindow::TellFailure(const Status& status) {
  if (!status.ok()) prompts_.ShowMessage(status.message());
  return status.ok();
}

void MainWindow::Abandon(const std::string& message) {
  if (abandoned_) return;
  abandoned_ = true;
  prompts_.ShowMessage(message);
  QCoreApplication::exit(kAbandonedStatus);
}

void MainWindow::updateCommandChecks() {
  const WindowFlags flags{!statusBar()->isHidden(), office_xp_look_};
  for (int id : actions_.Ids()) {
    const bool available = CommandAvailable(id, db());
    for (QAction* action : actions_.Of(id)) action->setEnabled(available);
    if (const std::optional<bool> checked = CommandChecked(id, state(), flags)) {
      actions_.SetChecked(id, *checked);
    }
  }
  showItemButtons();
}

void MainWindow::print() {
  doc_.FlushRefresh();
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!view_->print(printer)) prompts_.ShowMessage("Nothing could be printed.");
}

void MainWindow::printPreview() {
  doc_.FlushRefresh();
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { view_->print(*target); });
  preview.exec();
}

}  // namespace kestrune
