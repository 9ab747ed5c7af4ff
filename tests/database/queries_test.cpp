// Totals and purchases read from the expense sections, and the repairs the queries make.
#include <gtest/gtest.h>

#include <filesystem>

#include "database/sections.h"
#include "tests/support/database_fixture.h"

namespace kestrune::testing {
namespace {

using Strings = std::vector<std::string>;

class QueriesTest : public DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Write("KSDBCategories.txt", "Food");
    Write("KSDBPersons.txt", "Anna\nBob");
    Write("persons/Anna.txt", "Anna\n ");
    Write("persons/Bob.txt", "Bob\n ");
  }
  void WriteFood(const Strings& totals, const Strings& persons = {}) {
    Write("categories/Food.txt", CategoryFile("Food", {"Milk|"}, totals, persons));
  }
  PersonTotals Everyone() const { return {{"Anna", 0.0}, {"Bob", 0.0}, {"for all", 0.0}}; }
};

TEST_F(QueriesTest, MonthTotalsTakeTheLineAfterTheLastMatchingKeyInsideTheSection) {
  Write("categories/Food.txt",
        Lines({"Food", " ", "2004 May", "99.00", "begin all category expenses", "all months",
               "30.00", "2004 January", "12.50", "2004 January", "17.50", "2004 March",
               "end all category expenses", "2004 June", " 1.00", "begin persons expenses",
               "end persons expenses"}));
  Load();
  EXPECT_DOUBLE_EQ(db.CategoryMonthTotal("all months", "Food"), 30.0);
  EXPECT_DOUBLE_EQ(db.CategoryMonthTotal("2004 January", "Food"), 17.5);
  EXPECT_DOUBLE_EQ(db.CategoryMonthTotal("2004 March", "Food"), 0.0);
  EXPECT_DOUBLE_EQ(db.CategoryMonthTotal("2004 May", "Food"), 0.0);
  EXPECT_DOUBLE_EQ(db.CategoryMonthTotal("2004 June", "Food"), 0.0);
  EXPECT_DOUBLE_EQ(db.CategoryMonthTotal("2005 June", "Food"), 0.0);
  EXPECT_TRUE(db.TakeWriteFailures().empty());
}

TEST_F(QueriesTest, PersonTotalsReadOnlyTheWantedBlockAndOnlyMappedPersons) {
  WriteFood(
      {}, {"month: all months", "person: Anna", "12.50", "person: Carl", " 4.00", "person: for all",
           " 6.00", "month: 2004 January", "person: Anna", " 2.50", "person: Bob", " 1.00"});
  Load();
  PersonTotals all = Everyone();
  db.CategoryPersonTotals("all months", "Food", all);
  EXPECT_EQ(all, (PersonTotals{{"Anna", 12.5}, {"Bob", 0.0}, {"for all", 6.0}}));
  PersonTotals january = {{"Anna", 0.0}, {"Bob", 7.0}};
  db.CategoryPersonTotals("2004 January", "Food", january);
  EXPECT_EQ(january, (PersonTotals{{"Anna", 2.5}, {"Bob", 1.0}}));
  PersonTotals february = {{"Anna", 3.0}};
  db.CategoryPersonTotals("2004 February", "Food", february);
  EXPECT_EQ(february, (PersonTotals{{"Anna", 3.0}}));
}

