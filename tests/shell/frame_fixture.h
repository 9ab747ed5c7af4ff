#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>
#include <string>

#include "database/expense_database.h"
#include "shell/main_window.h"
#include "shell/qt_settings_store.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/failing_file_system.h"
#include "tests/support/temp_folder.h"

namespace kestrune::testing {

// A main frame on a temporary working folder, its preferences in an INI file there.
class FrameTest : public ::testing::Test {
 protected:
  FrameTest();
  ~FrameTest() override;

  std::string base() const { return work.path() + "/data/BASE"; }
  // Creates the database with what `fill` adds, before the frame exists.
  void Prepare(const std::function<void(ExpenseDatabase&)>& fill);
  // The household the tests share: categories Food (Bread, Milk) and Home (Rent), persons
  // Anna and Bob, purchases in 2024 February and 2024 March.
  void PrepareHousehold();
  // Queues what the user does in the next dialog the frame runs.
  void Then(std::function<void(QDialog&)> handler) {
    prompts.dialog_handlers.push_back(std::move(handler));
  }
  // Stores the category and item the next frame opens on.
  void StoreSelection(const std::string& category, const std::string& item) {
    store->Write("Status", "SelectedCat", category);
    store->Write("Status", "SelectedItem", item);
  }
  // Prints the view to a PDF file and expects a page with something on it.
  void ExpectPrints();
  // Opens the frame on the shared household with Food and `item` (or no item) selected.
  MainWindow& OpenHousehold(const std::string& item = "NULL") {
    PrepareHousehold();
    StoreSelection("Food", item);
    return Open();
  }
  // Builds and shows the frame and lets it settle.
  MainWindow& Open();
  // Closes and destroys the frame, which writes the preferences.
  void CloseFrame();
  // The window's action of that name ("actionAddPurchase"); a failure when there is none.
  QAction* Action(const char* name) const;
  // Triggers the action, as its menu entry, button or key does, and lets the frame settle.
  void Run(const char* action) {
    Action(action)->trigger();
    Settle();
  }
  void ShowFolder(int folder) {
    frame->folderBar()->selectFolder(folder);
    Settle();
  }
  // Runs the event loop until nothing is pending and the view shows its newest build.
  void Settle();

  // The tree's nodes in order as "text" lines, "*" after the current one.
  std::string TreeOutline() const;
  bool SelectNode(const std::string& text);
  // The actions of the item toolbar's buttons that are shown, in toolbar order.
  std::vector<std::string> VisibleItemButtons() const;
  std::string Setting(const std::string& key) const;

  TempFolder work;
  // The frame's disk (the real one unless a test makes it fail) and its clock.
  FailingFileSystem disk;
  FixedClock clock{std::chrono::sys_days{std::chrono::year{2024} / 3 / 31}};
  ScriptedPrompts prompts;
  std::unique_ptr<QtSettingsStore> store;
  std::unique_ptr<MainWindow> frame;
};

// The dialog's child widget of that name; a test failure when there is none.
template <class Widget>
Widget* Field(QDialog& dialog, const char* name) {
  auto* widget = dialog.findChild<Widget*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// Types `text` into the dialog's line or text box of that name, replacing what was there.
inline void Type(QDialog& dialog, const char* name, const QString& text) {
  if (auto* line = dialog.findChild<QLineEdit*>(name)) {
    line->setText(text);
  } else if (auto* box = dialog.findChild<QPlainTextEdit*>(name)) {
    box->setPlainText(text);
  } else {
    ADD_FAILURE() << "no field " << name;
  }
}

inline void Press(QDialog& dialog, const char* name = "submit") {
  Field<QPushButton>(dialog, name)->click();
}

// A name dialog answered with `name`.
inline std::function<void(QDialog&)> NamedAs(const char* name) {
  return [name](QDialog& d) {
    Type(d, "name", name);
    Press(d);
  };
}

}  // namespace kestrune::testing
