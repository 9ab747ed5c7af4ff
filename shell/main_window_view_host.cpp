// What the main view asks of the window (ViewHost), and the window's busy state.
#include "shell/main_view.h"
#include "shell/main_window.h"

namespace kestrune {

int MainWindow::monthChooserPosition() const {
  return monthChooser_->currentIndex();
}

QTreeWidget& MainWindow::navigationTree() {
  return *treePane_->tree();
}

Folder MainWindow::currentFolder() const {
  return static_cast<Folder>(folderBar_->currentFolder());
}

void MainWindow::setCaption(const QString& text, const QIcon& icon) {
  captionBar_->setCaption(text, icon);
}

void MainWindow::selectNode(const QString& text, const QString& parentText) {
  treePane_->selectNodeByText(text, parentText);
}

void MainWindow::requestCommand(ViewCommand command) {
  switch (command) {
    case ViewCommand::AddCategory:
      actions_.addCategory->trigger();
      break;
    case ViewCommand::AddPerson:
      actions_.addPerson->trigger();
      break;
    case ViewCommand::AddItem:
      actions_.addItem->trigger();
      break;
    case ViewCommand::AddPurchase:
      actions_.addPurchase->trigger();
      break;
  }
}

void MainWindow::updateBusy() {
  showBusy(model_.starting() || view_->busy());
}

}  // namespace kestrune
