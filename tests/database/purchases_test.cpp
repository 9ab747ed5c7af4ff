// Recording and deleting purchases, taking months out and emptying all purchases: exact file
// bytes, failures, and totals that stay right.
#include <gtest/gtest.h>

#include <filesystem>

#include "database/month_keys.h"
#include "database/recovery.h"
#include "database/sections.h"
#include "tests/support/database_fixture.h"
#include "tests/support/failing_file_system.h"

namespace kestrune::testing {
namespace {

using Strings = std::vector<std::string>;

class PurchasesTest : public DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Write("KSDBCategories.txt", "Food");
    Write("categories/Food.txt", CategoryFile("Food", {"Milk|", "Bread|"}));
    Write("KSDBPersons.txt", "Anna\nBob");
    Write("persons/Anna.txt", "Anna\n ");
    Write("persons/Bob.txt", "Bob\n ");
    Load();
  }
  void Record(const std::string& item, const std::string& line) {
    ASSERT_TRUE(db.RecordPurchase("Food", item, ParsePurchaseLine(line)).ok());
  }
  void Delete(const std::string& item, const std::string& line) {
    ASSERT_TRUE(db.DeletePurchase("Food", item, line).ok());
  }
};

TEST_F(PurchasesTest, ANewOlderMonthGoesToTheEndOfTheMonthsIndexAndItsOwnBlockAKnownOneNowhere) {
  Record("Milk", "2004|January|05|Anna|a| 1.00");
  Record("Bread", "2003|December|31|Bob|b| 2.00");
  bool added = true;
  ASSERT_TRUE(db.AddMonth("2004 January", &added).ok());
  EXPECT_FALSE(added);
  EXPECT_EQ(Read("KSDBMonths.txt"), "2004 January\n2003 December\n");
  EXPECT_EQ(db.GetMonths(), (Strings{"2004 January", "2003 December"}));
  // Each month's entries follow in the order the months came.
  EXPECT_NE(Read("categories/Food.txt").find("2004 January\n 1.00\n2003 December\n 2.00\n"),
            std::string::npos);
  EXPECT_EQ(CheckTotals(db), Strings{});
}

TEST_F(PurchasesTest, DeletingTheOnlyPurchaseOfAMonthLeavesZeroEntries) {
  Record("Milk", "2004|January|05|Anna|a|12.50");
  Delete("Milk", "2004|January|05|Anna|a|12.50");
  EXPECT_EQ(Read("items/Food Milk.txt"),
            Lines({"begin all item expenses", "all months", " 0.00", "2004 January", " 0.00",
                   "end all item expenses", "begin persons expenses", "month: all months",
                   "person: Anna", " 0.00", "month: 2004 January", "person: Anna", " 0.00",
                   "end persons expenses", "begin purchase list", "end purchase list"}));
  EXPECT_EQ(Read("KSDBMonths.txt"), "2004 January\n");
}

TEST_F(PurchasesTest, DeletingRemovesExactlyOneMatchingLineAndAnUnknownLineNothing) {
  Record("Milk", "2004|January|05|Anna|a| 2.00");
  Record("Milk", "2004|January|05|Anna|a| 2.00");
  Delete("Milk", "2004|January|05|Anna|a| 2.00");
  const std::string before = Read("items/Food Milk.txt");
  EXPECT_NE(before.find("begin purchase list\n2004|January|05|Anna|a| 2.00\nend purchase list"),
            std::string::npos);
  EXPECT_EQ(db.ItemMonthTotal("all months", "Food", "Milk").value, 200);
  EXPECT_EQ(CheckTotals(db), Strings{});
  EXPECT_FALSE(db.DeletePurchase("Food", "Milk", "2004|January|05|Anna|b| 2.00").ok());
  EXPECT_EQ(Read("items/Food Milk.txt"), before);
}

TEST_F(PurchasesTest, APurchaseAfterTheRepairCreatedTheItemFileKeepsItsLine) {
  ASSERT_TRUE(db.RepairBook().ok());
  Record("Milk", "2004|January|05|Anna|a|12.50");
  std::vector<PurchaseRecord> purchases;
  EXPECT_TRUE(db.ItemPurchases("all months", "Food", "Milk", purchases).ok());
  ASSERT_EQ(purchases.size(), 1u);
  EXPECT_TRUE(Read("items/Food Milk.txt")
                  .ends_with("end persons expenses\nbegin purchase list\n"
                             "2004|January|05|Anna|a|12.50\nend purchase list\n"));
  EXPECT_EQ(CheckTotals(db), Strings{});
}

// A category file lost by hand is started again: with an empty item list by a purchase,
// with the item by an added item.
TEST_F(PurchasesTest, AMissingCategoryFileIsStartedAgain) {
  std::filesystem::remove(base() + "/categories/Food.txt");
  Record("Milk", "2004|January|05|Anna|a| 1.00");
  EXPECT_TRUE(Read("categories/Food.txt")
                  .starts_with("Food\n \nbegin item list\nend item list\n"
                               "begin all category expenses\nall months\n 1.00\n"));
  std::filesystem::remove(base() + "/categories/Food.txt");
  ASSERT_TRUE(db.AddItemToCategory("Food", "Tea", "").ok());
  Load();
  EXPECT_EQ(db.GetItemNames("Food"), Strings{"Tea"});
}

