// The integrity check and its repair.
#include "database/integrity_check.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "database/backups.h"
#include "database/sections.h"
#include "tests/support/database_fixture.h"

namespace kestrune::testing {
namespace {

using Strings = std::vector<std::string>;

class IntegrityTest : public DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Load();
    ASSERT_TRUE(db.AddCategory("Food", "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Food", "Milk", "").ok());
    ASSERT_TRUE(db.AddPerson("Anna", "").ok());
    for (const char* line : {"2004|January|05|Anna|a|12.50", "2004|February|01|for all|b| 2.00"}) {
      const PurchaseRecord purchase = ParsePurchaseLine(line);
      ASSERT_TRUE(db.AddMonth(MonthKeyOf(purchase)).ok());
      ASSERT_TRUE(db.RecordPurchase("Food", "Milk", purchase).ok());
    }
  }
  Strings Check() { return CheckIntegrity(db, fs).Lines(); }
  PosixFileSystem fs;
};

TEST_F(IntegrityTest, ACleanBookHasNothingToReport) {
  EXPECT_TRUE(CheckIntegrity(db, fs).clean());
}

TEST_F(IntegrityTest, ListsEachDifferingTotalWithItsLine) {
  // A purchase line edited by hand: its month's and person's totals no longer add up.
  std::string milk = Read("items/Food Milk.txt");
  milk.replace(milk.find("|a|12.50"), 8, "|a|10.00");
  Write("items/Food Milk.txt", milk);
  EXPECT_EQ(Check(),
            (Strings{
                "items/Food Milk.txt:3: all months: stored 14.50, recomputed 12.00",
                "items/Food Milk.txt:5: 2004 January: stored 12.50, recomputed 10.00",
                "items/Food Milk.txt:12: all months / Anna: stored 12.50, recomputed 10.00",
                "items/Food Milk.txt:17: 2004 January / Anna: stored 12.50, recomputed 10.00",
                "categories/Food.txt:8: all months: stored 14.50, recomputed 12.00",
                "categories/Food.txt:10: 2004 January: stored 12.50, recomputed 10.00",
                "categories/Food.txt:17: all months / Anna: stored 12.50, recomputed 10.00",
                "categories/Food.txt:22: 2004 January / Anna: stored 12.50, recomputed 10.00",
            }));
}

TEST_F(IntegrityTest, ListsMissingAndUnlistedFilesAndMonths) {
  Write("persons/Carl.txt", "Carl\n ");
  Write("items/Food Tea.txt", "");
  Write("KSDBMonths.txt", "2004 January\n");
  Load();
  std::filesystem::remove(base() + "/persons/Anna.txt");
  EXPECT_EQ(Check(), (Strings{"persons/Anna.txt: missing (named in KSDBPersons.txt)",
                              "persons/Carl.txt: not named in KSDBPersons.txt",
                              "items/Food Tea.txt: belongs to no item of the catalogue",
                              "KSDBMonths.txt: 2004 February has purchases but is not listed"}));
}

TEST_F(IntegrityTest, RepairRestoresTheTotalsAndKeepsZeroEntries) {
  const std::string good = Read("items/Food Milk.txt");
  std::string bad = good;
  bad.replace(bad.find("14.50"), 5, "99.99");
  bad.replace(bad.find("month: 2004 February\n"), 21, "month: 2004 March\n");
  Write("items/Food Milk.txt", bad);
  Write("KSDBMonths.txt", "");
  Load();
  ASSERT_FALSE(CheckIntegrity(db, fs).clean());
  ASSERT_TRUE(RepairTotals(db, fs).ok());
  EXPECT_TRUE(CheckIntegrity(db, fs).clean()) << ::testing::PrintToString(Check());
  const std::string repaired = Read("items/Food Milk.txt");
  EXPECT_NE(repaired.find("all months\n14.50\n"), std::string::npos);
  EXPECT_NE(repaired.find("month: 2004 March\nperson: for all\n 0.00\n"), std::string::npos);
  EXPECT_NE(repaired.find("month: 2004 February\nperson: for all\n 2.00\n"), std::string::npos);
  EXPECT_EQ(Read("KSDBMonths.txt"), "2004 February\n2004 January\n");
}

TEST_F(IntegrityTest, BackupsCopyTheDataFilesAndKeepTheNewestFive) {
  const std::string backups = work.path() + "/data/backups";
  std::string made;
  for (int i = 0; i < 7; ++i) {
    ASSERT_TRUE(BackUpDatabase(base(), backups, "2026-12-06_120000", 5, &made).ok());
  }
  EXPECT_EQ(made, backups + "/2026-12-06_120000-7");
  EXPECT_EQ(work.List("data/backups"),
            (Strings{"2026-12-06_120000-3", "2026-12-06_120000-4", "2026-12-06_120000-5",
                     "2026-12-06_120000-6", "2026-12-06_120000-7"}));
  EXPECT_EQ(work.Read("data/backups/2026-12-06_120000-7/items/Food Milk.txt"),
            Read("items/Food Milk.txt"));
  EXPECT_EQ(work.List("data/backups/2026-12-06_120000-7"),
            (Strings{"KSDBCategories.txt", "KSDBMonths.txt", "KSDBPersons.txt", "categories",
                     "items", "persons"}));
}

}  // namespace
}  // namespace kestrune::testing
