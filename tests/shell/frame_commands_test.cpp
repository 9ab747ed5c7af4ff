#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QStatusBar>

#include "shell/command_ids.h"
#include "shell/main_view.h"
#include "shell/link_commands.h"
#include "tests/shell/frame_fixture.h"

namespace kestrune {
namespace {

using testing::FrameTest;

bool IsChecked(const MainWindow& frame, int id) {
  const std::vector<QAction*>& actions = frame.actions().Of(id);
  bool all = !actions.empty();
  for (QAction* action : actions) all = all && action->isChecked();
  return all;
}

QString ShowButtonText(const MainWindow& frame) {
  return frame.actions().Of(kCmdShowDropDown).front()->text();
}

// The Edit menu's dialogs open on what is selected, and each confirmation names what it acts
// on beneath its question.
TEST_F(FrameTest, DialogsOpenOnTheSelectionAndConfirmationsNameTheirSubject) {
  PrepareHousehold();
  MainWindow& main = Open();
  std::vector<std::string> chosen;
  const auto choose = [&](const char* chooser) {
    return [&chosen, chooser](QDialog& d) {
      chosen.push_back(d.findChild<QComboBox*>(chooser)->currentText().toStdString());
      d.findChild<QPushButton*>("submit")->click();
    };
  };
  ASSERT_TRUE(SelectNode("Home"));
  prompts.dialog_handlers = {choose("category"), choose("chooseCategory")};
  prompts.answers = {false};
  main.RunCommand(kCmdAddItem);
  main.RunCommand(kCmdDeleteCategory);
  ShowFolder(1);
  ASSERT_TRUE(SelectNode("Bob"));
  prompts.dialog_handlers = {choose("choosePerson")};
  prompts.answers = {false, false};
  main.RunCommand(kCmdDeletePerson);
  main.state().selectedCategory = "Home";
  main.state().selectedItem = "Rent";
  FormContext form = main.form();
  LinkDeletePurchase(form, "2024|February|01|Bob||700.00");
  EXPECT_EQ(chosen, (std::vector<std::string>{"Home", "Home", "Bob"}));
  EXPECT_EQ(prompts.asked, (std::vector<std::string>{"Are you sure to delete this category?",
                                                     "Are you sure to delete this person?",
                                                     "Are you sure to delete this purchase?"}));
  // The Add item dialog was left without a name: its refusal says so, then each
  // confirmation names its subject.
  EXPECT_EQ(prompts.details,
            (std::vector<std::string>{
                "The name is empty.", "\"Home\" with its 1 item and their purchases.",
                "\"Bob\" and the 1 purchase recorded for them; purchases for all stay.",
                "01 February 2024, Bob, 700.00 from \"Rent\" of \"Home\"."}));
  EXPECT_TRUE(main.db().PersonExists("Bob"));
}

TEST_F(FrameTest, FilterAndOptionCommandsSetTheirOptionAndCheckMark) {
  PrepareHousehold();
  MainWindow& main = Open();
  EXPECT_EQ(ShowButtonText(main), "Show month");
  EXPECT_EQ(main.MonthPosition(), 0);
  main.RunCommand(kCmdShowAll);
  EXPECT_FALSE(main.month_chooser()->isEnabled());
  EXPECT_TRUE(IsChecked(main, kCmdShowAll) && !IsChecked(main, kCmdShowMonth));
  EXPECT_EQ(main.MonthPosition(), -1);
  // A change of folder keeps the filter as it was.
  ShowFolder(1);
  EXPECT_EQ(ShowButtonText(main), "Show all");
  main.RunCommand(kCmdShowMonth);
  EXPECT_TRUE(main.month_chooser()->isEnabled());
  EXPECT_EQ(main.state().monthFilter, 2);
  // The option commands set their option and move the check mark within their group.
  EXPECT_TRUE(IsChecked(main, kCmdBarChart) && IsChecked(main, kCmdStatusBar) &&
              IsChecked(main, kCmdOfficeXpLook));
  for (int id : {kCmdPie3dChart, kCmdStackedBar3dChart, kCmdViewItemStatistics}) {
    main.RunCommand(id);
    EXPECT_TRUE(IsChecked(main, id)) << id;
  }
  EXPECT_FALSE(IsChecked(main, kCmdBarChart));
  EXPECT_EQ(main.state().totalsChart, 4);
  EXPECT_EQ(main.state().monthsChart, 4);
  EXPECT_EQ(main.state().itemView, 3);
  main.RunCommand(kCmdStatusBar);
  main.RunCommand(kCmdOfficeXpLook);
  EXPECT_TRUE(main.statusBar()->isHidden());
  EXPECT_FALSE(main.office_xp_look());
  EXPECT_FALSE(IsChecked(main, kCmdStatusBar) || IsChecked(main, kCmdOfficeXpLook));
}

TEST_F(FrameTest, DeleteAllPurchasesThenClearDataBaseEmptyTheChooserAndEverySelection) {
  store->Write("Status", "SelectedPerson", "Anna");
  store->Write("Status", "SelectedStatisticType", "Category's statistics");
  MainWindow& main = OpenHousehold();
  ShowFolder(1);
  Run(kCmdDeleteAllPurchases);
  EXPECT_EQ(main.month_chooser()->count(), 0);
  EXPECT_EQ(main.MonthPosition(), -1);
  EXPECT_EQ(work.Read("data/BASE/KSDBMonths.txt"), "");
  EXPECT_EQ(TreeOutline().find("2024"), std::string::npos);  // no month nodes left
  EXPECT_NE(TreeOutline().find("Anna"), std::string::npos);
  EXPECT_EQ(main.db().GetCategoryNames().size(), 2u);
  Run(kCmdClearDatabase);
  const ViewState& s = main.state();
  EXPECT_EQ(s.selectedCategory + s.selectedItem + s.selectedPerson + s.selectedPersonMenu +
                s.selectedPersonMenuChild + s.selectedStatisticType + s.selectedStatisticMenu +
                s.selectedStatisticMenuChild,
            "");
  EXPECT_EQ(main.folder_bar()->EntryCount(0), 0);
  EXPECT_EQ(main.folder_bar()->EntryCount(1), 0);
  EXPECT_EQ(TreeOutline(), "");
  EXPECT_EQ(work.Read("data/BASE/KSDBCategories.txt"), "");
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FrameTest, AToggleChoiceBelongsToThePairNotToTheNode) {
  PrepareHousehold();
  MainWindow& main = Open();
  ShowFolder(1);
  ASSERT_TRUE(SelectNode("Category's statistics"));  // Anna's: pair B
  EXPECT_EQ(main.view()->chart()->title(), "Category's statictics");
  main.view()->showByMonths();
  Settle();
  EXPECT_EQ(main.view()->toggleFlag(TogglePair::kB), 0);
  EXPECT_EQ(main.view()->chart()->title(), "Statictics by months");
  EXPECT_EQ(main.view()->chart()->graph_type(), 20);  // the stacked bar of month_Chart 2

  // A statistics command opens the Statistics folder at its root: the household's
  // categories, pair B too.
  Run(kCmdViewCategoryStatistics);
  EXPECT_EQ(main.folder_bar()->current_folder(), 2);
  EXPECT_EQ(main.tree_pane()->tree()->currentItem()->text(0), "Category's statistics");
  EXPECT_TRUE(IsChecked(main, kCmdViewCategoryStatistics));
  EXPECT_FALSE(IsChecked(main, kCmdViewPersonStatistics));
  EXPECT_EQ(main.view()->shownPair(), TogglePair::kB);
  EXPECT_EQ(main.view()->chart()->title(), "Statictics by months");
  main.view()->showTotals();
  Settle();
  EXPECT_EQ(main.view()->chart()->title(), "Category's statictics");
  ExpectPrints();  // the chart, on the printer's page
}

}  // namespace
}  // namespace kestrune
