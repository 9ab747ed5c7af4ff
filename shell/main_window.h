#pragma once

#include <QActionGroup>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QSplitter>
#include <QSystemTrayIcon>
#include <QToolBar>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "database/purchase_finder.h"
#include "server/household_server.h"
#include "shell/book_exchange.h"
#include "shell/caption_bar.h"
#include "shell/folder_bar.h"
#include "shell/form_outcome.h"
#include "shell/item_tree_view.h"
#include "shell/refresh_scheduler.h"
#include "shell/settings_store.h"
#include "shell/user_prompts.h"
#include "shell/view_host.h"
#include "shell/window_model.h"

namespace kestrune {

class FindPanel;
class FormDialog;
class MainView;

// The main window. It owns the database and the view state (through its WindowModel), the
// household server that shares the book while the user lets it, the commands (one QAction each,
// shared by the menus, the toolbars, the tray icon and the shortcuts), the month chooser, the
// folder bar, the caption bar, the tree pane and the main view. Preferences are read when it is
// built and written, with its geometry, when it closes.
class MainWindow final : public QMainWindow, private TreeHost, private ViewHost {
  Q_OBJECT

 public:
  // Starts the database in `working_folder` through `fs` (see WindowModel::Start) and, when
  // that succeeded, builds the window; see started(). `fs` and `clock` must outlive it.
  MainWindow(SettingsStore& store, UserPrompts& prompts, const std::string& working_folder,
             FileSystem& fs, const Clock& clock);
  // A search of the Find panel still running reads through the book's disk: it ends first.
  ~MainWindow() override;

  bool started() const { return started_; }
  // The status to end the program with when it did not start.
  int exitStatus() const { return exitStatus_; }

  WindowModel& model() { return model_; }
  ViewState& state() { return model_.state(); }
  const ViewState& state() const { return model_.state(); }
  ExpenseDatabase& db() { return model_.db(); }
  UserPrompts& prompts() override { return prompts_; }
  RefreshScheduler& document() { return document_; }
  FolderBar* folderBar() const { return folderBar_; }
  ItemTreeView* treePane() const { return treePane_; }
  CaptionBar* captionBar() const { return captionBar_; }
  QComboBox* monthChooser() const { return monthChooser_; }
  MainView* view() const { return view_; }
  bool treeFilled() const override { return treeFilled_; }

  // Shows the item toolbar's buttons of `kind` and applies the month filter again.
  void setNodeKind(NodeKind kind) override;
  // The month argument of pages and charts: the chooser's position with the one-month
  // filter, else -1.
  int monthPosition() const;
  // Selects the folder bar's current folder again, which refills the tree.
  void reselectFolder();
  // Shows a failed change to the user; true when it succeeded.
  bool tellFailure(const Status& status);
  // Ends the program after `message` without saving the preferences: the page file could
  // not be written.
  void abandon(const std::string& message) override;
  // What the dialogs work on.
  FormContext form() override { return FormContext{db(), state(), prompts_}; }
  // Runs an entry dialog and shows anew what it changed.
  void runForm(FormDialog& dialog) override;
  // Shows anew what a dialog or a page link changed.
  void apply(const Afterwards& afterwards) override;
  // File > Export and File > Import ask for files through `chooser` (the desktop's file
  // dialogs until then); it must outlive the window.
  void setFileChooser(FileChooser& chooser);
  // The panel of Edit > Find; null until it was first opened.
  FindPanel* findPanel() const { return findPanel_; }
  // Shows the page of the purchase's item, with the purchase's month in the month chooser,
  // and the Categories folder with the item chosen; a purchase whose item is gone is told in
  // the status bar (main_window_find.cpp).
  void showFoundPurchase(const FoundPurchase& found);

 public slots:
  // The month filter: all months, or the month of the month chooser.
  void showAllMonths();
  void showOneMonth();
  // "Clear data base" and "Delete all purchases": no question asked; the month chooser is
  // emptied and the tree refilled.
  void clearDatabase();
  void deleteAllPurchases();
  // While the view builds a page or chart: a busy cursor and a moving bar in the status bar.
  void showBusy(bool busy);

 protected:
  void showEvent(QShowEvent* event) override;
  // Writes the preferences, the window's geometry and the splitters' states.
  void closeEvent(QCloseEvent* event) override;

 private slots:
  void addPurchase();
  void addCategory();
  void addItem();
  void addPerson();
  void editCategory();
  void editItem();
  void editPerson();
  void deleteCategory();
  void deleteItem();
  void deletePerson();
  void showSettings();
  void checkDatabase();
  void restoreBackup();
  void exportBook();
  void importCsv();
  void find();
  void shareWithHousehold();
  void undo();
  void redo();
  void print();
  void printPreview();
  void about();
  void help();
  void chooseTotalsChart();
  void chooseMonthsChart();
  void chooseItemView();
  void chooseStatisticView();

 private:
  // TreeHost
  ViewState& viewState() override { return model_.state(); }
  const ExpenseDatabase& database() const override { return model_.db(); }
  void nodeSelected(const QString& text, int image) override;
  // ViewHost (main_window_view_host.cpp); prompts(), form(), runForm(), apply() and abandon()
  // are the public ones.
  const ViewState& viewState() const override { return model_.state(); }
  const ExpenseDatabase& book() const override { return model_.db(); }
  const ShellPaths& paths() const override { return model_.paths(); }
  int pageMonth() const override { return monthPosition(); }
  int monthChooserPosition() const override;
  QTreeWidget& navigationTree() override;
  Folder currentFolder() const override;
  void setCaption(const QString& text, const QIcon& icon) override;
  void selectNode(const QString& text, const QString& parentText) override;
  void requestCommand(ViewCommand command) override;
  // Busy while the start's backup runs or the view builds.
  void updateBusy();

