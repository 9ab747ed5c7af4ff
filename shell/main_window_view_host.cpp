// What the main view asks of the window (ViewHost), and the window's busy state.
#include <QStatusBar>

#include "shell/command_ids.h"
#include "shell/main_view.h"
#include "shell/main_window.h"

namespace kestrune {

int MainWindow::monthChooserPosition() const {
  return month_chooser_->currentIndex();
}

QTreeWidget& MainWindow::navigationTree() {
  return *tree_pane_->tree();
}

Folder MainWindow::currentFolder() const {
  return static_cast<Folder>(folder_bar_->current_folder());
}

void MainWindow::setCaption(const QString& text, const QIcon& icon) {
  caption_bar_->SetCaption(text, icon);
}

void MainWindow::selectNode(const QString& text, const QString& parentText) {
  tree_pane_->SelectNodeByText(text, parentText);
}

void MainWindow::requestCommand(ViewCommand command) {
  switch (command) {
    case ViewCommand::AddCategory:
      RunCommand(kCmdAddCategory);
      break;
    case ViewCommand::AddPerson:
      RunCommand(kCmdAddPerson);
      break;
    case ViewCommand::AddItem:
      RunCommand(kCmdAddItem);
      break;
    case ViewCommand::AddPurchase:
      RunCommand(kCmdAddPurchase);
      break;
  }
}

void MainWindow::showBusy() {
  const bool busy = model_.starting() || view_->busy();
  statusBar()->showMessage(busy ? tr("Working...") : QString());
}

}  // namespace kestrune
