#include "shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStatusBar>
#include <QTimer>

#include "shell/main_view.h"
#include "shell/office_look.h"
#include "shell/settings_mapping.h"
#include "shell/shell_icons.h"

namespace kestrune {

MainWindow::MainWindow(SettingsStore& store, UserPrompts& prompts,
                       const std::string& working_folder, FileSystem& fs, const Clock& clock)
    : store_(store), prompts_(prompts), model_(working_folder, fs, clock) {
  const WindowModel::StartResult start = model_.Start(store_, prompts_);
  exitStatus_ = start.exit_status;
  if (!start.ready) return;
  started_ = true;
  ApplyOfficeXpLook(true);
  setWindowTitle(tr("Kestrune"));
  setWindowIcon(ApplicationIcon());
  createActions();
  createMenus();
  createToolBars();
  createStatusBar();
  createTrayIcon();
  createHousehold();
  applyMonthFilter(state().monthFilter);
  setNodeKind(state().nodeKind);
  createClientArea();
  connect(&document_, &RefreshScheduler::refreshRequested, this, &MainWindow::updateActions);
  showStateInActions();
  updateActions();
  updateHistoryActions();
}

void MainWindow::setNodeKind(NodeKind kind) {
  state().nodeKind = kind;
  updateActions();
  applyMonthFilter(state().monthFilter);
}

void MainWindow::showAllMonths() {
  applyMonthFilter(MonthFilter::AllMonths);
}

void MainWindow::showOneMonth() {
  applyMonthFilter(MonthFilter::OneMonth);
}

void MainWindow::applyMonthFilter(MonthFilter filter) {
  state().monthFilter = filter;
  const bool oneMonth = filter == MonthFilter::OneMonth;
  (oneMonth ? actions_.showMonth : actions_.showAll)->setChecked(true);
  monthChooser_->setEnabled(oneMonth);
  showButton_->setText(oneMonth ? tr("Show month") : tr("Show all"));
  document_.RefreshViews();
}

int MainWindow::monthPosition() const {
  return state().monthFilter == MonthFilter::OneMonth ? monthChooser_->currentIndex() : -1;
}

void MainWindow::reselectFolder() {
  folderBar_->selectFolder(folderBar_->currentFolder());
}

void MainWindow::nodeSelected(const QString& text, int image) {
  captionBar_->setCaption(text, TreeIcon(image));
  showStateInActions();
  if (viewCreated_) document_.RefreshViews();
}

bool MainWindow::approveRemoval(FolderBar::Removal removal) {
  if (closing_) return true;
  const QString question = removal == FolderBar::Removal::kEntry
                               ? tr("Are you sure you want to remove this folder shortcut?")
                               : tr("Are you sure you want to remove the specified folder?");
  return prompts_.AskYesNo(question.toStdString());
}

void MainWindow::setTreePaneHidden(bool hidden) {
  treePane_->setVisible(!hidden);
  captionBar_->setTreeHidden(hidden);
}

void MainWindow::showBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  busyBar_->setVisible(busy);
  if (busy) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (firstShowDone_) return;
  firstShowDone_ = true;
  // The tree is filled again, now selecting item nodes too, once the window is up.
  QTimer::singleShot(0, this, &MainWindow::firstShown);
}

void MainWindow::firstShown() {
  // A first start fills the screen; later ones come back as the user left the window.
  if (!geometryRestored_) showMaximized();
  if (treeFilled_) return;
  treeFilled_ = true;
  treePane_->fillTree(FolderName(Folder::kCategories));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (started_ && !abandoned_) saveSettings();
  closing_ = true;
  if (household_) household_->Stop();
  if (tray_) tray_->hide();
  if (busy_) showBusy(false);
  QMainWindow::closeEvent(event);
}

void MainWindow::saveSettings() {
  ViewState& viewState = state();
  if (!db().GetMonths().empty() && monthChooser_->currentIndex() >= 0) {
    viewState.selectedMonth = monthChooser_->currentText().toStdString();
  }
  viewState.smallCategoryIcons = folderBar_->smallIcons(static_cast<int>(Folder::kCategories));
  viewState.smallPersonIcons = folderBar_->smallIcons(static_cast<int>(Folder::kPersons));
  viewState.smallStatisticsIcons = folderBar_->smallIcons(static_cast<int>(Folder::kStatistics));
  model_.Save(store_);
  SaveWindowLayout(store_, WindowLayout{saveGeometry().toBase64().toStdString(),
                                        mainSplitter_->saveState().toBase64().toStdString(),
                                        treeSplitter_->saveState().toBase64().toStdString()});
}

}  // namespace kestrune
