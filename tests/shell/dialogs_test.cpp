// The dialogs as the user meets them: opened from the menus, filled in and pressed.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/confirmation_dialog.h"
#include "shell/database_error_dialog.h"
#include "shell/hyperlink.h"
#include "tests/shell/frame_fixture.h"

namespace kestrune {
namespace {

using Strings = std::vector<std::string>;

using testing::Field;
using testing::NamedAs;
using testing::Press;
using testing::Type;

using DialogsTest = testing::FrameTest;

// The check dialog's Repair button.
QPushButton* Repair(QDialog& dialog) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text() == "&Repair") return button;
  }
  return nullptr;
}

TEST_F(DialogsTest, ANewHouseholdIsEnteredThroughTheDialogsAndHelpOpensItsPage) {
  MainWindow& main = Open();
  Then([](QDialog& d) {
    Type(d, "name", "Food");
    Type(d, "information", "Everyday food");
    Press(d);
  });
  Run("actionAddCategory");
  Then(NamedAs("Bread"));
  Run("actionAddItem");
  Then(NamedAs("Anna"));
  Run("actionAddPerson");
  EXPECT_EQ(prompts.dialogs, (Strings{"Add expense category", "Add expense item", "Add person"}));
  EXPECT_EQ(main.folderBar()->entryText(0, 0), "Food");
  EXPECT_EQ(main.folderBar()->entryText(1, 0), "Anna");
  EXPECT_EQ(main.state().selectedItem, "Bread");

  // The purchase dialog names its item, keeps a typed month whatever the day was, and takes
  // Enter in its note as its default button; Ctrl+N opens it.
  ASSERT_TRUE(SelectNode("Bread"));
  Then([](QDialog& d) {
    EXPECT_EQ(Field<QLabel>(d, "item")->text(), "Bread (Food)");
    auto* date = Field<QDateEdit>(d, "date");
    date->setDate(QDate(2024, 1, 31));
    date->setCurrentSection(QDateTimeEdit::MonthSection);
    QTest::keyClicks(date, "11");
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_EQ(date->date(), QDate(2024, 11, 30));
    date->setCurrentSection(QDateTimeEdit::MonthSection);
    QTest::keyClicks(date, "feb");
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_EQ(date->date(), QDate(2024, 2, 29));
    Type(d, "sum", "2");
    Type(d, "information", "rye\nand wheat");
    d.show();  // Enter reaches the default button of a dialog on the screen
    QTest::keyClick(Field<QLineEdit>(d, "information"), Qt::Key_Return);
  });
  frame->activateWindow();
  QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
  Settle();
  EXPECT_NE(
      work.Read("data/BASE/items/Food Bread.txt").find("2024|February|29|Anna|rye and wheat|"),
      std::string::npos);
  EXPECT_EQ(main.monthChooser()->currentText(), "2024 February");
  EXPECT_TRUE(prompts.messages.empty());
  // Help installs its page, which lists every key, and opens it.
  Then([](QDialog& d) { Field<Hyperlink>(d, "helpLink")->follow(); });
  Run("actionHelp");
  ASSERT_EQ(prompts.opened.size(), 1u);
  EXPECT_EQ(prompts.opened[0], "file://" + work.path() + "/help/index.htm");
  const QString page = QString::fromStdString(work.Read("help/index.htm"));
  EXPECT_TRUE(page.contains("Kestrune help"));
  int keyed = 0;
  for (const QAction* action : frame->findChildren<QAction*>()) {
    if (action->shortcut().isEmpty()) continue;
    ++keyed;
    const QString key = action->shortcut().toString();
    EXPECT_TRUE(page.contains(QString("<kbd>%1</kbd>").arg(key))) << key.toStdString();
  }
  EXPECT_GE(keyed, 5);
  Then([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "About Kestrune");
    Field<Hyperlink>(d, "siteLink")->follow();
    Press(d, "ok");
  });
  Run("actionAbout");
  EXPECT_EQ(prompts.opened.size(), 2u);
}

TEST_F(DialogsTest, ARefusedNameKeepsTheDialogOpenWithItsTextAndAFailedWriteIsReported) {
  PrepareHousehold();
  Open();
  Then([](QDialog& d) {
    Type(d, "name", "Food");
    Press(d);
    EXPECT_EQ(d.result(), QDialog::Rejected);  // still open
    EXPECT_EQ(Field<QLineEdit>(d, "name")->text(), "Food");
    Type(d, "name", "Garden");
    Press(d);
    EXPECT_EQ(d.result(), QDialog::Accepted);
  });
  Run("actionAddCategory");
  EXPECT_EQ(prompts.messages, Strings{"Invalid category name"});
  EXPECT_TRUE(frame->db().CategoryExists("Garden"));
  EXPECT_EQ(frame->treePane()->tree()->currentItem()->text(0), "Garden");
  // That the files stay as they were is the core's purchase test; here the user is told.
  ASSERT_TRUE(SelectNode("Bread"));
  const std::string bread = work.Read("data/BASE/items/Food Bread.txt");
  disk.fail_after = disk.changes;
  Then([](QDialog& d) {
    Type(d, "sum", "3.50");
    Press(d);
  });
  Run("actionAddPurchase");
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_TRUE(prompts.messages[1].starts_with("Can't write " + base())) << prompts.messages[1];
  EXPECT_TRUE(prompts.messages[1].ends_with(": No space left on device"));
  EXPECT_EQ(work.Read("data/BASE/items/Food Bread.txt"), bread);
}

