// The integrity check and its repair.
#include "database/integrity_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

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
    Record("Food", "Milk", "2004|January|05|Anna|a|12.50");
    Record("Food", "Milk", "2004|February|01|for all|b| 2.00");
  }
  Strings Check() { return CheckIntegrity(db, fs).Lines(); }
  PosixFileSystem fs;
};

TEST_F(IntegrityTest, DamagedFilesAreNamedAndRepairLeavesTheirCategoryAlone) {
  // Another category whose totals are merely wrong: repair mends it all the same.
  ASSERT_TRUE(db.AddCategory("Car", "").ok());
  ASSERT_TRUE(db.AddItemToCategory("Car", "Fuel", "").ok());
  ASSERT_TRUE(
      db.RecordPurchase("Car", "Fuel", ParsePurchaseLine("2004|January|07|Anna|f|30.00")).ok());
  const std::string fuel = Read("items/Car Fuel.txt");
  const std::map<std::string, std::string> good = {
      {"items/Food Milk.txt", Read("items/Food Milk.txt")},
      {"categories/Food.txt", Read("categories/Food.txt")}};
  struct Case {
    std::string file, from, to, said;
  };
  const std::string milk = "items/Food Milk.txt";
  for (const Case& c : {
           Case{milk, "end all item expenses\n", "",
                ":8: \"begin persons expenses\" before \"end all item expenses\""},
           Case{milk, "begin purchase list\n", "", ":22: a line outside every section"},
           Case{milk, "end purchase list\n", "",
                ":22: \"begin purchase list\" without \"end purchase list\""},
           Case{milk, "end persons expenses\n", "end persons expenses\nbegin persons expenses\n",
                ":22: \"begin persons expenses\" a second time"},
           Case{milk, "|a|12.50", "|a|nan", ":24: \"nan\" is not a finite number"},
           Case{milk, "|a|12.50", "|a|1e300", ":24: \"1e300\" is out of range"},
           Case{milk, "\n14.50\n", "\n14,50\n", ":3: \"14,50\" is not a number"},
           Case{milk, "2004 January\n12.50\n", "12.50\n", ":4: \"12.50\" is not a month key"},
           Case{"categories/Food.txt", "end item list\n", "",
                ":3: \"begin item list\" without \"end item list\""},
       }) {
    std::string bad = good.at(c.file);
    bad.replace(bad.find(c.from), c.from.size(), c.to);
    Write(c.file, bad);
    std::string wrong = fuel;
    Write("items/Car Fuel.txt", wrong.replace(wrong.find("30.00"), 5, "99.00"));
    const Strings found = Check();
    EXPECT_NE(std::find(found.begin(), found.end(), c.file + c.said), found.end())
        << ::testing::PrintToString(found);
    const Status repaired = RepairTotals(db, fs);
    EXPECT_NE(repaired.message().find(c.file + c.said), std::string::npos) << repaired.message();
    for (const auto& [file, content] : good) EXPECT_EQ(Read(file), file == c.file ? bad : content);
    EXPECT_EQ(Read("items/Car Fuel.txt"), fuel);
    Write(c.file, good.at(c.file));
  }
}

TEST_F(IntegrityTest, AnUnreadableItemFileStopsTheRepairOfItsCategory) {
  const std::string food = Read("categories/Food.txt");
  std::filesystem::remove(base() + "/items/Food Milk.txt");
  std::filesystem::create_directory(base() + "/items/Food Milk.txt");
  EXPECT_EQ(Check(), Strings{"items/Food Milk.txt: cannot be read"});
  const Status repaired = RepairTotals(db, fs);
  EXPECT_NE(repaired.message().find("items/Food Milk.txt: cannot be read"), std::string::npos);
  EXPECT_EQ(Read("categories/Food.txt"), food);
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

TEST_F(IntegrityTest, ListsIndexLinesWithoutFilesUnlistedFilesAndOddMonths) {
  Write("persons/Carl.txt", "Carl\n ");
  Write("persons/Anna.txt", "\xEF\xBB\xBF" + std::string("Anna\n "));
  Write("items/Food Tea.txt", "");
  Write("KSDBCategories.txt", "Food\n\nGhost\nFood\n../../x");
  Write("KSDBPersons.txt", "Anna\nBob");
  Write("KSDBMonths.txt", "2004 January\njunk\n2004 January\n2003 May\n");
  Load();
  const Strings expected = {"KSDBCategories.txt:2: blank line",
                            "KSDBCategories.txt:3: categories/Ghost.txt is missing",
                            "KSDBCategories.txt:4: \"Food\" listed twice",
                            "KSDBCategories.txt:5: \"../../x\" cannot name a file",
                            "persons/Anna.txt: byte-order mark at the start",
                            "KSDBPersons.txt:2: persons/Bob.txt is missing",
                            "items/Food Tea.txt: belongs to no item of the catalogue",
                            "KSDBMonths.txt:2: \"junk\" is not a month key",
                            "KSDBMonths.txt:3: 2004 January listed twice",
                            "KSDBMonths.txt:4: 2003 May is held by no file",
                            "KSDBMonths.txt: 2004 February has purchases but is not listed",
                            "persons/Carl.txt: not named in KSDBPersons.txt (kept, not used)"};
  EXPECT_EQ(Check(), expected);
  ASSERT_TRUE(RepairTotals(db, fs).ok());
  for (const char* invented : {"categories/Ghost.txt", "categories/.txt", "persons/Bob.txt"})
    EXPECT_FALSE(Exists(invented)) << invented;
  EXPECT_FALSE(std::filesystem::exists(work.path() + "/data/x.txt"));
}

TEST_F(IntegrityTest, ACleanBookHasNothingToReportAndRepairRestoresTheTotalsAndZeroEntries) {
  // Item files as the queries' repair leaves them: the totals only, or sections appended.
  for (const char* item : {"Jam", "Rum"}) ASSERT_TRUE(db.AddItemToCategory("Food", item, "").ok());
  Write("items/Food Rum.txt", "");
  ASSERT_TRUE(db.RepairBook().ok());
  EXPECT_TRUE(CheckIntegrity(db, fs).clean()) << ::testing::PrintToString(Check());
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

}  // namespace
}  // namespace kestrune::testing
