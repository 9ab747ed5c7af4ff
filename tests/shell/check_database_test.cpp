// File › Check data base, and the backups every start keeps.
#include <gtest/gtest.h>

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

#include "tests/shell/frame_fixture.h"

namespace kestrune {
namespace {

using testing::FrameTest;

QPushButton* ButtonOf(QDialog& dialog, const QString& text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

QString ReportOf(QDialog& dialog) {
  return dialog.findChild<QPlainTextEdit*>()->toPlainText();
}

TEST_F(FrameTest, CheckDataBaseShowsTheDifferencesAndRepairsThem) {
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
    before = ReportOf(dialog);
    ButtonOf(dialog, "&Repair")->click();
    after = ReportOf(dialog);
    EXPECT_FALSE(ButtonOf(dialog, "&Repair")->isEnabled());
    dialog.accept();
  });
  Action("actionCheckDatabase")->trigger();
  EXPECT_EQ(prompts.dialogs, std::vector<std::string>{"Check data base"});
  EXPECT_TRUE(
      before.contains("items/Home Rent.txt:3: all months: stored 700.00, recomputed 650.00"))
      << before.toStdString();
  EXPECT_EQ(after, "Everything adds up.");
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_TRUE(prompts.messages.back().starts_with("Totals repaired. The book as it was is in "));
  EXPECT_NE(work.Read("data/BASE/items/Home Rent.txt").find("all months\n650.00\n"),
            std::string::npos);
  EXPECT_EQ(work.List("data/backups").size(), 2u);
}

}  // namespace
}  // namespace kestrune