TEST_F(DialogsTest, TheItemDialogsFollowTheirChoosers) {
  PrepareHousehold();
  Open();
  prompts.answers = {false, true};
  Then([](QDialog& d) {
    Field<QComboBox>(d, "chooseCategory")->setCurrentIndex(1);
    EXPECT_EQ(Field<QComboBox>(d, "chooseItem")->currentText(), "Rent");
    Press(d);
  });
  Run("actionDeleteItem");  // answered No
  Then([](QDialog& d) {
    EXPECT_EQ(Field<QLineEdit>(d, "name")->text(), "Bread");  // Food's first item
    Field<QComboBox>(d, "chooseCategory")->setCurrentIndex(1);
    EXPECT_EQ(Field<QLineEdit>(d, "name")->text(), "Rent");
    EXPECT_EQ(Field<QComboBox>(d, "category")->currentIndex(), 1);
    Field<QComboBox>(d, "category")->setCurrentIndex(0);  // move Rent to Food
    Type(d, "name", "Rent share");
    Press(d);
  });
  Run("actionEditItem");
  EXPECT_FALSE(frame->db().ItemExists("Home", "Rent"));
  EXPECT_EQ(frame->state().selectedCategory, "Food");
  EXPECT_EQ(frame->db().ItemMonthTotal("all months", "Food", "Rent share").value, 70000);
  Then([](QDialog& d) { Press(d); });
  Run("actionDeleteItem");  // opens on the renamed item, answered Yes
  EXPECT_FALSE(frame->db().ItemExists("Food", "Rent share"));
  EXPECT_EQ(prompts.asked, Strings(2, "Are you sure to delete this item?"));
}

TEST_F(DialogsTest, SettingsAreAcceptedAndDeletingAMonthRebuildsTheChooser) {
  PrepareHousehold();
  MainWindow& main = Open();
  Then([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Kestrune settings");
    EXPECT_TRUE(Field<QRadioButton>(d, "showAll")->isChecked());
    Field<QRadioButton>(d, "showLast")->setChecked(true);
    Type(d, "monthsCount", "6");
    Type(d, "currency", "EUR");
    Press(d);
  });
  Run("actionSettings");
  EXPECT_FALSE(main.state().showAllMonths);
  EXPECT_EQ(main.state().monthsShown, 6);
  EXPECT_EQ(main.db().currency(), "EUR");
  main.monthChooser()->setCurrentIndex(1);
  Then([](QDialog& d) {
    Field<QComboBox>(d, "month")->setCurrentIndex(0);  // 2024 March
    Type(d, "currency", "not applied");
    Press(d, "deleteMonth");
  });
  Run("actionSettings");
  ASSERT_EQ(main.monthChooser()->count(), 1);
  EXPECT_EQ(main.monthChooser()->currentText(), "2024 February");
  EXPECT_EQ(main.db().currency(), "EUR");  // the dialog's other fields not applied
}

// File › Check data base, and the backup every start keeps.
TEST_F(DialogsTest, CheckDataBaseShowsTheDifferencesAndRepairsThem) {
  PrepareHousehold();
  // The rent's purchase line edited by hand: its totals no longer add up.
  std::string rent = work.Read("data/BASE/items/Home Rent.txt");
  rent.replace(rent.find("|700.00"), 7, "|650.00");
  work.Write("data/BASE/items/Home Rent.txt", rent);
  Open();
  // Every start keeps a copy of the book, without the lock file.
  const std::vector<std::string> backups = work.List("data/backups");
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_EQ(work.Read("data/backups/" + backups[0] + "/items/Home Rent.txt"), rent);
  EXPECT_FALSE(work.Exists("data/backups/" + backups[0] + "/.kestrune"));
  QString before, after;
  Then([&](QDialog& dialog) {
    before = dialog.findChild<QPlainTextEdit*>()->toPlainText();
    Repair(dialog)->click();
    after = dialog.findChild<QPlainTextEdit*>()->toPlainText();
    EXPECT_FALSE(Repair(dialog)->isEnabled());
    dialog.accept();
  });
  Run("actionCheckDatabase");
  EXPECT_EQ(prompts.dialogs, Strings{"Check data base"});
  EXPECT_TRUE(
      before.contains("items/Home Rent.txt:3: all months: stored 700.00, recomputed 650.00"))
      << before.toStdString();
  EXPECT_EQ(after, "Everything adds up.");
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_TRUE(prompts.messages.back().starts_with("Totals repaired. The book as it was is in "));
  EXPECT_EQ(work.List("data/backups").size(), 2u);
}

// A confirmation says Yes on Enter and No on Escape; the data base error exits on Enter.
TEST(QuestionDialogs, EnterAndEscapeGiveTheSafeAnswers) {
  const auto answer = [](QDialog& dialog, Qt::Key key) {
    dialog.open();
    QTest::keyClick(&dialog, key);
    return dialog.result();
  };
  ConfirmationDialog enter(kConfirmDeletePerson, nullptr);
  EXPECT_EQ(answer(enter, Qt::Key_Return), QDialog::Accepted);
  ConfirmationDialog escape(kConfirmDeletePerson, nullptr);
  EXPECT_EQ(answer(escape, Qt::Key_Escape), QDialog::Rejected);
  DatabaseErrorDialog error("Can't open data base file.", nullptr);
  EXPECT_EQ(answer(error, Qt::Key_Return), QDialog::Rejected);
  DatabaseErrorDialog create("Can't open data base file.", nullptr);
  create.open();
  create.findChild<QPushButton*>("create")->click();
  EXPECT_EQ(create.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace kestrune
