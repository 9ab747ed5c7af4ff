// Taking a month out, emptying all purchases, clearing the database.
#include <gtest/gtest.h>

#include "database/sections.h"
#include "tests/support/database_fixture.h"

namespace kestrune::testing {
namespace {

using Strings = std::vector<std::string>;

class MonthsTest : public DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Write("KSDBCategories.txt", "Food");
    Write("categories/Food.txt", CategoryFile("Food", {"Milk|", "Tea|"}));
    Write("KSDBPersons.txt", "Anna");
    Write("persons/Anna.txt", "Anna\n ");
    Load();
    Record("Food", "Milk", "2004|January|05|for all|a|10.00");
    Record("Food", "Milk", "2004|February|05|for all|b| 4.00");
    Record("Food", "Milk", "2004|February|06|Anna|c| 3.00");
  }
};

TEST_F(MonthsTest, DeletingEveryMonthLeavesZeroEntriesAndNoPurchases) {
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
  EXPECT_EQ(Read("items/Food Tea.txt"), Lines({"begin all item expenses", "end all item expenses",
                                               "begin persons expenses", "end persons expenses"}));
  EXPECT_EQ(Read("KSDBMonths.txt"), "");
}

TEST_F(MonthsTest, DeleteAllPurchasesKeepsTheCatalogue) {
  ASSERT_TRUE(db.DeleteAllPurchases().ok());
  const std::string six =
      "begin all item expenses\nend all item expenses\nbegin persons expenses\n"
      "end persons expenses\nbegin purchase list\nend purchase list";
  EXPECT_EQ(Read("items/Food Milk.txt"), six);
  EXPECT_EQ(Read("items/Food Tea.txt"), six);
  EXPECT_EQ(Read("categories/Food.txt"),
            Lines({"Food", " ", "begin item list", "Milk|", "Tea|", "end item list",
                   "begin all category expenses", "end all category expenses",
                   "begin persons expenses", "end persons expenses"}));
  EXPECT_EQ(Read("KSDBMonths.txt"), "");
  EXPECT_EQ(db.GetMonths(), Strings{});
  EXPECT_EQ(db.GetItemNames("Food"), (Strings{"Milk", "Tea"}));
}

}  // namespace
}  // namespace kestrune::testing
