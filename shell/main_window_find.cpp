// Edit > Find: the panel in its dock, and going to a purchase it found.
#include <QStatusBar>

#include "database/sections.h"
#include "shell/find_panel.h"
#include "shell/main_view.h"
#include "shell/main_window.h"

namespace kestrune {
namespace {

constexpr int kNoteShown = 10000;  // milliseconds

}  // namespace

// The window's members, the book's disk among them, go before its child widgets: the find
// panel (which waits for its search as it goes) and a running page build end first.
MainWindow::~MainWindow() {
  delete findDock_;
  if (view_) view_->waitForBuild();
}

void MainWindow::setFileChooser(FileChooser& chooser) {
  fileChooser_ = &chooser;
  if (findPanel_) findPanel_->setFileChooser(chooser);
}

void MainWindow::find() {
  if (!findPanel_) createFindPanel();
  findDock_->show();
  findDock_->raise();
  findPanel_->prepare();
}

// A dock rather than a dialog: the results stay beside the view that shows the purchase
// chosen, and the window goes on working while they are looked through.
void MainWindow::createFindPanel() {
  findPanel_ = new FindPanel(db(), model_.fs(), prompts_, *fileChooser_, this);
  findDock_ = new QDockWidget(tr("Find purchases"), this);
  findDock_->setObjectName("findDock");
  findDock_->setWidget(findPanel_);
  addDockWidget(Qt::BottomDockWidgetArea, findDock_);
  // The view keeps most of the height.
  resizeDocks({findDock_}, {height() / 3}, Qt::Vertical);
  connect(findPanel_, &FindPanel::purchaseChosen, this, &MainWindow::showFoundPurchase);
  connect(findPanel_, &FindPanel::noted, this,
          [this](const QString& note) { statusBar()->showMessage(note, kNoteShown); });
}

void MainWindow::showFoundPurchase(const FoundPurchase& found) {
  if (!db().ItemExists(found.category, found.item)) {
    statusBar()->showMessage(
        tr("%1 (%2) is no longer in the book: find again.")
            .arg(QString::fromStdString(found.item), QString::fromStdString(found.category)),
        kNoteShown);
    return;
  }
  ViewState& viewState = state();
  viewState.selectedCategory = found.category;
  viewState.selectedItem = found.item;
  viewState.itemView = ItemView::List;
  // With one month shown, the item page shows the purchase's month.
  const int month = monthChooser_->findText(QString::fromStdString(MonthKeyOf(found.purchase)));
  if (month >= 0) monthChooser_->setCurrentIndex(month);
  showStateInActions();
  folderBar_->selectFolder(static_cast<int>(Folder::kCategories));
}

}  // namespace kestrune