// Taking every month out leaves the zero entries and no purchase; deleting all purchases
// leaves each file its empty sections. Either way the catalogue stays.
TEST_F(PurchasesTest, DeletingEveryMonthOrAllPurchasesEmptiesTheBookButNotTheCatalogue) {
  const auto record_three = [this] {
    Record("Milk", "2004|January|05|for all|a|10.00");
    Record("Milk", "2004|February|05|for all|b| 4.00");
    Record("Milk", "2004|February|06|Anna|c| 3.00");
  };
  record_three();
  // With no month chosen, nothing changes.
  const std::string before = Read("categories/Food.txt");
  ASSERT_TRUE(db.DeleteMonth("all months").ok());
  EXPECT_EQ(Read("categories/Food.txt"), before);
  ASSERT_TRUE(db.DeleteMonth("2004 January").ok());
  ASSERT_TRUE(db.DeleteMonth("2004 February").ok());
  EXPECT_EQ(Read("items/Food Milk.txt"),
            Lines({"begin all item expenses", "all months", " 0.00", "end all item expenses",
                   "begin persons expenses", "month: all months", "person: for all", " 0.00",
                   "person: Anna", " 0.00", "end persons expenses", "begin purchase list",
                   "end purchase list"}));
  EXPECT_EQ(Read("items/Food Bread.txt"),
            Lines({"begin all item expenses", "end all item expenses", "begin persons expenses",
                   "end persons expenses"}));
  EXPECT_EQ(Read("KSDBMonths.txt"), "");

  record_three();
  ASSERT_TRUE(db.DeleteAllPurchases().ok());
  const std::string six =
      "begin all item expenses\nend all item expenses\nbegin persons expenses\n"
      "end persons expenses\nbegin purchase list\nend purchase list";
  EXPECT_EQ(Read("items/Food Milk.txt"), six);
  EXPECT_EQ(Read("items/Food Bread.txt"), six);
  EXPECT_EQ(Read("categories/Food.txt"), CategoryFile("Food", {"Milk|", "Bread|"}));
  EXPECT_EQ(Read("KSDBMonths.txt"), "");
  EXPECT_EQ(db.GetMonths(), Strings{});
  EXPECT_EQ(db.GetItemNames("Food"), (Strings{"Milk", "Bread"}));
}

class PurchaseFailures : public PurchasesTest {
 protected:
  PurchaseFailures() : failing_db(fs) {}
  void SetUp() override {
    PurchasesTest::SetUp();
    RecordingPrompt prompt(PromptAnswer::kExit);
    ASSERT_EQ(failing_db.LoadDatabase(base(), prompt), LoadOutcome::kLoaded);
  }
  FailingFileSystem fs;
  ExpenseDatabase failing_db;
};

// A purchase in a new month and the month's line in the index are one change: whichever
// step fails, the book (and the catalogue in memory) holds both or neither.
TEST_F(PurchaseFailures, ANewMonthIsEnteredWithItsPurchaseOrNotAtAll) {
  const std::string line = "2004|May|01|Anna|x| 1.00";
  for (int fail_after = 0; fail_after < 12; ++fail_after) {
    fs.changes = 0;
    fs.fail_after = fail_after;
    const bool recorded = failing_db.RecordPurchase("Food", "Milk", ParsePurchaseLine(line)).ok();
    fs.fail_after = 1 << 30;
    ASSERT_TRUE(RecoverDatabase(fs, base()).ok());
    const bool listed = Read("KSDBMonths.txt") == "2004 May\n";
    const bool kept = std::filesystem::exists(base() + "/items/Food Milk.txt") &&
                      Read("items/Food Milk.txt").find(line) != std::string::npos;
    EXPECT_EQ(listed, kept) << "failing after " << fail_after << " steps";
    EXPECT_EQ(failing_db.GetMonths() == Strings{"2004 May"}, recorded);
    if (recorded) return;
  }
  FAIL() << "the purchase was never recorded";
}

TEST_F(PurchaseFailures, AFailureIsReportedAndAFileThatCannotBeReadIsNotRewritten) {
  const PurchaseRecord purchase = ParsePurchaseLine("2004|May|01|Anna|x| 1.00");
  const std::string food = Read("categories/Food.txt");
  fs.fail_after = 1;
  Status status = failing_db.RecordPurchase("Food", "Milk", purchase);
  EXPECT_NE(status.message().find("categories/Food.txt"), std::string::npos) << status.ok();
  EXPECT_EQ(Read("categories/Food.txt"), food);
  fs.fail_after = 1 << 30;
  Write("items/Food Milk.txt", "begin all item expenses\nend all item expenses\n");
  fs.unreadable.insert(base() + "/items/Food Milk.txt");
  EXPECT_FALSE(failing_db.RecordPurchase("Food", "Milk", purchase).ok());
  EXPECT_EQ(Read("items/Food Milk.txt"), "begin all item expenses\nend all item expenses\n");
}

// A purchase or a month is never written into a file whose sections are damaged: the line
// would land in the wrong place. The file is named and stays as it was.
TEST_F(PurchasesTest, ADamagedFileIsNamedAndLeftAsItIs) {
  Record("Milk", "2004|January|05|Anna|a|12.50");
  const std::string sound = Read("items/Food Milk.txt");
  for (const std::string& damaged :
       {std::string(sound).erase(sound.find("end all item expenses\n"), 22),
        std::string(sound).replace(sound.find("12.50"), 5, "nan")}) {
    Write("items/Food Milk.txt", damaged);
    const Status recorded =
        db.RecordPurchase("Food", "Milk", ParsePurchaseLine("2004|May|01|Anna|x| 1.00"));
    const Status deleted = db.DeleteMonth("2004 January");
    for (const Status& status : {recorded, deleted}) {
      EXPECT_FALSE(status.ok());
      EXPECT_NE(status.message().find("items/Food Milk.txt: line "), std::string::npos)
          << status.message();
    }
    EXPECT_EQ(Read("items/Food Milk.txt"), damaged);
    EXPECT_EQ(db.GetMonths(), Strings{"2004 January"});
  }
}

}  // namespace
}  // namespace kestrune::testing
