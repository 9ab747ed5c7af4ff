// Budgets: the budget file's bytes, damage told and never written over, undo and renames,
// and the over-budget notice.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "database/integrity_check.h"
#include "database/sections.h"
#include "tests/support/database_fixture.h"

namespace kestrune::testing {
namespace {

class BudgetTest : public DatabaseTest {
 protected:
  void SetUp() override {
    Write("KSDBCategories.txt", "Food\nA|<b>\n");
    Write("categories/Food.txt", CategoryFile("Food", {"Milk|", "Bread|"}));
    Write("categories/A|<b>.txt", CategoryFile("A|<b>", {}));
    Write("KSDBPersons.txt", "");
    Write("KSDBMonths.txt", "");
    ASSERT_TRUE(Load());
  }
  std::vector<std::string> Notices(const std::string& item, const std::string& line) {
    const PurchaseRecord purchase = ParsePurchaseLine(line);
    EXPECT_TRUE(db.RecordPurchase("Food", item, purchase).ok());
    Result<std::vector<std::string>> notices = db.OverBudgetNotices("Food", item, purchase);
    EXPECT_TRUE(notices.ok()) << notices.status.message();
    return notices.value;
  }
};

TEST_F(BudgetTest, TheFileKeepsItsBytesAndListsBudgetsInTheBooksOrder) {
  // A category name may hold "|"; an item's never does.
  const std::string file = "Food|Bread| 4.00\nA|<b>||400.00\nFood||12.50\n";
  Write("KSDBBudgets.txt", file);
  const Result<std::vector<Budget>> read = ParseBudgetFile(Read("KSDBBudgets.txt"));
  ASSERT_TRUE(read.ok()) << read.status.message();
  EXPECT_EQ(FormatBudgetFile(read.value), file);
  const std::vector<Budget> listed = {
      {"A|<b>", "", 40000}, {"Food", "", 1250}, {"Food", "Bread", 400}};
  EXPECT_EQ(db.Budgets().value, listed);

  ASSERT_TRUE(db.SetBudget("Food", "Milk", 123456).ok());
  ASSERT_TRUE(db.SetBudget("Food", "", 99).ok());
  EXPECT_EQ(Read("KSDBBudgets.txt"),
            "Food|Bread| 4.00\nA|<b>||400.00\nFood|Milk|1234.56\nFood|| 0.99\n");
  EXPECT_EQ(db.SetBudget("Food", "Tea", 100).message(), "Unknown item: Tea in Food");
  EXPECT_FALSE(db.SetBudget("Food", "", 0).ok());
}

TEST_F(BudgetTest, DamageIsToldWithItsLineAndNeverWrittenOver) {
  for (const auto& [bytes, line] : std::vector<std::pair<std::string, std::string>>{
           {"Food||1.00\nFood||abc\n", "line 2"},
           {"Food|12.00\n", "line 1"},
           {"Food||-3.00\n", "line 1"},
           {"Food||1.00\r\n\r\nFood||2.00\r\n", "line 3"}}) {
    Write("KSDBBudgets.txt", bytes);
    const Result<std::vector<Budget>> read = db.Budgets();
    EXPECT_NE(read.status.message().find(line), std::string::npos) << read.status.message();
    EXPECT_FALSE(db.SetBudget("Food", "", 500).ok());
    EXPECT_FALSE(db.EditCategory("Food", "Meals", "").ok());
    EXPECT_EQ(Read("KSDBBudgets.txt"), bytes);
    const IntegrityReport report = CheckIntegrity(db, disk);
    ASSERT_EQ(report.damaged.size(), 1u);
    EXPECT_NE(report.damaged[0].find(line), std::string::npos);
  }
  // A folder, a FIFO or a link in the file's place is read as nothing else.
  std::filesystem::remove(base() + "/KSDBBudgets.txt");
  work.Write("outside.txt", "Food||1.00\n");
  std::filesystem::create_symlink(work.path() + "/outside.txt", base() + "/KSDBBudgets.txt");
  EXPECT_FALSE(db.Budgets().ok());
  EXPECT_FALSE(db.SetBudget("Food", "", 500).ok());
  std::filesystem::remove(base() + "/KSDBBudgets.txt");
  ASSERT_EQ(mkfifo((base() + "/KSDBBudgets.txt").c_str(), 0600), 0);
  EXPECT_FALSE(db.Budgets().ok());
  EXPECT_EQ(Read("../../outside.txt"), "Food||1.00\n");

  std::filesystem::remove(base() + "/KSDBBudgets.txt");
  Write("KSDBBudgets.txt", "Gone||1.00\nFood|Tea|2.00\n");
  const std::vector<std::string> problems = CheckIntegrity(db, disk).problems;
  EXPECT_EQ(problems.size(), 2u);
  ASSERT_TRUE(db.ClearBudget("Gone", "").ok());
  EXPECT_EQ(Read("KSDBBudgets.txt"), "Food|Tea| 2.00\n");
}

TEST_F(BudgetTest, ChangesAreUndoneAndBudgetsFollowRenamesAndDeletions) {
  ASSERT_TRUE(db.SetBudget("Food", "", 40000).ok());
  ASSERT_TRUE(db.SetBudget("Food", "Milk", 500).ok());
  EXPECT_EQ(db.NextUndo()->description, "Set the budget of Milk of Food to 5.00");
  ASSERT_TRUE(db.EditCategory("Food", "Meals", "").ok());
  ASSERT_TRUE(db.EditItem("Meals", "Milk", "A|<b>", "Cream", "").ok());
  EXPECT_EQ(db.Budgets().value,
            (std::vector<Budget>{{"A|<b>", "Cream", 500}, {"Meals", "", 40000}}));
  ASSERT_TRUE(db.DeleteCategory("A|<b>").ok());
  EXPECT_EQ(Read("KSDBBudgets.txt"), "Meals||400.00\n");
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(db.Undo().ok());
  EXPECT_EQ(Read("KSDBBudgets.txt"), "Food||400.00\nFood|Milk| 5.00\n");
  ASSERT_TRUE(db.ClearBudget("Food", "").ok());
  EXPECT_EQ(db.NextUndo()->description, "Clear the budget of Food");
  EXPECT_EQ(db.ClearBudget("Food", "").message(), "Food has no budget");
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(db.Undo().ok());
  EXPECT_FALSE(Exists("KSDBBudgets.txt"));
}

TEST_F(BudgetTest, OnlyThePurchaseThatCrossesTheBudgetGetsTheNotice) {
  ASSERT_TRUE(db.SetBudget("Food", "", 1000).ok());
  ASSERT_TRUE(db.SetBudget("Food", "Milk", 300).ok());
  EXPECT_TRUE(Notices("Bread", "2026|December|01|for all|x| 7.00").empty());
  EXPECT_TRUE(Notices("Milk", "2026|December|02|for all|x| 3.00").empty());  // at the budgets
  EXPECT_EQ(
      Notices("Milk", "2026|December|03|for all|x| 0.01"),
      (std::vector<std::string>{"Milk of Food is over its budget for December 2026: 3.01 of 3.00",
                                "Food is over its budget for December 2026: 10.01 of 10.00"}));
  EXPECT_TRUE(Notices("Milk", "2026|December|04|for all|x| 2.00").empty());
  EXPECT_EQ(
      Notices("Bread", "2026|November|04|for all|x|11.00"),
      (std::vector<std::string>{"Food is over its budget for November 2026: 11.00 of 10.00"}));
}

}  // namespace
}  // namespace kestrune::testing
