#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "shell/link_commands.h"
#include "shell/main_view.h"
#include "tests/shell/frame_fixture.h"

namespace kestrune {
namespace {

using testing::FrameTest;

using Names = std::vector<std::string>;

TEST_F(FrameTest, StartsANewEmptyDatabaseInAFreshWorkingFolder) {
  namespace fs = std::filesystem;
  store->Write("Status", "SelectedMonth", "2023 May");
  // What a killed page write left behind: only its own temporaries go.
  const std::string data = work.path() + "/data/";
  work.Write("data/.kestrune-tmp-a1B2c3", "<html>half a page");
  work.Write("data/.kestrune-tmp-dir/kept", "");
  work.Write("elsewhere/kept", "x");
  fs::create_symlink(work.path() + "/elsewhere/kept", data + ".kestrune-tmp-link");
  work.Write("data/notes.kestrune-tmp-", "mine");
  MainWindow& main = Open();
  EXPECT_FALSE(work.Exists("data/.kestrune-tmp-a1B2c3"));
  EXPECT_TRUE(work.Exists("data/.kestrune-tmp-dir/kept"));
  EXPECT_TRUE(fs::is_symlink(data + ".kestrune-tmp-link"));
  EXPECT_EQ(work.Read("elsewhere/kept"), "x");
  EXPECT_EQ(work.Read("data/notes.kestrune-tmp-"), "mine");
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(work.Read("data/BASE/KSDBMonths.txt"), "");
  EXPECT_TRUE(work.Exists("data/2.css"));  // the page assets beside the page file
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_EQ(TreeOutline(), "");
  // Nothing to edit or delete yet: the commands are disabled, their buttons hidden, the
  // view greets the user.
  EXPECT_EQ(VisibleItemButtons(), Names{});
  EXPECT_FALSE(Action("actionEditCategory")->isEnabled() || Action("actionAddItem")->isEnabled() ||
               Action("actionAddPurchase")->isEnabled() || Action("actionEditPerson")->isEnabled());
  EXPECT_TRUE(Action("actionAddCategory")->isEnabled());
  EXPECT_EQ(main.monthPosition(), -1);
  EXPECT_EQ(main.captionBar()->text(), "Welcome");
  EXPECT_NE(work.Read("data/temp.tmp").find("href=\"Add expense category\""), std::string::npos);
  Then(testing::NamedAs("Food"));
  Run("actionAddCategory");  // the commands follow the catalogue at once
  EXPECT_TRUE(Action("actionEditCategory")->isEnabled());
  EXPECT_FALSE(Action("actionEditItem")->isEnabled());
  EXPECT_EQ(VisibleItemButtons(), (Names{"actionEditCategory", "actionDeleteCategory"}));
  // An empty month chooser leaves the stored month.
  CloseFrame();
  EXPECT_EQ(Setting("Status/SelectedMonth"), "2023 May");
  EXPECT_EQ(Setting("Status/SelectedPerson"), "NULL");
  EXPECT_EQ(Setting("Status/SelectedStatisticMenu"), "NULL");
}

// The folder bar's entries select and refill, and ask before anything goes; tree nodes set
// the view state and the shown commands, fold the other persons and keep a pair's toggle.
TEST_F(FrameTest, SelectingFromTheFolderBarOrTheTreeSetsTheViewStateAndTheCommands) {
  PrepareHousehold();
  MainWindow& main = Open();
  emit main.folderBar()->entryClicked("Home");
  Settle();
  EXPECT_EQ(main.state().selectedCategory, "Home");
  // Removing a shortcut or a folder asks first.
  prompts.answers = {false};
  main.folderBar()->removeEntryIfApproved(0, 0);
  EXPECT_EQ(main.folderBar()->entryCount(0), 2);
  EXPECT_EQ(prompts.asked.back(), "Are you sure you want to remove this folder shortcut?");
  main.folderBar()->removeEntryIfApproved(0, 0);
  EXPECT_EQ(main.folderBar()->entryText(0, 0), "Home");
  prompts.answers = {false};
  main.folderBar()->hideFolderIfApproved(1);
  EXPECT_EQ(prompts.asked.back(), "Are you sure you want to remove the specified folder?");
  EXPECT_FALSE(main.folderBar()->isFolderHidden(1));
  ASSERT_TRUE(main.db().AddCategory("Garden", "").ok());
  main.reselectFolder();
  Settle();
  EXPECT_EQ(TreeOutline(), "Food\n  Bread\n  Milk\nGarden\nHome *\n  Rent\n");

  ASSERT_TRUE(SelectNode("Rent"));
  EXPECT_EQ(main.state().selectedCategory + "/" + main.state().selectedItem, "Home/Rent");
  EXPECT_EQ(VisibleItemButtons(), (Names{"actionViewItemList", "actionViewItemPersons",
                                         "actionViewItemStatistics", "actionAddPurchase"}));
  ASSERT_TRUE(SelectNode("Food"));
  EXPECT_EQ(VisibleItemButtons(), (Names{"actionEditCategory", "actionEditItem",
                                         "actionDeleteCategory", "actionDeleteItem"}));

  ShowFolder(1);
  EXPECT_EQ(VisibleItemButtons(), (Names{"actionEditPerson", "actionDeletePerson"}));
  QTreeWidget* tree = main.treePane()->tree();
  ASSERT_TRUE(SelectNode("2024 March"));  // the first month node: under Anna
  EXPECT_EQ(main.state().selectedPerson, "Anna");
  EXPECT_EQ(main.state().selectedPersonMenuChild, "2024 March");
  EXPECT_EQ(main.captionBar()->text(), "2024 March");
  ASSERT_TRUE(SelectNode("Bob"));  // selecting a person folds the others
  EXPECT_FALSE(tree->topLevelItem(0)->isExpanded());
  EXPECT_TRUE(tree->topLevelItem(1)->isExpanded());
  main.reselectFolder();  // a refill expands the selected person only
  Settle();
  EXPECT_FALSE(tree->topLevelItem(0)->isExpanded());
  EXPECT_EQ(tree->currentItem()->text(0), "Bob");

  // In the Statistics folder the selected root checks its statistics command.
  ShowFolder(2);
  EXPECT_EQ(VisibleItemButtons(),
            (Names{"actionViewCategoryStatistics", "actionViewItemStatisticsFolder",
                   "actionViewPersonStatistics", "actionViewMonthStatistics"}));
  ASSERT_TRUE(SelectNode("Statistics by months"));
  EXPECT_EQ(main.state().statisticView, StatisticView::Months);
  EXPECT_TRUE(Action("actionViewMonthStatistics")->isChecked());
  EXPECT_FALSE(Action("actionViewCategoryStatistics")->isChecked());

  // A toggle choice belongs to the pair, not to the node.
  const auto click = [&](const char* text) {
    for (QPushButton* button : main.view()->findChildren<QPushButton*>()) {
      if (button->text() == text) button->click();
    }
    Settle();
  };
  ShowFolder(1);
  ASSERT_TRUE(SelectNode("Category's statistics"));  // Anna's: pair B
  EXPECT_EQ(main.view()->chart()->title(), "Category's statictics");
  click("Show statistics by months");
  EXPECT_EQ(main.view()->chart()->title(), "Statictics by months");
  EXPECT_EQ(main.view()->chart()->graph_type(), 20);  // the default stacked bar

  // A statistics command opens the Statistics folder at its root: the household's
  // categories, pair B too.
  Run("actionViewCategoryStatistics");
  EXPECT_EQ(main.folderBar()->currentFolder(), 2);
  EXPECT_EQ(main.treePane()->tree()->currentItem()->text(0), "Category's statistics");
  EXPECT_TRUE(Action("actionViewCategoryStatistics")->isChecked());
  EXPECT_EQ(main.view()->chart()->title(), "Statictics by months");
  click("Show statistics");
  EXPECT_EQ(main.view()->chart()->title(), "Category's statictics");
  ExpectPrints();  // the chart, on the printer's page
}

// After every change and folder switch the caption, the tree's highlight and the view name
// one subject; with none, the view is the empty page and the caption names the folder.
TEST_F(FrameTest, CaptionTreeAndViewAgreeAfterEveryChange) {
  PrepareHousehold();
  MainWindow& main = Open();
  QTreeWidget* tree = main.treePane()->tree();
  const auto expect_shown = [&](const char* caption, const char* page_text, const char* step) {
    Settle();
    const QList<QTreeWidgetItem*> highlighted = tree->selectedItems();
    const QString current = tree->currentItem() ? tree->currentItem()->text(0) : "";
    EXPECT_EQ(main.captionBar()->text().toStdString(), caption) << step;
    EXPECT_EQ(highlighted.size() == 1 ? highlighted[0]->text(0) : "", current) << step;
    if (current != "") {
      EXPECT_EQ(current, caption) << step;
    }
    const std::string page = work.Read("data/temp.tmp");
    EXPECT_NE(page.find(page_text), std::string::npos) << step << ": " << page;
    if (current == "") {
      EXPECT_EQ(page.find("Delete"), std::string::npos) << step;
    }
  };
  ASSERT_TRUE(SelectNode("Bread"));
  expect_shown("Bread", "Delete purchase", "item page");
  main.folderBar()->selectFolder(2);
  expect_shown("Statistics", "<body></body>", "statistics with nothing selected");

  main.folderBar()->selectFolder(0);
  ASSERT_TRUE(SelectNode("Bread"));
  Then(testing::NamedAs("Meals"));
  Action("actionEditCategory")->trigger();
  expect_shown("Bread", "Delete purchase", "category renamed from its item");
  EXPECT_EQ(main.state().selectedCategory, "Meals");

  main.folderBar()->selectFolder(1);
  ASSERT_TRUE(SelectNode("Anna"));
  const QTreeWidgetItem* bob = tree->topLevelItem(1);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(bob).center());
  expect_shown("Bob", "Delete person", "a folded person clicked");