  // The commands, one action each.
  struct Actions {
    QAction *clearDatabase, *deleteAllPurchases, *settings, *checkDatabase, *print, *printDirect,
        *printPreview, *restoreBackup, *exportBook, *importCsv, *shareWithHousehold, *exit;
    QAction *undo, *redo, *find;
    QAction *addPerson, *editPerson, *deletePerson, *addCategory, *editCategory, *deleteCategory,
        *addItem, *editItem, *deleteItem, *addPurchase;
    QAction *statusBar, *refresh, *viewCategoryStatistics, *viewItemStatisticsFolder,
        *viewPersonStatistics, *viewMonthStatistics, *showAll, *showMonth;
    QAction *barChart, *pieChart, *bar3dChart, *pie3dChart, *lineGraph, *stackedBarChart,
        *line3dGraph, *stackedBar3dChart;
    QAction *viewItemList, *viewItemPersons, *viewItemStatistics, *officeXpLook, *help, *about;
  };

  // An action named `name` with its menu text and status tip, triggering `slot`.
  template <class Slot>
  QAction* createAction(const char* name, const QString& text, const QString& statusTip, Slot slot);
  void createActions();
  void createFileActions();
  void createEditActions();
  void createViewActions();
  void createChartActions();
  // An exclusive group of checkable actions, each carrying its value in data().
  QActionGroup* createGroup(const std::vector<std::pair<QAction*, int>>& members);
  void createMenus();
  void createToolBars();
  QToolBar* createToolBar(const QString& title, const char* name);
  QToolButton* createDropDown(const QString& text, const QString& statusTip, const char* artwork,
                              QMenu* menu);
  void addItemButton(QAction* action);
  void createStatusBar();
  void createTrayIcon();
  void createMonthChooser();
  // Fills the month chooser from the months and selects `month` (the first month when the
  // chooser lacks it).
  void fillMonthChooser(const std::string& month);
  void createClientArea();
  QWidget* createRightPane();
  void restoreLayout();
  void saveSettings();
  void fillFolders();
  bool approveRemoval(FolderBar::Removal removal);
  void setTreePaneHidden(bool hidden);
  void applyMonthFilter(MonthFilter filter);
  void firstShown();
  // The groups' check marks follow the view state after it changed elsewhere (the tree).
  void showStateInActions();
  // Commands with nothing to act on are disabled, and their item toolbar buttons hidden.
  void updateActions();
  // Undo and Redo name the change they would take back or make again, or are disabled.
  // Reads the undo folder: called after changes, not on every refresh.
  void updateHistoryActions();
  // After an undo or redo: the refusal told, or the whole window shown anew on what the
  // change touched (main_window_history.cpp).
  void followChange(const Result<ChangeFocus>& applied);
  // The household server, made stopped, on the window's own book (main_window_household.cpp).
  void createHousehold();
  // After a member changed the book over the household server: the month chooser, the tree
  // when the months changed, the view and Undo/Redo shown anew, the selection kept.
  void followHouseholdChange();
  // The status bar's note of the address while the book is shared.
  void showSharing();
  // The Find panel in a dock under the view, made when first asked for.
  void createFindPanel();

  // The exit status of a program ended by abandon().
  static constexpr int kAbandonedStatus = 255;

  SettingsStore& store_;
  UserPrompts& prompts_;
  WindowModel model_;
  RefreshScheduler document_;
  // Declared after the model: it goes before the book it serves.
  std::unique_ptr<server::HouseholdServer> household_;
  Actions actions_{};
  QtFileChooser desktopChooser_;
  FileChooser* fileChooser_ = &desktopChooser_;
  QActionGroup* monthFilterGroup_ = nullptr;
  QActionGroup* totalsChartGroup_ = nullptr;
  QActionGroup* monthsChartGroup_ = nullptr;
  QActionGroup* itemViewGroup_ = nullptr;
  QActionGroup* statisticViewGroup_ = nullptr;
  QMenu* showMenu_ = nullptr;
  QMenu* graphMenu_ = nullptr;
  // The item toolbar's place of each command button, shown for its node kind only.
  std::vector<std::pair<QAction*, QAction*>> itemButtons_;
  bool started_ = false;
  int exitStatus_ = 0;
  bool treeCreated_ = false;
  bool treeFilled_ = false;
  bool viewCreated_ = false;
  bool closing_ = false;
  bool firstShowDone_ = false;
  bool abandoned_ = false;
  bool geometryRestored_ = false;
  bool busy_ = false;

  QToolBar* mainToolBar_ = nullptr;
  QToolBar* itemToolBar_ = nullptr;
  QToolButton* showButton_ = nullptr;
  QToolButton* chartButton_ = nullptr;
  QComboBox* monthChooser_ = nullptr;
  QProgressBar* busyBar_ = nullptr;
  QLabel* sharingNote_ = nullptr;
  QSystemTrayIcon* tray_ = nullptr;
  QSplitter* mainSplitter_ = nullptr;
  QSplitter* treeSplitter_ = nullptr;
  FolderBar* folderBar_ = nullptr;
  CaptionBar* captionBar_ = nullptr;
  ItemTreeView* treePane_ = nullptr;
  MainView* view_ = nullptr;
  QDockWidget* findDock_ = nullptr;
  FindPanel* findPanel_ = nullptr;
};

}  // namespace kestrune
