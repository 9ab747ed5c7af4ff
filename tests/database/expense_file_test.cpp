// The one model of category and item files keeps every line it does not edit where it
// stood. That it writes back every line it reads the category and item file fuzzers check on
// every run of the tests, and the item file fuzzer that it finds the same fault in what it
// wrote (the section marks are the model's only difference between the two).
#include "database/expense_file.h"

#include <gtest/gtest.h>

#include "tests/support/database_fixture.h"

namespace kestrune::testing {
namespace {

// Sections in any order with blank lines between them are sound; recording a purchase and
// taking a month out touch only what they name.
TEST_F(DatabaseTest, EditsKeepEveryOtherLineWhereItStood) {
  WriteEmptyIndexes();
  Write("KSDBCategories.txt", "Food");
  Write("categories/Food.txt", Lines({"Food", " ", "begin item list", "Milk|", "end item list"}));
  Write("items/Food Milk.txt",
        Lines({"begin purchase list", "2003|May|02|for all|a| 4.00", "end purchase list", "",
               "begin persons expenses", "month: 2003 May", "person: for all", "4",
               "month: all months", "person: for all", "4", "end persons expenses",
               "begin all item expenses", "2003 May", "4.0", "all months", "4",
               "end all item expenses", ""}));
  Load();
  ASSERT_TRUE(
      db.RecordPurchase("Food", "Milk", ParsePurchaseLine("2004|June|01|for all|b| 1.50")).ok());
  ASSERT_TRUE(db.DeleteMonth("2003 May").ok());
  EXPECT_EQ(Read("items/Food Milk.txt"),
            Lines({"begin purchase list", "2004|June|01|for all|b| 1.50", "end purchase list", "",
                   "begin persons expenses", "month: all months", "person: for all", " 1.50",
                   "month: 2004 June", "person: for all", " 1.50", "end persons expenses",
                   "begin all item expenses", "all months", " 1.50", "2004 June", " 1.50",
                   "end all item expenses", ""}));
}

}  // namespace
}  // namespace kestrune::testing
