// The commands of the main window: one action each, created once, and the slots of the
// exclusive choices, whose checked action is the view state's value.
#include <QStatusBar>
#include <algorithm>
#include <tuple>

#include "shell/main_window.h"
#include "shell/office_look.h"
#include "shell/shell_icons.h"

namespace kestrune {
namespace {

using charts::ChartStyle;

// The value the checked action of `group` carries.
template <class Enum>
Enum CheckedValue(const QActionGroup* group) {
  return static_cast<Enum>(group->checkedAction()->data().toInt());
}

template <class Enum>
void CheckValue(QActionGroup* group, Enum value) {
  for (QAction* action : group->actions()) {
    if (action->data().toInt() == static_cast<int>(value)) action->setChecked(true);
  }
}

// A toolbar button's text and tooltip, where they differ from the menu's.
void SetButtonText(QAction* action, const QString& text) {
  action->setIconText(text);
  action->setToolTip(text);
}

}  // namespace

template <class Slot>
QAction* MainWindow::createAction(const char* name, const QString& text, const QString& statusTip,
                                  Slot slot) {
  auto* action = new QAction(text, this);
  action->setObjectName(name);
  action->setStatusTip(statusTip);
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void MainWindow::createActions() {
  createFileActions();
  createEditActions();
  createViewActions();
  createChartActions();
}

void MainWindow::createFileActions() {
  Actions& a = actions_;
  a.clearDatabase =
      createAction("actionClearDatabase", tr("&Clear data base"),
                   tr("Delete all information from data base"), &MainWindow::clearDatabase);
  a.deleteAllPurchases = createAction("actionDeleteAllPurchases", tr("&Delete all purchases"),
                                      tr("Delete all purchases"), &MainWindow::deleteAllPurchases);
  a.settings = createAction("actionSettings", tr("&Settings..."), tr("Change settings"),
                            &MainWindow::showSettings);
  a.checkDatabase =
      createAction("actionCheckDatabase", tr("Chec&k data base..."),
                   tr("Check every total against the purchases and repair what differs"),
                   &MainWindow::checkDatabase);
  a.restoreBackup = createAction("actionRestoreBackup", tr("&Restore backup..."),
                                 tr("Replace the book with one of its dated backups"),
                                 &MainWindow::restoreBackup);
  a.exportBook = createAction("actionExport", tr("&Export..."),
                              tr("Write the purchases to a CSV file or an accounting journal"),
                              &MainWindow::exportBook);
  a.importCsv = createAction("actionImport", tr("&Import..."),
                             tr("Record the purchases of a CSV file"), &MainWindow::importCsv);
  a.shareWithHousehold = createAction("actionShareWithHousehold", tr("Share with &household..."),
                                      tr("Let the household record purchases from their phones"),
                                      &MainWindow::shareWithHousehold);
  a.print = createAction("actionPrint", tr("&Print..."), tr("Print what the view shows"),
                         &MainWindow::print);
  a.print->setShortcut(QKeySequence::Print);
  // Printing without the dialog's detour has no entry of its own; it prints alike.
  a.printDirect = createAction("actionPrintDirect", QString(), tr("Print what the view shows"),
                               &MainWindow::print);
  addAction(a.printDirect);
  a.printPreview = createAction("actionPrintPreview", tr("Print pre&view"),
                                tr("Show how the view will be printed"), &MainWindow::printPreview);
  a.exit = createAction("actionExit", tr("E&xit"), tr("Quit Kestrune"), &MainWindow::close);
  // Desktops without a quit key of their own get the usual one.
  const QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
  a.exit->setShortcut(quit.isEmpty() ? QKeySequence(tr("Ctrl+Q")) : quit.front());
}

void MainWindow::createEditActions() {
  Actions& a = actions_;
  // Their texts name the change; updateHistoryActions() sets them.
  a.undo = createAction("actionUndo", tr("&Undo"), QString(), &MainWindow::undo);
  a.undo->setShortcut(QKeySequence::Undo);
  a.redo = createAction("actionRedo", tr("&Redo"), QString(), &MainWindow::redo);
  a.redo->setShortcut(QKeySequence(tr("Ctrl+Shift+Z")));
  a.addPerson =
      createAction("actionAddPerson", tr("&Add person"), tr("Add person"), &MainWindow::addPerson);
  SetButtonText(a.addPerson, tr("Add person"));
  a.editPerson = createAction("actionEditPerson", tr("&Edit person"), tr("Edit person information"),
                              &MainWindow::editPerson);
  SetButtonText(a.editPerson, tr("Edit person information"));
  a.deletePerson = createAction("actionDeletePerson", tr("&Delete person"), tr("Delete person"),
                                &MainWindow::deletePerson);
  SetButtonText(a.deletePerson, tr("Delete person"));
  a.addCategory = createAction("actionAddCategory", tr("Add expense &category"),
                               tr("Add expense category"), &MainWindow::addCategory);
  SetButtonText(a.addCategory, tr("Add expense category"));
  a.editCategory = createAction("actionEditCategory", tr("Edit expense cate&gory"),
                                tr("Edit expense category"), &MainWindow::editCategory);
  SetButtonText(a.editCategory, tr("Edit expense category"));
  a.deleteCategory = createAction("actionDeleteCategory", tr("Delete expense ca&tegory"),
                                  tr("Delete expense category"), &MainWindow::deleteCategory);
  SetButtonText(a.deleteCategory, tr("Delete expense category"));
  a.addItem = createAction("actionAddItem", tr("Add expense &item"), tr("Add expense item"),
                           &MainWindow::addItem);
  SetButtonText(a.addItem, tr("Add expense item"));
  a.editItem = createAction("actionEditItem", tr("Edit expense ite&m"), tr("Edit expense item"),
                            &MainWindow::editItem);
  SetButtonText(a.editItem, tr("Edit expense item"));
  a.deleteItem = createAction("actionDeleteItem", tr("De&lete expense item"),
                              tr("Delete expense item"), &MainWindow::deleteItem);
  SetButtonText(a.deleteItem, tr("Delete expense item"));
  a.addPurchase = createAction("actionAddPurchase", tr("Add purchase"), tr("Add purchase"),
                               &MainWindow::addPurchase);
  a.addPurchase->setShortcut(QKeySequence::New);
  a.find = createAction("actionFind", tr("&Find..."),
                        tr("Find purchases by words, person, days and sums"), &MainWindow::find);
  a.find->setShortcut(QKeySequence::Find);
  a.find->setIcon(CommandIcon("find"));
  for (auto [action, artwork, badge] : {std::tuple{a.addPerson, "person", Badge::kAdd},
                                        {a.editPerson, "person", Badge::kEdit},
                                        {a.deletePerson, "person", Badge::kDelete},
                                        {a.addCategory, "category", Badge::kAdd},
                                        {a.editCategory, "category", Badge::kEdit},
                                        {a.deleteCategory, "category", Badge::kDelete},
                                        {a.addItem, "item", Badge::kAdd},
                                        {a.editItem, "item", Badge::kEdit},
                                        {a.deleteItem, "item", Badge::kDelete},
                                        {a.addPurchase, "coins", Badge::kAdd}}) {
    action->setIcon(CommandIcon(artwork, badge));
  }
}

void MainWindow::createViewActions() {
  Actions& a = actions_;
  a.statusBar =
      createAction("actionStatusBar", tr("&Status Bar"), tr("Show or hide the status bar"),
                   [this](bool shown) { statusBar()->setVisible(shown); });
  a.refresh = createAction("actionRefresh", tr("&Refresh"), tr("Show the tree and the view anew"),
                           &MainWindow::reselectFolder);
  a.refresh->setShortcut(QKeySequence::Refresh);
  a.officeXpLook = createAction("actionOfficeXpLook", tr("Office-&XP Look"),
                                tr("Enable or disable Office-XP Look"), &ApplyOfficeXpLook);
  a.officeXpLook->setToolTip(tr("Toggle XP Look"));
  for (QAction* option : {a.statusBar, a.officeXpLook}) {
    option->setCheckable(true);
    option->setChecked(true);
  }
  a.help =
      createAction("actionHelp", tr("&Help"), tr("Show how to use Kestrune"), &MainWindow::help);
  a.help->setShortcut(QKeySequence::HelpContents);
  a.about = createAction("actionAbout", tr("&About Kestrune..."),
                         tr("Show the program's name and version"), &MainWindow::about);

  a.viewCategoryStatistics =
      createAction("actionViewCategoryStatistics", tr("View &category's statistics"),
                   tr("View category's statistics"), &MainWindow::chooseStatisticView);
  SetButtonText(a.viewCategoryStatistics, tr("View category's statistics"));
  a.viewItemStatisticsFolder =
      createAction("actionViewItemStatisticsFolder", tr("View &item's statistics"),
                   tr("View item's statistics"), &MainWindow::chooseStatisticView);
  SetButtonText(a.viewItemStatisticsFolder, tr("View item's statistics"));
  a.viewPersonStatistics =
      createAction("actionViewPersonStatistics", tr("View &person's statistics"),
                   tr("View person's statistics"), &MainWindow::chooseStatisticView);
  SetButtonText(a.viewPersonStatistics, tr("View person's statistics"));
  a.viewMonthStatistics =
      createAction("actionViewMonthStatistics", tr("View &statistics by months"),
                   tr("View statistics by month"), &MainWindow::chooseStatisticView);
  SetButtonText(a.viewMonthStatistics, tr("View statistics by months"));
  statisticViewGroup_ =
      createGroup({{a.viewCategoryStatistics, static_cast<int>(StatisticView::Categories)},
                   {a.viewItemStatisticsFolder, static_cast<int>(StatisticView::Items)},
                   {a.viewPersonStatistics, static_cast<int>(StatisticView::Persons)},
                   {a.viewMonthStatistics, static_cast<int>(StatisticView::Months)}});

  a.viewItemList = createAction("actionViewItemList", tr("View list of bought items"),
                                tr("View list of bought items"), &MainWindow::chooseItemView);
  a.viewItemPersons = createAction("actionViewItemPersons", tr("View person's statistics"),
                                   tr("View person's statistics"), &MainWindow::chooseItemView);
  a.viewItemStatistics = createAction("actionViewItemStatistics", tr("View statistics"),
                                      tr("View item statistics"), &MainWindow::chooseItemView);
  itemViewGroup_ = createGroup({{a.viewItemList, static_cast<int>(ItemView::List)},
                                {a.viewItemPersons, static_cast<int>(ItemView::Persons)},
                                {a.viewItemStatistics, static_cast<int>(ItemView::Statistics)}});
  for (auto [action, artwork] : {std::pair{a.viewCategoryStatistics, "statistics"},
                                 {a.viewItemStatisticsFolder, "statistics"},
                                 {a.viewPersonStatistics, "pie"},
                                 {a.viewMonthStatistics, "months"},
                                 {a.viewItemList, "list"},
                                 {a.viewItemPersons, "pie"},
                                 {a.viewItemStatistics, "statistics"}}) {
    action->setIcon(CommandIcon(artwork));
  }
}

void MainWindow::createChartActions() {
  Actions& a = actions_;
  a.showAll = createAction("actionShowAll", tr("all"), tr("Show information for all months"),
                           &MainWindow::showAllMonths);
  a.showMonth = createAction("actionShowMonth", tr("month"),
                             tr("Show information only for one month"), &MainWindow::showOneMonth);
  monthFilterGroup_ = createGroup({{a.showAll, static_cast<int>(MonthFilter::AllMonths)},
                                   {a.showMonth, static_cast<int>(MonthFilter::OneMonth)}});
  const auto totals = [this](const char* name, const QString& text, const QString& tip,
                             ChartStyle style) {
    return std::pair{createAction(name, text, tip, &MainWindow::chooseTotalsChart),
                     static_cast<int>(style)};
  };
  const auto months = [this](const char* name, const QString& text, const QString& tip,
                             ChartStyle style) {
    return std::pair{createAction(name, text, tip, &MainWindow::chooseMonthsChart),
                     static_cast<int>(style)};
  };
  totalsChartGroup_ = createGroup(
      {totals("actionBarChart", tr("Bar chart"), tr("Set bar chart view"), ChartStyle::kBar),
       totals("actionPieChart", tr("Pie chart"), tr("Set pie chart view"), ChartStyle::kPie),
       totals("actionBar3dChart", tr("3D bar chart"), tr("Set 3D bar chart view"),
              ChartStyle::kBar3d),
       totals("actionPie3dChart", tr("3D pie chart"), tr("Set 3D pie chart view"),
              ChartStyle::kPie3d)});
  monthsChartGroup_ = createGroup(
      {months("actionLineGraph", tr("Line graph"), tr("View statistics by months as line graph"),
              ChartStyle::kLine),
       months("actionStackedBarChart", tr("Stacked bar chart"),
              tr("View statistics by months as stacked bar"), ChartStyle::kStackedBar),
       months("actionLine3dGraph", tr("3D line graph"),
              tr("View statistics by months as 3D line graph"), ChartStyle::kLine3d),
       months("actionStackedBar3dChart", tr("3D stacked bar chart"),
              tr("View statistics by months as 3D stacked bar chart"), ChartStyle::kStackedBar3d)});
  const QList<QAction*> t = totalsChartGroup_->actions();
  const QList<QAction*> m = monthsChartGroup_->actions();
  std::tie(a.barChart, a.pieChart, a.bar3dChart, a.pie3dChart) = std::tuple{t[0], t[1], t[2], t[3]};
  std::tie(a.lineGraph, a.stackedBarChart, a.line3dGraph, a.stackedBar3dChart) =
      std::tuple{m[0], m[1], m[2], m[3]};
}

QActionGroup* MainWindow::createGroup(const std::vector<std::pair<QAction*, int>>& members) {
  auto* group = new QActionGroup(this);
  for (const auto& [action, value] : members) {
    action->setCheckable(true);
    action->setData(value);
    group->addAction(action);
  }
  return group;
}

void MainWindow::chooseTotalsChart() {
  state().totalsChart = CheckedValue<ChartStyle>(totalsChartGroup_);
  document_.RefreshViews();
}

void MainWindow::chooseMonthsChart() {
  state().monthsChart = CheckedValue<ChartStyle>(monthsChartGroup_);
  document_.RefreshViews();
}

void MainWindow::chooseItemView() {
  state().itemView = CheckedValue<ItemView>(itemViewGroup_);
  document_.RefreshViews();
}

// A statistics command opens the Statistics folder at the root of its statistic.
void MainWindow::chooseStatisticView() {
  static constexpr const char* kRoots[] = {kCategoryStatisticsNode, kItemStatisticsNode,
                                           kPersonStatisticsNode, kMonthStatisticsNode};
  const auto view = CheckedValue<StatisticView>(statisticViewGroup_);
  setNodeKind(NodeKind::Statistics);
  folderBar_->selectFolder(static_cast<int>(Folder::kStatistics));
  state().statisticView = view;
  treePane_->selectNodeByText(kRoots[static_cast<int>(view)]);
  showStateInActions();
}

void MainWindow::showStateInActions() {
  const ViewState& viewState = state();
  CheckValue(monthFilterGroup_, viewState.monthFilter);
  CheckValue(totalsChartGroup_, viewState.totalsChart);
  CheckValue(monthsChartGroup_, viewState.monthsChart);
  CheckValue(itemViewGroup_, viewState.itemView);
  CheckValue(statisticViewGroup_, viewState.statisticView);
}

// The item toolbar shows the buttons of the node kind that have something to act on.
void MainWindow::updateActions() {
  const Actions& a = actions_;
  for (QAction* action : {a.editCategory, a.deleteCategory, a.addItem}) {
    action->setEnabled(db().HasCategories());
  }
  for (QAction* action : {a.editItem, a.deleteItem, a.addPurchase}) {
    action->setEnabled(db().HasItems());
  }
  for (QAction* action : {a.editPerson, a.deletePerson}) action->setEnabled(db().HasPersons());
  const std::vector<QAction*> kindButtons[] = {
      {a.editCategory, a.deleteCategory, a.editItem, a.deleteItem},
      {a.viewItemList, a.viewItemPersons, a.viewItemStatistics, a.addPurchase},
      {a.editPerson, a.deletePerson},
      {a.viewCategoryStatistics, a.viewItemStatisticsFolder, a.viewPersonStatistics,
       a.viewMonthStatistics}};
  const std::vector<QAction*>& shown = kindButtons[static_cast<int>(state().nodeKind)];
  for (const auto& [command, button] : itemButtons_) {
    button->setVisible(command->isEnabled() &&
                       std::find(shown.begin(), shown.end(), command) != shown.end());
  }
}

}  // namespace kestrune
