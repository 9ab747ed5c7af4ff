#include "shell/main_window.h"

#include <QCloseEvent>
#include <QStatusBar>
#include <QTimer>

#include "shell/command_ids.h"
#include "shell/command_rules.h"
#include "shell/command_table.h"
#include "shell/main_view.h"
#include "shell/office_look.h"
#include "shell/shell_icons.h"

namespace kestrune {

MainWindow::MainWindow(SettingsStore& store, UserPrompts& prompts,
                       const std::string& working_folder, FileSystem& fs, const Clock& clock)
    : store_(store), prompts_(prompts), model_(working_folder, fs, clock) {
  const WindowModel::StartResult start = model_.Start(store_, prompts_);
  exit_status_ = start.exit_status;
  if (!start.ready) return;
  started_ = true;
  ApplyOfficeXpLook(office_xp_look_);
  setWindowTitle("Kestrune");
  setWindowIcon(ApplicationIcon());
  createMenus();
  createToolbars();
  createStatusBar();
  createTrayIcon();
  createMonthChooser();
  applyShow(state().monthFilter);
  SetNodeKind(state().nodeKind);
  createClientArea();
  connect(&doc_, &RefreshScheduler::refreshRequested, this, &MainWindow::updateCommandChecks);
  updateCommandChecks();
}

MainWindow::~MainWindow() {
  if (!started_ || abandoned_) return;
  ViewState& view_state = state();
  view_state.smallCategoryIcons = folder_bar_->small_icons(static_cast<int>(Folder::kCategories));
  view_state.smallPersonIcons = folder_bar_->small_icons(static_cast<int>(Folder::kPersons));
  view_state.smallStatisticsIcons = folder_bar_->small_icons(static_cast<int>(Folder::kStatistics));
  model_.Save(store_);
}

void MainWindow::SetNodeKind(int kind) {
  state().nodeKind = kind;
  showItemButtons();
  applyShow(state().monthFilter);
}

// The buttons of the current node kind; one with nothing to act on is hidden, not greyed.
void MainWindow::showItemButtons() {
  for (const auto& [id, button] : item_buttons_) button->setVisible(false);
  for (int id : VisibleItemButtons(state().nodeKind)) {
    item_buttons_.at(id)->setVisible(CommandAvailable(id, db()));
  }
}

void MainWindow::ShowAll() {
  applyShow(1);
}

void MainWindow::ShowMonth() {
  applyShow(2);
}

void MainWindow::applyShow(int show) {
  state().monthFilter = show;
  month_chooser_->setEnabled(show == 2);
  for (QAction* action : actions_.Of(kCmdShowDropDown)) {
    action->setText(show == 2 ? "Show month" : "Show all");
  }
  doc_.RefreshViews();
}

int MainWindow::MonthPosition() const {
  return state().monthFilter == 2 ? month_chooser_->currentIndex() : -1;
}

void MainWindow::ReselectFolder() {
  folder_bar_->SelectFolder(folder_bar_->current_folder());
}

void MainWindow::NodeSelected(const QString& text, int image) {
  caption_bar_->SetCaption(text, TreeIcon(image));
  if (view_created_) doc_.RefreshViews();
}

bool MainWindow::approveRemoval(FolderBar::Removal removal) {
  if (closing_) return true;
  return prompts_.AskYesNo(removal == FolderBar::Removal::kEntry
                               ? "Are you sure you want to remove this folder shortcut?"
                               : "Are you sure you want to remove the specified folder?");
}

void MainWindow::setTreePaneHidden(bool hidden) {
  tree_pane_->setVisible(!hidden);
  caption_bar_->SetTreeHidden(hidden);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (first_show_done_) return;
  first_show_done_ = true;
  // The tree is filled again, now selecting item nodes too, once the window is up.
  QTimer::singleShot(0, this, &MainWindow::firstShown);
}

void MainWindow::firstShown() {
  showMaximized();
  if (tree_filled_) return;
  tree_filled_ = true;
  tree_pane_->FillTree(FolderName(Folder::kCategories));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!db().GetMonths().empty() && month_chooser_->currentIndex() >= 0) {
    state().selectedMonth = month_chooser_->currentText().toStdString();
  }
  closing_ = true;
  if (tray_) tray_->hide();
  QMainWindow::closeEvent(event);
}

}  // namespace kestrune