  main.clearDatabase();
  expect_shown("Welcome", "Add person", "cleared");
}

// Undo and Redo name the change, put the book and the view back where the change was, and
// never overwrite a file changed by hand.
TEST_F(FrameTest, UndoAndRedoRestoreTheBookAndShowWhatChangedButRefuseAHandEdit) {
  MainWindow& main = OpenHousehold();
  const std::string page = work.Read("data/temp.tmp");
  const std::string outline = TreeOutline();
  Then(testing::NamedAs("Salt & Pepper, Oil, Vinegar and every other Spice"));
  Run("actionAddCategory");
  EXPECT_EQ(Action("actionUndo")->text().toStdString(),
            "&Undo Add category Salt && Pepper, Oil, Vinegar and ev\u2026");
  Run("actionUndo");
  Then([](QDialog& d) { testing::Press(d); });
  Run("actionDeleteCategory");
  EXPECT_EQ(Action("actionUndo")->text(), "&Undo Delete category Food");
  ShowFolder(1);
  Run("actionUndo");
  EXPECT_EQ(main.folderBar()->currentFolder(), 0);
  EXPECT_EQ(main.folderBar()->entryText(0, 0), "Food");
  EXPECT_EQ(TreeOutline(), outline);
  EXPECT_EQ(main.captionBar()->text(), "Food");
  EXPECT_EQ(work.Read("data/temp.tmp"), page);  // the same page, the same totals
  EXPECT_EQ(Action("actionRedo")->text(), "&Redo Delete category Food");
  Run("actionRedo");
  EXPECT_EQ(TreeOutline(), "Home *\n  Rent\n");
  EXPECT_FALSE(Action("actionRedo")->isEnabled());
  // Changed by hand since: the undo is refused, naming the file, and nothing changes.
  const std::string index = work.Read("data/BASE/KSDBCategories.txt") + "Garden\n";
  work.Write("data/BASE/KSDBCategories.txt", index);
  Run("actionUndo");
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_NE(prompts.messages.back().find("KSDBCategories.txt"), std::string::npos);
  EXPECT_EQ(work.Read("data/BASE/KSDBCategories.txt"), index);
  EXPECT_FALSE(work.Exists("data/BASE/categories/Food.txt"));
  EXPECT_EQ(TreeOutline(), "Home *\n  Rent\n");
  EXPECT_TRUE(Action("actionUndo")->isEnabled());
}

// File > Restore backup: Enter restores the copy chosen in the list, after a confirmation, and
// the window shows the book it brought back.
TEST_F(FrameTest, EnterInRestoreBackupBringsBackTheBookTheStartCopied) {
  MainWindow& main = OpenHousehold();
  const std::string outline = TreeOutline();
  Run("actionClearDatabase");
  Then([](QDialog& d) {
    d.show();
    QTest::keyClick(testing::Field<QTreeWidget>(d, "backups"), Qt::Key_Return);
  });
  Run("actionRestoreBackup");
  EXPECT_EQ(prompts.asked, Names{"Are you sure to replace the book with this backup?"});
  EXPECT_EQ(TreeOutline(), outline);
  EXPECT_EQ(main.folderBar()->entryCount(0), 2);
  EXPECT_EQ(main.monthChooser()->count(), 2);
  EXPECT_TRUE(Action("actionUndo")->text().startsWith("&Undo Restore backup 2024-03-31"));
}

TEST_F(FrameTest, AMissingIndexAsksAndExitEndsWithoutSavingOrCreateStarts) {
  Prepare([](ExpenseDatabase&) {});
  std::filesystem::remove(base() + "/KSDBPersons.txt");
  prompts.index_answer = PromptAnswer::kExit;
  {
    MainWindow refused(*store, prompts, work.path(), disk, clock);
    EXPECT_FALSE(refused.started());
    EXPECT_EQ(refused.exitStatus(), 255);
  }
  EXPECT_EQ(prompts.asked, std::vector<std::string>{"Can't open person's data base file."});
  store->Flush();
  EXPECT_EQ(Setting("Config/Show"), "<absent>");
  // Answered "Create new file", the index is made empty and the program starts.
  prompts.index_answer = PromptAnswer::kCreateNewFile;
  prompts.asked.clear();
  Open();
  EXPECT_EQ(prompts.asked, std::vector<std::string>{"Can't open person's data base file."});
  EXPECT_EQ(work.Read("data/BASE/KSDBPersons.txt"), "");
}

TEST_F(FrameTest, APageFileThatCannotBeWrittenEndsTheProgramWithoutSaving) {
  PrepareHousehold();
  StoreSelection("Food", "NULL");
  // A folder where the page file belongs: no file can replace it.
  std::filesystem::create_directories(work.path() + "/data/temp.tmp/inside");
  Open();
  EXPECT_EQ(prompts.messages, std::vector<std::string>{"Ups! Cant open data file"});
  EXPECT_FALSE(frame->view()->pageShown());
  CloseFrame();
  EXPECT_EQ(Setting("Config/Show"), "<absent>");
}

// The Edit menu's dialogs open on what is selected, and each confirmation names what it acts
// on beneath its question.
TEST_F(FrameTest, DialogsOpenOnTheSelectionAndConfirmationsNameTheirSubject) {
  PrepareHousehold();
  MainWindow& main = Open();
  Names chosen;
  const auto choose = [&](const char* chooser) {
    return [&chosen, chooser](QDialog& d) {
      chosen.push_back(d.findChild<QComboBox*>(chooser)->currentText().toStdString());
      d.findChild<QPushButton*>("submit")->click();
    };
  };
  ASSERT_TRUE(SelectNode("Home"));
  prompts.dialog_handlers = {choose("category"), choose("chooseCategory")};
  prompts.answers = {false};
  Run("actionAddItem");
  Run("actionDeleteCategory");
  ShowFolder(1);
  ASSERT_TRUE(SelectNode("Bob"));
  prompts.dialog_handlers = {choose("choosePerson")};
  prompts.answers = {false, false};
  Run("actionDeletePerson");
  main.state().selectedCategory = "Home";
  main.state().selectedItem = "Rent";
  FormContext form = main.form();
  LinkDeletePurchase(form, "2024|February|01|Bob||700.00");
  EXPECT_EQ(chosen, (Names{"Home", "Home", "Bob"}));
  EXPECT_EQ(prompts.asked,
            (Names{"Are you sure to delete this category?", "Are you sure to delete this person?",
                   "Are you sure to delete this purchase?"}));
  // The Add item dialog was left without a name: its refusal says so, then each
  // confirmation names its subject.
  EXPECT_EQ(prompts.details,
            (Names{"The name is empty.", "\"Home\" with its 1 item and their purchases.",
                   "\"Bob\" and the 1 purchase recorded for them; purchases for all stay.",
                   "01 February 2024, Bob, 700.00 from \"Rent\" of \"Home\"."}));
  EXPECT_TRUE(main.db().PersonExists("Bob"));
}

TEST_F(FrameTest, FilterAndOptionActionsSetTheStateAndMoveTheirCheckMark) {
  PrepareHousehold();
  MainWindow& main = Open();
  auto* showButton = main.findChild<QToolButton*>("showButton");
  EXPECT_EQ(showButton->text(), "Show month");
  EXPECT_EQ(main.monthPosition(), 0);
  Run("actionShowAll");
  EXPECT_FALSE(main.monthChooser()->isEnabled());
  EXPECT_TRUE(Action("actionShowAll")->isChecked() && !Action("actionShowMonth")->isChecked());
  EXPECT_EQ(main.monthPosition(), -1);
  ShowFolder(1);  // a change of folder keeps the filter as it was
  EXPECT_EQ(showButton->text(), "Show all");
  Run("actionShowMonth");
  EXPECT_TRUE(main.monthChooser()->isEnabled());
  EXPECT_EQ(main.state().monthFilter, MonthFilter::OneMonth);
  EXPECT_TRUE(Action("actionBarChart")->isChecked() &&
              Action("actionStackedBarChart")->isChecked());
  for (const char* name : {"actionPie3dChart", "actionLine3dGraph", "actionViewItemStatistics"}) {
    Run(name);
    EXPECT_TRUE(Action(name)->isChecked()) << name;
  }
  EXPECT_FALSE(Action("actionBarChart")->isChecked() ||
               Action("actionStackedBarChart")->isChecked());
  EXPECT_EQ(main.state().totalsChart, charts::ChartStyle::kPie3d);
  EXPECT_EQ(main.state().monthsChart, charts::ChartStyle::kLine3d);
  EXPECT_EQ(main.state().itemView, ItemView::Statistics);
  EXPECT_TRUE(Action("actionStatusBar")->isChecked());
  Run("actionStatusBar");
  EXPECT_TRUE(main.statusBar()->isHidden());
  // The busy cursor, told twice, is undone at once when the work ends.
  main.showBusy(true);
  main.showBusy(true);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
  main.showBusy(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  // One action per command: the Edit menu's entry and the toolbar's button are the same.
  EXPECT_EQ(main.findChildren<QAction*>("actionAddPerson").size(), 1);
  EXPECT_EQ(Action("actionAddPerson")->iconText(), "Add person");
  EXPECT_EQ(Action("actionAddPerson")->text(), "&Add person");
}

TEST_F(FrameTest, DeleteAllPurchasesThenClearDataBaseEmptyTheChooserAndEverySelection) {
  store->Write("Status", "SelectedPerson", "Anna");
  store->Write("Status", "SelectedStatisticType", "Category's statistics");
  MainWindow& main = OpenHousehold();
  ShowFolder(1);
  Run("actionDeleteAllPurchases");
  EXPECT_EQ(main.monthChooser()->count(), 0);
  EXPECT_EQ(main.monthPosition(), -1);
  EXPECT_EQ(work.Read("data/BASE/KSDBMonths.txt"), "");
  EXPECT_EQ(TreeOutline().find("2024"), std::string::npos);  // no month nodes left
  EXPECT_NE(TreeOutline().find("Anna"), std::string::npos);
  Run("actionClearDatabase");
  EXPECT_EQ(main.folderBar()->entryCount(0), 0);
  EXPECT_EQ(TreeOutline(), "");
  EXPECT_EQ(work.Read("data/BASE/KSDBCategories.txt"), "");
  EXPECT_FALSE(Action("actionEditPerson")->isEnabled());
  EXPECT_TRUE(prompts.messages.empty());
  CloseFrame();
  for (const char* key : {"Status/SelectedCat", "Status/SelectedPerson",
                          "Status/SelectedStatisticType", "Status/SelectedStatisticMenuChild"}) {
    EXPECT_EQ(Setting(key), "NULL") << key;
  }
}

}  // namespace
}  // namespace kestrune