TEST_F(QueriesTest, ItemTotalsAndPurchasesByMonth) {
  WriteFood({});
  Write(
      "items/Food Milk.txt",
      Lines({"begin all item expenses", "all months", "17.00", "2004 January", "12.50",
             "end all item expenses", "begin persons expenses", "month: all months", "person: Anna",
             "12.50", "person: Bob", " 4.50", "end persons expenses", "begin purchase list",
             "2004|January|05|Anna|bread|12.50", "2003|December|31|Bob|| 3.50",
             "1999|May|01|Bob|not in the index| 1.00", "end purchase list"}));
  Load();
  EXPECT_DOUBLE_EQ(db.ItemMonthTotal("all months", "Food", "Milk"), 17.0);
  PersonTotals totals = Everyone();
  db.ItemPersonTotals("all months", "Food", "Milk", totals);
  EXPECT_EQ(totals, (PersonTotals{{"Anna", 12.5}, {"Bob", 4.5}, {"for all", 0.0}}));

  std::vector<PurchaseRecord> all;
  db.ItemPurchases("all months", "Food", "Milk", all);
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[1], (PurchaseRecord{"2003", "December", "31", "Bob", "", " 3.50"}));
  EXPECT_EQ(all[2].information, "not in the index");

  std::vector<PurchaseRecord> january;
  db.ItemPurchases("2004 January", "Food", "Milk", january);
  ASSERT_EQ(january.size(), 1u);
  EXPECT_EQ(FormatPurchaseLine(january[0]), "2004|January|05|Anna|bread|12.50");
  std::vector<PurchaseRecord> none;
  db.ItemPurchases("January 2004", "Food", "Milk", none);
  EXPECT_TRUE(none.empty());
}

TEST_F(QueriesTest, PurchaseLinesSplitAtTheFirstFiveBars) {
  EXPECT_EQ(ParsePurchaseLine("2004|May|01|Anna|note|12|50"),
            (PurchaseRecord{"2004", "May", "01", "Anna", "note", "12|50"}));
  EXPECT_EQ(ParsePurchaseLine("2004|May"), (PurchaseRecord{"2004", "May", "", "", "", ""}));
}

TEST_F(QueriesTest, MissingFilesAreCreatedFromTheirSkeletons) {
  WriteFood({});
  Load();
  EXPECT_DOUBLE_EQ(db.ItemMonthTotal("all months", "Food", "Milk"), 0.0);
  EXPECT_EQ(Read("items/Food Milk.txt"),
            "begin all item expenses\nend all item expenses\n"
            "begin persons expenses\nend persons expenses");
  std::vector<PurchaseRecord> purchases;
  db.ItemPurchases("all months", "Food", "Bread", purchases);
  EXPECT_EQ(Read("items/Food Bread.txt"),
            "begin all item expenses\nend all item expenses\nbegin persons expenses\n"
            "end persons expenses\nbegin purchase list\nend purchase list");

  std::filesystem::remove(base() + "/categories/Food.txt");
  PersonTotals totals = Everyone();
  db.CategoryPersonTotals("all months", "Food", totals);
  EXPECT_EQ(Read("categories/Food.txt"),
            "Food\n \nbegin all category expenses\nend all category expenses\n"
            "begin persons expenses\nend persons expenses");
  EXPECT_EQ(totals, Everyone());
}

TEST_F(QueriesTest, AMissingSectionIsAppendedEmpty) {
  WriteFood({});
  Write("items/Food Milk.txt", "begin all item expenses\nend all item expenses");
  Load();
  PersonTotals totals = Everyone();
  db.ItemPersonTotals("all months", "Food", "Milk", totals);
  std::vector<PurchaseRecord> purchases;
  db.ItemPurchases("all months", "Food", "Milk", purchases);
  const std::string repaired =
      "begin all item expenses\nend all item expenses\nbegin persons expenses\n"
      "end persons expenses\nbegin purchase list\nend purchase list";
  EXPECT_EQ(Read("items/Food Milk.txt"), repaired);
  EXPECT_DOUBLE_EQ(db.ItemMonthTotal("all months", "Food", "Milk"), 0.0);
  EXPECT_EQ(Read("items/Food Milk.txt"), repaired);  // nothing more appended
}

TEST_F(QueriesTest, RepairsThatCannotBeWrittenAreReported) {
  WriteFood({});
  Load();
  std::filesystem::remove_all(base() + "/items");
  EXPECT_DOUBLE_EQ(db.ItemMonthTotal("all months", "Food", "Milk"), 0.0);
  const Strings failures = db.TakeWriteFailures();
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("Food Milk.txt"), std::string::npos);
  EXPECT_TRUE(db.TakeWriteFailures().empty());
}

}  // namespace
}  // namespace kestrune::testing
