// The window parts of the main frame: menus, toolbars, status bar, tray icon, month
// chooser and the client area with folder bar, caption bar, tree pane and view.
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/command_ids.h"
#include "shell/command_table.h"
#include "shell/main_view.h"
#include "shell/main_window.h"
#include "shell/settings_mapping.h"
#include "shell/shell_icons.h"

namespace kestrune {
namespace {

constexpr int kShowMenuId = -142;
constexpr int kGraphMenuId = -143;
constexpr int kMonthChooserWidth = 140;

}  // namespace

QMenu* MainWindow::createMenu(const QString& title, std::span<const int> entries) {
  auto* menu = new QMenu(title, this);
  for (int id : entries) {
    if (id == 0) {
      menu->addSeparator();
    } else if (id == kShowMenuId) {
      menu->addMenu(createMenu("&Show", ShowMenu()));
    } else if (id == kGraphMenuId) {
      menu->addMenu(createMenu("Graph", GraphMenu()));
    } else {
      QAction* action = actions_.Create(id, this, false);
      connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
      menu->addAction(action);
    }
  }
  return menu;
}

void MainWindow::createMenus() {
  for (const MenuInfo& info : MenuBar()) menuBar()->addMenu(createMenu(info.title, info.entries));
}

QToolBar* MainWindow::createToolbar(const QString& title, const char* name,
                                    std::span<const int> buttons) {
  auto* toolbar = new QToolBar(title, this);
  toolbar->setObjectName(name);
  toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  toolbar->setIconSize(QSize(16, 16));
  toolbar->setAllowedAreas(Qt::AllToolBarAreas);
  for (int id : buttons) {
    if (id == 0) {
      toolbar->addSeparator();
    } else if (id != kCmdMonthChooser) {
      QAction* action = actions_.Create(id, this, true);
      connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
      toolbar->addAction(action);
    }
  }
  addToolBar(Qt::TopToolBarArea, toolbar);
  return toolbar;
}

// The button itself does nothing; its arrow opens the menu.
void MainWindow::addDropDown(int id, std::span<const int> menu_entries, const QString& menu_title) {
  QAction* action = actions_.Of(id).front();
  auto* button = qobject_cast<QToolButton*>(main_toolbar_->widgetForAction(action));
  button->setMenu(createMenu(menu_title, menu_entries));
  button->setPopupMode(QToolButton::MenuButtonPopup);
}

void MainWindow::createToolbars() {
  main_toolbar_ = createToolbar("Main Toolbar", "mainToolbar", MainToolbarButtons());
  addToolBarBreak(Qt::TopToolBarArea);
  item_toolbar_ = createToolbar("Item Toolbar", "itemToolbar", ItemToolbarButtons());
  for (int id : ItemToolbarButtons()) {
    if (id != 0) item_buttons_[id] = actions_.Of(id).back();
  }
  addDropDown(kCmdShowDropDown, ShowMenu(), "&Show");
  addDropDown(kCmdChartDropDown, GraphMenu(), "Graph");
}

void MainWindow::createStatusBar() {
  statusBar()->showMessage("Ready", 2000);
}

void MainWindow::createTrayIcon() {
  tray_ = new QSystemTrayIcon(ApplicationIcon(), this);
  tray_->setToolTip("Kestrune");
  auto* menu = new QMenu(this);
  for (int id : TrayMenu()) {
    QAction* action = actions_.Create(id, menu, false);
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    menu->addAction(action);
  }
  tray_->setContextMenu(menu);
  if (QSystemTrayIcon::isSystemTrayAvailable()) tray_->show();
}

void MainWindow::createMonthChooser() {
  month_chooser_ = new QComboBox(this);
  month_chooser_->setObjectName("monthChooser");
  month_chooser_->setEditable(false);
  month_chooser_->setFixedWidth(kMonthChooserWidth);
  month_chooser_->setMaxVisibleItems(10);
  month_chooser_->setStatusTip(CommandInfoFor(kCmdMonthChooser).status_text);
  QAction* chart_button = actions_.Of(kCmdChartDropDown).front();
  // The chooser stands where the toolbar resource has its placeholder: before the
  // separator that precedes the chart button.
  const QList<QAction*> all = main_toolbar_->actions();
  const qsizetype chart_at = all.indexOf(chart_button);
  main_toolbar_->insertWidget(all.at(chart_at - 1), month_chooser_);
  fillMonthChooser(state().selectedMonth);
  connect(month_chooser_, &QComboBox::currentIndexChanged, this, [this] { doc_.RefreshViews(); });
}

void MainWindow::fillMonthChooser(const std::string& month) {
  month_chooser_->clear();
  for (const std::string& month : db().GetMonths()) {
    month_chooser_->addItem(QString::fromStdString(month));
  }
  month_chooser_->setCurrentIndex(month_chooser_->count() > 0 ? 0 : -1);
  const int found = month_chooser_->findText(QString::fromStdString(month));
  if (found >= 0) month_chooser_->setCurrentIndex(found);
}

void MainWindow::fillFolders() {
  for (Folder folder : {Folder::kCategories, Folder::kPersons, Folder::kStatistics}) {
    folder_bar_->SetEntries(static_cast<int>(folder), FolderEntries(folder, db()));
  }
  folder_bar_->SetSmallIcons(static_cast<int>(Folder::kCategories), state().smallCategoryIcons);
  folder_bar_->SetSmallIcons(static_cast<int>(Folder::kPersons), state().smallPersonIcons);
  folder_bar_->SetSmallIcons(static_cast<int>(Folder::kStatistics), state().smallStatisticsIcons);
}

QWidget* MainWindow::createRightPane() {
  auto* right = new QWidget(main_splitter_);
  caption_bar_ = new CaptionBar(right);
  tree_splitter_ = new QSplitter(Qt::Horizontal, right);
  tree_pane_ = new ItemTreeView(*this, tree_splitter_);
  tree_created_ = true;
  connect(tree_pane_, &ItemTreeView::closeRequested, this, [this] { setTreePaneHidden(true); });
  connect(caption_bar_, &CaptionBar::restoreTreeRequested, this,
          [this] { setTreePaneHidden(false); });
  tree_pane_->FillTree(FolderName(Folder::kCategories));
  view_ = new MainView(*this, tree_splitter_);
  view_created_ = true;
  connect(&doc_, &RefreshScheduler::refreshRequested, view_, &MainView::regenerate);
  connect(&doc_, &RefreshScheduler::outdated, view_, &MainView::invalidate);
  connect(view_, &MainView::busyChanged, this, &MainWindow::showBusy);
  connect(&model_.startWork(), &QFutureWatcherBase::finished, this, &MainWindow::showBusy);
  showBusy();
  tree_splitter_->setObjectName("treeSplitter");
  tree_splitter_->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(right);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(caption_bar_);
  layout->addWidget(tree_splitter_, 1);
  return right;
}

void MainWindow::createClientArea() {
  main_splitter_ = new QSplitter(Qt::Horizontal, this);
  main_splitter_->setObjectName("mainSplitter");
  folder_bar_ = new FolderBar({"Categories", "Persons", "Statistics"}, main_splitter_);
  folder_bar_->set_removal_approval(
      [this](FolderBar::Removal removal) { return approveRemoval(removal); });
  fillFolders();
  connect(folder_bar_, &FolderBar::folderSelected, this, [this](int folder) {
    if (tree_created_) tree_pane_->FillTree(FolderName(static_cast<Folder>(folder)));
  });
  connect(folder_bar_, &FolderBar::entryClicked, this,
          [this](const QString& text) { tree_pane_->SelectNodeByText(text); });
  main_splitter_->addWidget(folder_bar_);
  main_splitter_->addWidget(createRightPane());
  main_splitter_->setStretchFactor(1, 1);
  restorePaneWidths();
  for (QSplitter* splitter : {main_splitter_, tree_splitter_}) {
    connect(splitter, &QSplitter::splitterMoved, this, [this] {
      SavePaneWidths(
          store_, PaneWidths{main_splitter_->sizes().value(0), tree_splitter_->sizes().value(0)});
    });
  }
  setCentralWidget(main_splitter_);
}

// The widths the user left the panes at; else the folder bar takes a seventh of the window
// and the tree pane what its names need.
void MainWindow::restorePaneWidths() {
  const int width = std::max(this->width(), 1120);
  const PaneWidths widths =
      LoadPaneWidths(store_).value_or(PaneWidths{width / 7, tree_pane_->sizeHint().width()});
  main_splitter_->setSizes({widths.folder_bar, std::max(width - widths.folder_bar, 1)});
  tree_splitter_->setSizes({widths.tree, std::max(width - widths.folder_bar - widths.tree, 1)});
}

}  // namespace kestrune
