#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <filesystem>

#include "shell/command_ids.h"
#include "shell/main_view.h"
#include "tests/shell/frame_fixture.h"

namespace kestrune {
namespace {

using testing::FrameTest;
using testing::ScriptedPrompts;

const std::vector<int> kCategoryButtons = {kCmdEditCategory, kCmdEditItem, kCmdDeleteCategory,
                                           kCmdDeleteItem};
const std::vector<int> kItemButtons = {kCmdViewItemList, kCmdViewItemPersons,
                                       kCmdViewItemStatistics, kCmdAddPurchase};
const std::vector<int> kPersonButtons = {kCmdEditPerson, kCmdDeletePerson};
const std::vector<int> kStatisticsButtons = {kCmdViewCategoryStatistics,
                                             kCmdViewItemStatisticsFolder, kCmdViewPersonStatistics,
                                             kCmdViewMonthStatistics};

TEST_F(FrameTest, StartsANewEmptyDatabaseInAFreshWorkingFolderAndRefusesASecondProgram) {
  store->Write("Status", "SelectedMonth", "2023 May");
  MainWindow& main = Open();
  EXPECT_EQ(work.Read("data/BASE/KSDBMonths.txt"), "");
  EXPECT_TRUE(work.Exists("data/2.css"));  // the page assets beside the page file
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_EQ(TreeOutline(), "");
  EXPECT_EQ(main.state().selectedCategory + main.state().selectedPersonMenuChild, "NULLNULL");
  EXPECT_EQ(main.state().selectedStatisticType, "");
  // Nothing to edit or delete yet: the buttons are hidden, the view greets the user.
  EXPECT_EQ(VisibleItemButtons(), std::vector<int>{});
  EXPECT_EQ(main.MonthPosition(), -1);
  EXPECT_EQ(main.folder_bar()->EntryCount(2), 4);
  EXPECT_EQ(main.caption_bar()->text(), "Welcome");
  EXPECT_NE(work.Read("data/temp.tmp").find("href=\"Add expense category\""), std::string::npos);
  ASSERT_TRUE(main.db().AddCategory("Food", "").ok());
  Run(kCmdAddItem);  // the menus follow the catalogue at once
  EXPECT_EQ(VisibleItemButtons(), (std::vector<int>{kCmdEditCategory, kCmdDeleteCategory}));
  EXPECT_EQ(main.windowTitle(), "Kestrune");
  // A second program on the same database is refused.
  ScriptedPrompts second_prompts;
  MainWindow second(*store, second_prompts, work.path(), disk, clock);
  EXPECT_FALSE(second.started());
  EXPECT_EQ(second.exit_status(), 1);
  ASSERT_EQ(second_prompts.messages.size(), 1u);
  EXPECT_NE(second_prompts.messages[0].find("in use by another Kestrune"), std::string::npos);
  // An empty month chooser leaves the stored month.
  CloseFrame();
  EXPECT_EQ(Setting("Status/SelectedMonth"), "2023 May");
  EXPECT_EQ(Setting("Status/SelectedPerson"), "NULL");
}

TEST_F(FrameTest, ShowsTheStoredSelectionOnceTheWindowIsUp) {
  store->Write("Status", "SelectedMonth", "2024 February");
  MainWindow& main = OpenHousehold("Bread");
  EXPECT_EQ(TreeOutline(), "Food\n  Bread *\n  Milk\nHome\n  Rent\n");
  EXPECT_EQ(VisibleItemButtons(), kItemButtons);
  EXPECT_EQ(main.caption_bar()->text(), "Bread");
  EXPECT_EQ(main.month_chooser()->currentText(), "2024 February");
  EXPECT_EQ(main.MonthPosition(), 1);
  EXPECT_EQ(main.folder_bar()->EntryText(0, 1), "Home");
}

TEST_F(FrameTest, SelectingNodesSetsTheViewStateAndFoldsTheOtherPersons) {
  PrepareHousehold();
  MainWindow& main = Open();
  ASSERT_TRUE(SelectNode("Rent"));
  EXPECT_EQ(main.state().selectedCategory + "/" + main.state().selectedItem, "Home/Rent");
  EXPECT_EQ(VisibleItemButtons(), kItemButtons);
  ASSERT_TRUE(SelectNode("Food"));
  EXPECT_EQ(VisibleItemButtons(), kCategoryButtons);

  ShowFolder(1);
  EXPECT_EQ(VisibleItemButtons(), kPersonButtons);
  QTreeWidget* tree = main.tree_pane()->tree();
  ASSERT_TRUE(SelectNode("2024 March"));  // the first month node: under Anna
  EXPECT_EQ(main.state().selectedPerson, "Anna");
  EXPECT_EQ(main.state().selectedPersonMenuChild, "2024 March");
  EXPECT_EQ(main.caption_bar()->text(), "2024 March");
  ASSERT_TRUE(SelectNode("Bob"));  // selecting a person folds the others
  EXPECT_FALSE(tree->topLevelItem(0)->isExpanded());
  EXPECT_TRUE(tree->topLevelItem(1)->isExpanded());
  main.ReselectFolder();  // a refill expands the selected person only
  Settle();
  EXPECT_FALSE(tree->topLevelItem(0)->isExpanded());
  EXPECT_EQ(tree->currentItem()->text(0), "Bob");

  ShowFolder(2);
  EXPECT_EQ(VisibleItemButtons(), kStatisticsButtons);
  ASSERT_TRUE(SelectNode("Statistics by months"));
  EXPECT_EQ(main.state().statisticView, 4);
}

// After every change and folder switch the caption, the tree's highlight and the view name
// one subject; with none, the view is the empty page and the caption names the folder.
TEST_F(FrameTest, CaptionTreeAndViewAgreeAfterEveryChange) {
  PrepareHousehold();
  MainWindow& main = Open();
  QTreeWidget* tree = main.tree_pane()->tree();
  const auto expect_shown = [&](const char* caption, const char* page_text, const char* step) {
    Settle();
    const QList<QTreeWidgetItem*> highlighted = tree->selectedItems();
    const QString current = tree->currentItem() ? tree->currentItem()->text(0) : "";
    EXPECT_EQ(main.caption_bar()->text().toStdString(), caption) << step;
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
  main.folder_bar()->SelectFolder(2);
  expect_shown("Statistics", "<body></body>", "statistics with nothing selected");

  main.folder_bar()->SelectFolder(0);
  ASSERT_TRUE(SelectNode("Bread"));
  Then(testing::NamedAs("Meals"));
  main.RunCommand(kCmdEditCategory);
  expect_shown("Bread", "Delete purchase", "category renamed from its item");
  EXPECT_EQ(main.state().selectedCategory, "Meals");

  main.folder_bar()->SelectFolder(1);
  ASSERT_TRUE(SelectNode("Anna"));
  const QTreeWidgetItem* bob = tree->topLevelItem(1);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(bob).center());
  expect_shown("Bob", "Delete person", "a folded person clicked");

  main.ClearDatabase();
  expect_shown("Welcome", "Add person", "cleared");
}

TEST_F(FrameTest, FolderBarEntriesSelectRefillAndAskBeforeGoing) {
  PrepareHousehold();
  MainWindow& main = Open();
  emit main.folder_bar()->entryClicked("Home");
  Settle();
  EXPECT_EQ(main.state().selectedCategory, "Home");
  // Removing a shortcut or a folder asks first.
  prompts.answers = {false};
  main.folder_bar()->RemoveEntryIfApproved(0, 0);
  EXPECT_EQ(main.folder_bar()->EntryCount(0), 2);
  EXPECT_EQ(prompts.asked.back(), "Are you sure you want to remove this folder shortcut?");
  main.folder_bar()->RemoveEntryIfApproved(0, 0);
  EXPECT_EQ(main.folder_bar()->EntryText(0, 0), "Home");
  prompts.answers = {false};
  main.folder_bar()->HideFolderIfApproved(1);
  EXPECT_EQ(prompts.asked.back(), "Are you sure you want to remove the specified folder?");
  EXPECT_FALSE(main.folder_bar()->folder_hidden(1));
  ASSERT_TRUE(main.db().AddCategory("Garden", "").ok());
  main.ReselectFolder();
  Settle();
  EXPECT_EQ(TreeOutline(), "Food\n  Bread\n  Milk\nGarden\nHome *\n  Rent\n");
}

TEST_F(FrameTest, ClosingWritesThePreferencesWithTheChosenMonth) {
  PrepareHousehold();
  store->Write("Config", "MonthsNum", "0");
  MainWindow& main = Open();
  main.month_chooser()->setCurrentIndex(1);
  main.folder_bar()->SetSmallIcons(1, true);
  main.ShowAll();
  ASSERT_TRUE(SelectNode("Home"));
  CloseFrame();
  EXPECT_EQ(Setting("Status/SelectedMonth"), "2024 February");
  EXPECT_EQ(Setting("Config/Show"), "ALL");
  EXPECT_EQ(Setting("Config/IsSmallPers"), "true");
  EXPECT_EQ(Setting("Config/MonthsNum"), "1");
  EXPECT_EQ(Setting("Status/SelectedCat"), "Home");
  EXPECT_EQ(Setting("Status/SelectedItem"), "NULL");
}

TEST_F(FrameTest, TemporariesOfAKilledPageWriteAreRemovedAtStart) {
  namespace fs = std::filesystem;
  Prepare([](ExpenseDatabase&) {});
  const std::string data = work.path() + "/data/";
  work.Write("data/.kestrune-tmp-a1B2c3", "<html>half a page");
  work.Write("data/.kestrune-tmp-dir/kept", "");
  work.Write("elsewhere/kept", "x");
  fs::create_symlink(work.path() + "/elsewhere/kept", data + ".kestrune-tmp-link");
  work.Write("data/notes.kestrune-tmp-", "mine");
  Open();
  EXPECT_FALSE(work.Exists("data/.kestrune-tmp-a1B2c3"));
  EXPECT_TRUE(work.Exists("data/.kestrune-tmp-dir/kept"));
  EXPECT_TRUE(fs::is_symlink(data + ".kestrune-tmp-link"));
  EXPECT_EQ(work.Read("elsewhere/kept"), "x");
  EXPECT_EQ(work.Read("data/notes.kestrune-tmp-"), "mine");
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FrameTest, AMissingIndexAsksAndExitEndsWithoutSavingOrCreateStarts) {
  Prepare([](ExpenseDatabase&) {});
  std::filesystem::remove(base() + "/KSDBPersons.txt");
  prompts.index_answer = PromptAnswer::kExit;
  {
    MainWindow refused(*store, prompts, work.path(), disk, clock);
    EXPECT_FALSE(refused.started());
    EXPECT_EQ(refused.exit_status(), 255);
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

}  // namespace
}  // namespace kestrune
