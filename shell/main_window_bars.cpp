// The window parts of the main window: menus, toolbars, status bar, tray icon, month
// chooser and the client area with folder bar, caption bar, tree pane and view.
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include "shell/main_view.h"
#include "shell/main_window.h"
#include "shell/settings_mapping.h"
#include "shell/shell_icons.h"

namespace kestrune {
namespace {

constexpr int kMonthChooserWidth = 140;

QByteArray FromBase64(const std::string& text) {
  return QByteArray::fromBase64(QByteArray::fromStdString(text));
}

}  // namespace

void MainWindow::createMenus() {
  const Actions& a = actions_;
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addActions({a.clearDatabase, a.deleteAllPurchases});
  file->addSeparator();
  file->addActions({a.settings, a.checkDatabase, a.restoreBackup});
  file->addSeparator();
  file->addActions({a.exportBook, a.importCsv});
  file->addSeparator();
  file->addAction(a.shareWithHousehold);
  file->addSeparator();
  file->addActions({a.print, a.printPreview});
  file->addSeparator();
  file->addAction(a.exit);

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  edit->addActions({a.undo, a.redo});
  edit->addSeparator();
  edit->addActions({a.addPerson, a.editPerson, a.deletePerson});
  edit->addSeparator();
  edit->addActions({a.addCategory, a.editCategory, a.deleteCategory});
  edit->addSeparator();
  edit->addActions({a.addItem, a.editItem, a.deleteItem});
  edit->addSeparator();
  edit->addAction(a.addPurchase);
  edit->addSeparator();
  edit->addAction(a.find);

  showMenu_ = new QMenu(tr("&Show"), this);
  showMenu_->addActions(monthFilterGroup_->actions());
  graphMenu_ = new QMenu(tr("Graph"), this);
  graphMenu_->addActions(totalsChartGroup_->actions());
  graphMenu_->addSeparator();
  graphMenu_->addActions(monthsChartGroup_->actions());

  QMenu* view = menuBar()->addMenu(tr("&View"));
  view->addActions({a.statusBar, a.refresh});
  view->addSeparator();
  view->addActions(statisticViewGroup_->actions());
  view->addSeparator();
  view->addMenu(showMenu_);
  view->addMenu(graphMenu_);
  view->addSeparator();
  view->addActions(itemViewGroup_->actions());
  view->addSeparator();
  view->addAction(a.officeXpLook);

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(a.help);
  help->addSeparator();
  help->addAction(a.about);
}

QToolBar* MainWindow::createToolBar(const QString& title, const char* name) {
  auto* toolBar = new QToolBar(title, this);
  toolBar->setObjectName(name);
  toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  toolBar->setIconSize(QSize(16, 16));
  toolBar->setAllowedAreas(Qt::AllToolBarAreas);
  addToolBar(Qt::TopToolBarArea, toolBar);
  return toolBar;
}

// The button shows the menu from its arrow; the button itself does nothing.
QToolButton* MainWindow::createDropDown(const QString& text, const QString& statusTip,
                                        const char* artwork, QMenu* menu) {
  auto* button = new QToolButton(mainToolBar_);
  button->setText(text);
  button->setToolTip(text);
  button->setStatusTip(statusTip);
  button->setIcon(CommandIcon(artwork));
  button->setMenu(menu);
  button->setPopupMode(QToolButton::MenuButtonPopup);
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setAutoRaise(true);
  mainToolBar_->addWidget(button);
  return button;
}

// A button of the command whose place in the toolbar can be hidden while the command's
// menu entry stays.
void MainWindow::addItemButton(QAction* action) {
  auto* button = new QToolButton(itemToolBar_);
  button->setDefaultAction(action);
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setIconSize(QSize(16, 16));
  button->setAutoRaise(true);
  itemButtons_.emplace_back(action, itemToolBar_->addWidget(button));
}

void MainWindow::createToolBars() {
  const Actions& a = actions_;
  mainToolBar_ = createToolBar(tr("Main Toolbar"), "mainToolbar");
  showButton_ =
      createDropDown(tr("Show month"), tr("Show all information or show information for one month"),
                     "months", showMenu_);
  showButton_->setObjectName("showButton");
  mainToolBar_->addSeparator();
  createMonthChooser();
  mainToolBar_->addSeparator();
  chartButton_ = createDropDown(tr("Set chart view"), tr("Set chart view"), "pie", graphMenu_);
  chartButton_->setObjectName("chartButton");
  mainToolBar_->addSeparator();
  mainToolBar_->addActions({a.addPerson, a.addCategory, a.addItem});

  addToolBarBreak(Qt::TopToolBarArea);
  itemToolBar_ = createToolBar(tr("Item Toolbar"), "itemToolbar");
  for (QAction* action : {a.viewItemList, a.viewItemPersons, a.viewItemStatistics, a.editCategory,
                          a.editItem, a.editPerson, a.viewCategoryStatistics,
                          a.viewItemStatisticsFolder, a.viewPersonStatistics}) {
    addItemButton(action);
  }
  itemToolBar_->addSeparator();
  for (QAction* action :
       {a.deleteCategory, a.deleteItem, a.addPurchase, a.deletePerson, a.viewMonthStatistics}) {
    addItemButton(action);
  }
}

void MainWindow::createStatusBar() {
  busyBar_ = new QProgressBar(this);
  busyBar_->setRange(0, 0);  // no end known: the bar moves to and fro
  busyBar_->setMaximumWidth(120);
  busyBar_->setTextVisible(false);
  busyBar_->hide();
  statusBar()->addPermanentWidget(busyBar_);
  sharingNote_ = new QLabel(this);
  sharingNote_->setObjectName("sharingNote");
  sharingNote_->setTextFormat(Qt::PlainText);
  sharingNote_->hide();
  statusBar()->addPermanentWidget(sharingNote_);
  statusBar()->showMessage(tr("Ready"), 2000);
}

void MainWindow::createTrayIcon() {
  tray_ = new QSystemTrayIcon(ApplicationIcon(), this);
  tray_->setToolTip(tr("Kestrune"));
  auto* menu = new QMenu(this);
  menu->addActions(
      {actions_.clearDatabase, actions_.deleteAllPurchases, actions_.settings, actions_.exit});
  tray_->setContextMenu(menu);
  if (QSystemTrayIcon::isSystemTrayAvailable()) tray_->show();
}

void MainWindow::createMonthChooser() {
  monthChooser_ = new QComboBox(this);
  monthChooser_->setObjectName("monthChooser");
  monthChooser_->setEditable(false);
  monthChooser_->setFixedWidth(kMonthChooserWidth);
  monthChooser_->setMaxVisibleItems(10);
  monthChooser_->setStatusTip(tr("Choose month"));
  mainToolBar_->addWidget(monthChooser_);
  fillMonthChooser(state().selectedMonth);
  connect(monthChooser_, &QComboBox::currentIndexChanged, this,
          [this] { document_.RefreshViews(); });
}

void MainWindow::fillMonthChooser(const std::string& month) {
  monthChooser_->clear();
  for (const std::string& name : db().GetMonths()) {
    monthChooser_->addItem(QString::fromStdString(name));
  }
  monthChooser_->setCurrentIndex(monthChooser_->count() > 0 ? 0 : -1);
  const int found = monthChooser_->findText(QString::fromStdString(month));
  if (found >= 0) monthChooser_->setCurrentIndex(found);
}

void MainWindow::fillFolders() {
  for (Folder folder : {Folder::kCategories, Folder::kPersons, Folder::kStatistics}) {
    folderBar_->setEntries(static_cast<int>(folder), FolderEntries(folder, db()));
  }
  folderBar_->setSmallIcons(static_cast<int>(Folder::kCategories), state().smallCategoryIcons);
  folderBar_->setSmallIcons(static_cast<int>(Folder::kPersons), state().smallPersonIcons);
  folderBar_->setSmallIcons(static_cast<int>(Folder::kStatistics), state().smallStatisticsIcons);
}

QWidget* MainWindow::createRightPane() {
  auto* right = new QWidget(mainSplitter_);
  captionBar_ = new CaptionBar(right);
  treeSplitter_ = new QSplitter(Qt::Horizontal, right);
  treePane_ = new ItemTreeView(*this, treeSplitter_);
  treeCreated_ = true;
  connect(treePane_, &ItemTreeView::closeRequested, this, [this] { setTreePaneHidden(true); });
  connect(captionBar_, &CaptionBar::restoreTreeRequested, this,
          [this] { setTreePaneHidden(false); });
  treePane_->fillTree(FolderName(Folder::kCategories));
  view_ = new MainView(*this, treeSplitter_);
  viewCreated_ = true;
  connect(&document_, &RefreshScheduler::refreshRequested, view_, &MainView::regenerate);
  connect(&document_, &RefreshScheduler::outdated, view_, &MainView::invalidate);
  connect(view_, &MainView::busyChanged, this, &MainWindow::updateBusy);
  connect(&model_.startWork(), &QFutureWatcherBase::finished, this, &MainWindow::updateBusy);
  updateBusy();
  treeSplitter_->setObjectName("treeSplitter");
  treeSplitter_->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(right);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(captionBar_);
  layout->addWidget(treeSplitter_, 1);
  return right;
}

void MainWindow::createClientArea() {
  mainSplitter_ = new QSplitter(Qt::Horizontal, this);
  mainSplitter_->setObjectName("mainSplitter");
  folderBar_ = new FolderBar({tr("Categories"), tr("Persons"), tr("Statistics")}, mainSplitter_);
  folderBar_->setRemovalApproval(
      [this](FolderBar::Removal removal) { return approveRemoval(removal); });
  fillFolders();
  connect(folderBar_, &FolderBar::folderSelected, this, [this](int folder) {
    if (treeCreated_) treePane_->fillTree(FolderName(static_cast<Folder>(folder)));
  });
  connect(folderBar_, &FolderBar::entryClicked, this,
          [this](const QString& text) { treePane_->selectNodeByText(text); });
  mainSplitter_->addWidget(folderBar_);
  mainSplitter_->addWidget(createRightPane());
  mainSplitter_->setStretchFactor(1, 1);
  restoreLayout();
  setCentralWidget(mainSplitter_);
}

// The window and the panes as the user left them; else the folder bar takes a seventh of
// the window and the tree pane what its names need.
void MainWindow::restoreLayout() {
  const WindowLayout layout = LoadWindowLayout(store_);
  geometryRestored_ = restoreGeometry(FromBase64(layout.geometry));
  const int width = std::max(this->width(), 1120);
  const int folderBar = width / 7;
  const int tree = treePane_->sizeHint().width();
  if (!mainSplitter_->restoreState(FromBase64(layout.folderBarSplitter))) {
    mainSplitter_->setSizes({folderBar, std::max(width - folderBar, 1)});
  }
  if (!treeSplitter_->restoreState(FromBase64(layout.treeSplitter))) {
    treeSplitter_->setSizes({tree, std::max(width - folderBar - tree, 1)});
  }
}

}  // namespace kestrune
