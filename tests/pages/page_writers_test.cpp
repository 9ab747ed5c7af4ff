// The five report pages of one small expense book, byte for byte.
#include "pages/page_writers.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/pages/expected_pieces.h"
#include "tests/support/database_fixture.h"
#include "tests/support/failing_file_system.h"

namespace kestrune::testing {
namespace {

// Food (Milk, Bread) and Home (no items); Anna and Bob. Milk was bought by Anna and Bob in
// January 2004 and for all in December 2003; Bread for all in January 2004.
class PageWritersTest : public DatabaseTest {
 protected:
  void SetUp() override {
    Write("KSDBCategories.txt", "Food\nHome");
    Write("KSDBPersons.txt", "Anna\nBob");
    Write("KSDBMonths.txt", "2003 December\n2004 January\n");
    Write("persons/Anna.txt", "Anna\n mother");
    Write("persons/Bob.txt", "Bob\n ");
    Write("categories/Food.txt", Lines({"Food",
                                        "daily food",
                                        "begin item list",
                                        "Milk|1 l, organic",
                                        "Bread|",
                                        "end item list",
                                        "begin all category expenses",
                                        "all months",
                                        "29.50",
                                        "2004 January",
                                        "19.50",
                                        "2003 December",
                                        "10.00",
                                        "end all category expenses",
                                        "begin persons expenses",
                                        "month: all months",
                                        "person: Anna",
                                        " 3.50",
                                        "person: for all",
                                        "14.00",
                                        "person: Bob",
                                        "12.00",
                                        "month: 2004 January",
                                        "person: Anna",
                                        " 3.50",
                                        "person: Bob",
                                        "12.00",
                                        "person: for all",
                                        " 4.00",
                                        "month: 2003 December",
                                        "person: for all",
                                        "10.00",
                                        "end persons expenses"}));
    Write("categories/Home.txt", CategoryFile("Home", {}));
    Write("items/Food Milk.txt", Lines({"begin all item expenses",
                                        "all months",
                                        "25.50",
                                        "2004 January",
                                        "15.50",
                                        "2003 December",
                                        "10.00",
                                        "end all item expenses",
                                        "begin persons expenses",
                                        "month: all months",
                                        "person: Anna",
                                        " 3.50",
                                        "person: for all",
                                        "10.00",
                                        "person: Bob",
                                        "12.00",
                                        "month: 2004 January",
                                        "person: Anna",
                                        " 3.50",
                                        "person: Bob",
                                        "12.00",
                                        "month: 2003 December",
                                        "person: for all",
                                        "10.00",
                                        "end persons expenses",
                                        "begin purchase list",
                                        "2004|January|20|Bob|big pack|12.00",
                                        "2003|December|31|for all||10.00",
                                        "2004|January|05|Anna|two bottles| 3.50",
                                        "end purchase list"}));
    Write("items/Food Bread.txt",
          Lines({"begin all item expenses", "all months", " 4.00", "2004 January", " 4.00",
                 "end all item expenses", "begin persons expenses", "month: all months",
                 "person: for all", " 4.00", "month: 2004 January", "person: for all", " 4.00",
                 "end persons expenses", "begin purchase list", "2004|January|07|for all|rye| 4.00",
                 "end purchase list"}));
    Load();
    db.set_currency("EUR");
  }
};

const std::string kCnt = "<img src=cnt.gif border=0>";

const std::string kMilkDecember = ExpectedPurchaseRow("31  December  2003", "", "10.00 EUR",
                                                      "for all", "2003|December|31|for all||10.00");
const std::string kMilkJanuary20 = ExpectedPurchaseRow("20  January  2004", "big pack", "12.00 EUR",
                                                       "Bob", "2004|January|20|Bob|big pack|12.00");
const std::string kMilkJanuary5 =
    ExpectedPurchaseRow("05  January  2004", "two bottles", " 3.50 EUR", "Anna",
                        "2004|January|05|Anna|two bottles| 3.50");

TEST_F(PageWritersTest, ItemPageListsPurchasesByMonthAndDayWhateverTheYear) {
  EXPECT_EQ(ItemPageText(db, "Food", "Milk", -1).value,
            ExpectedItemPageTop("Milk", "1 l, organic", "25.50 EUR") + kMilkDecember +
                kMilkJanuary20 + kMilkJanuary5 + kExpectedTail);
  EXPECT_EQ(ItemPageText(db, "Food", "Milk", 0).value,
            ExpectedItemPageTop("Milk", "1 l, organic", "15.50 EUR") + kMilkJanuary20 +
                kMilkJanuary5 + kExpectedTail);
}

TEST_F(PageWritersTest, ItemPageOfAMonthWithoutItsPurchasesHasTheHeaderOnly) {
  EXPECT_EQ(ItemPageText(db, "Food", "Bread", 1).value,
            ExpectedItemPageTop("Bread", "", "0.00 EUR") + kExpectedTail);
}

TEST_F(PageWritersTest, CategoryPageListsItemsInListOrderWithTheirTotals) {
  EXPECT_EQ(CategoryPageText(db, "Food", -1).value,
            ExpectedCategoryPageTop("Food", "daily food", "29.50 EUR") +
                ExpectedListRow("Food%2FMilk", "Milk", kCnt + "1 l, organic", "25.50 EUR") +
                ExpectedListRow("Food%2FBread", "Bread", kCnt, "4.00 EUR") + kExpectedTail);
  EXPECT_EQ(CategoryPageText(db, "Food", 1).value,
            ExpectedCategoryPageTop("Food", "daily food", "10.00 EUR") +
                ExpectedListRow("Food%2FMilk", "Milk", kCnt + "1 l, organic", "10.00 EUR") +
                ExpectedListRow("Food%2FBread", "Bread", kCnt, "0.00 EUR") + kExpectedTail);
}

TEST_F(PageWritersTest, CategoryWithoutItemsShowsTheItemHeaderOnly) {
  EXPECT_EQ(CategoryPageText(db, "Home", -1).value,
            ExpectedCategoryPageTop("Home", " ", "0.00 EUR") + kExpectedTail);
}

TEST_F(PageWritersTest, PersonPageAddsAnEqualShareOfWhatWasBoughtForAll) {
  // Anna: 3.50 of her own and half of 14.00 bought for all.
  EXPECT_EQ(PersonPageText(db, "Anna", -1).value,
            ExpectedPersonPageTop("Anna", " mother", "10.50 EUR", "Expenses") +
                ExpectedListRow("Food", "Food", kCnt + "daily food", "10.50 EUR") +
                ExpectedListRow("Home", "Home", kCnt + " ", "0.00 EUR") + kExpectedTail);
  // Bob in January 2004: 12.00 and half of 4.00.
  EXPECT_EQ(PersonPageText(db, "Bob", 0).value,
            ExpectedPersonPageTop("Bob", " ", "14.00 EUR", "Expenses") +
                ExpectedListRow("Food", "Food", kCnt + "daily food", "14.00 EUR") +
                ExpectedListRow("Home", "Home", kCnt + " ", "0.00 EUR") + kExpectedTail);
}

TEST_F(PageWritersTest, PersonItemsPageLinksEachItemToItsCategory) {
  EXPECT_EQ(PersonItemsPageText(db, "Anna", -1).value,
            ExpectedPersonPageTop("Anna", " mother", "10.50 EUR", "Item's statistics") +
                ExpectedListRow("Food", "Milk", "Food", "8.50 EUR") +
                ExpectedListRow("Food", "Bread", "Food", "2.00 EUR") + kExpectedTail);
}

TEST_F(PageWritersTest, ItemStatisticsPageShowsEveryItemAndNbspForNoInformation) {
  EXPECT_EQ(ItemStatisticsPageText(db, -1).value,
            kExpectedStatisticsTop +
                ExpectedListRow("Food%2FMilk", "Milk", "1 l, organic", "25.50 EUR") +
                ExpectedListRow("Food%2FBread", "Bread", "&nbsp", "4.00 EUR") + kExpectedTail);
  EXPECT_EQ(ItemStatisticsPageText(db, 1).value,
            kExpectedStatisticsTop +
                ExpectedListRow("Food%2FMilk", "Milk", "1 l, organic", "10.00 EUR") +
                ExpectedListRow("Food%2FBread", "Bread", "&nbsp", "0.00 EUR") + kExpectedTail);
}

// A page is written whole, or not at all: a data file that cannot be read or a full disk is
// reported and the old page stays.
TEST_F(PageWritersTest, AWriterReplacesThePageFileOrSaysWhyAndLeavesTheOldOne) {
  FailingFileSystem page_disk;
  const std::string page_file = work.path() + "/data/temp.tmp";
  ASSERT_TRUE(WritePersonItemsPage(db, page_disk, page_file, "Bob", -1).ok());
  const std::string written = work.Read("data/temp.tmp");
  EXPECT_EQ(written, PersonItemsPageText(db, "Bob", -1).value);
  std::filesystem::remove(base() + "/items/Food Milk.txt");
  std::filesystem::create_directory(base() + "/items/Food Milk.txt");
  const Status unread = WriteCategoryPage(db, page_disk, page_file, "Food", -1);
  EXPECT_NE(unread.message().find("items/Food Milk.txt"), std::string::npos) << unread.message();
  page_disk.fail_after = 0;
  EXPECT_EQ(WriteCategoryPage(db, page_disk, page_file, "Home", -1).message(),
            "Ups! Cant open data file");
  EXPECT_EQ(work.Read("data/temp.tmp"), written);
}

}  // namespace
}  // namespace kestrune::testing
