#pragma once

#include <QComboBox>
#include <QMainWindow>
#include <QSplitter>
#include <QSystemTrayIcon>
#include <QToolBar>
#include <map>
#include <span>
#include <string>

#include "shell/caption_bar.h"
#include "shell/command_actions.h"
#include "shell/folder_bar.h"
#include "shell/form_outcome.h"
#include "shell/window_model.h"
#include "shell/item_tree_view.h"
#include "shell/refresh_scheduler.h"
#include "shell/settings_store.h"
#include "shell/user_prompts.h"
#include "shell/view_host.h"

namespace kestrune {

class FormDialog;
class MainView;

// The main window. It owns the database and the view state (through its WindowModel), the
// menus and toolbars, the month chooser, the tray icon, the folder bar, the caption bar,
// the tree pane and the main view. Preferences are read when it is built and written once
// when it goes.
class MainWindow final : public QMainWindow, private TreeHost, private ViewHost {
  Q_OBJECT

 public:
  // Starts the database in `working_folder` through `fs` (see WindowModel::Start) and, when
  // that succeeded, builds the window; see started(). `fs` and `clock` must outlive it.
  MainWindow(SettingsStore& store, UserPrompts& prompts, const std::string& working_folder,
             FileSystem& fs, const Clock& clock);
  ~MainWindow() override;

  bool started() const { return started_; }
  // The status to end the program with when it did not start.
  int exit_status() const { return exit_status_; }

  WindowModel& model() { return model_; }
  ViewState& state() { return model_.state(); }
  const ViewState& state() const { return model_.state(); }
  ExpenseDatabase& db() { return model_.db(); }
  UserPrompts& prompts() { return prompts_; }
  RefreshScheduler& document() { return doc_; }
  FolderBar* folder_bar() const { return folder_bar_; }
  ItemTreeView* tree_pane() const { return tree_pane_; }
  CaptionBar* caption_bar() const { return caption_bar_; }
  QComboBox* month_chooser() const { return month_chooser_; }
  QToolBar* main_toolbar() const { return main_toolbar_; }
  QToolBar* item_toolbar() const { return item_toolbar_; }
  MainView* view() const { return view_; }
  const CommandActions& actions() const { return actions_; }
  bool tree_filled() const override { return tree_filled_; }

  // Shows the item toolbar's buttons of `kind` and applies the month filter again.
  void SetNodeKind(int kind) override;
  // The month filter: all months, or the month of the month chooser.
  void ShowAll();
  void ShowMonth();
  // The month argument of pages and charts: the chooser's position with Show 2, else -1.
  int MonthPosition() const;
  // Selects the folder bar's current folder again, which refills the tree.
  void ReselectFolder();
  // Runs a command of the menus and toolbars, by its id.
  void RunCommand(int id);
  // "Clear data base" and "Delete all purchases": no question asked; the month chooser is
  // emptied and the tree refilled.
  void ClearDatabase();
  void DeleteAllPurchases();
  // Shows a failed change to the user; true when it succeeded.
  bool TellFailure(const Status& status);
  // Ends the program after `message` without saving the preferences: the page file could
  // not be written.
  void Abandon(const std::string& message);
  bool office_xp_look() const { return office_xp_look_; }
  // What the dialogs work on.
  FormContext form() { return FormContext{db(), state(), prompts_}; }
  // Runs an entry dialog and shows anew what it changed.
  void RunForm(FormDialog& dialog);
  // Shows anew what a dialog or a page link changed.
  void Apply(const Afterwards& afterwards);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // TreeHost
  ViewState& view_state() override { return model_.state(); }
  const ExpenseDatabase& database() const override { return model_.db(); }
  void NodeSelected(const QString& text, int image) override;
  // ViewHost (main_window_view_host.cpp); prompts() and form() are the public ones.
  const ViewState& viewState() const override { return model_.state(); }
  const ExpenseDatabase& book() const override { return model_.db(); }
  const ShellPaths& paths() const override { return model_.paths(); }
  int pageMonth() const override { return MonthPosition(); }
  int monthChooserPosition() const override;
  QTreeWidget& navigationTree() override;
  Folder currentFolder() const override;
  void setCaption(const QString& text, const QIcon& icon) override;
  void runForm(FormDialog& dialog) override { RunForm(dialog); }
  void apply(const Afterwards& afterwards) override { Apply(afterwards); }
  void selectNode(const QString& text, const QString& parentText) override;
  void abandon(const std::string& message) override { Abandon(message); }
  void requestCommand(ViewCommand command) override;
  // Says in the status bar whether the book is being backed up or the view built.
  void showBusy();

  void createMenus();
  QMenu* createMenu(const QString& title, std::span<const int> entries);
  void createToolbars();
  QToolBar* createToolbar(const QString& title, const char* name, std::span<const int> buttons);
  void addDropDown(int id, std::span<const int> menu_entries, const QString& menu_title);
  void createStatusBar();
  void createTrayIcon();
  void createMonthChooser();
  // Fills the month chooser from the months and selects `month` (the first month when the
  // chooser lacks it).
  void fillMonthChooser(const std::string& month);
  void createClientArea();
  void restorePaneWidths();
  QWidget* createRightPane();
  void fillFolders();
  bool approveRemoval(FolderBar::Removal removal);
  void setTreePaneHidden(bool hidden);
  void applyShow(int show);
  void firstShown();
  bool runSettingCommand(int id);
  bool runStatisticsCommand(int id);
  bool runDialogCommand(int id);
  // File › Check data base: the integrity report, with its repair.
  void runCheckDatabase();
  // Check marks, and which commands have something to act on.
  void updateCommandChecks();
  void showItemButtons();
  void print();
  void printPreview();

  // The exit status of a program ended by Abandon.
  static constexpr int kAbandonedStatus = 255;

  SettingsStore& store_;
  UserPrompts& prompts_;
  WindowModel model_;
  RefreshScheduler doc_;
  CommandActions actions_;
  std::map<int, QAction*> item_buttons_;
  bool started_ = false;
  int exit_status_ = 0;
  bool tree_created_ = false;
  bool tree_filled_ = false;
  bool view_created_ = false;
  bool closing_ = false;
  bool first_show_done_ = false;
  bool abandoned_ = false;
  bool office_xp_look_ = true;

  QToolBar* main_toolbar_ = nullptr;
  QToolBar* item_toolbar_ = nullptr;
  QComboBox* month_chooser_ = nullptr;
  QSystemTrayIcon* tray_ = nullptr;
  QSplitter* main_splitter_ = nullptr;
  QSplitter* tree_splitter_ = nullptr;
  FolderBar* folder_bar_ = nullptr;
  CaptionBar* caption_bar_ = nullptr;
  ItemTreeView* tree_pane_ = nullptr;
  MainView* view_ = nullptr;
};

}  // namespace kestrune
