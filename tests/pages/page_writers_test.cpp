// The five report pages of one small expense book, read back as tables.
#include "pages/page_writers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "tests/support/database_fixture.h"
#include "tests/support/failing_file_system.h"
#include "tests/support/html_table.h"

namespace kestrune::testing {
namespace {

// Food (Milk, Bread) and Home (no items); Anna and Bob. Milk was bought by Anna and Bob in
// January 2004 and for all in December 2003; Bread for all in January 2004. The book is made
// through the database, as the dialogs make it.
class PageWritersTest : public DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    ASSERT_TRUE(Load());
    ASSERT_TRUE(db.AddPerson("Anna", "mother").ok());
    ASSERT_TRUE(db.AddPerson("Bob", "").ok());
    ASSERT_TRUE(db.AddCategory("Food", "daily food").ok());
    ASSERT_TRUE(db.AddCategory("Home", "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Food", "Bread", "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Food", "Milk", "1 l, organic").ok());
    Record("Food", "Milk", "2004|January|05|Anna|two bottles| 3.50");
    Record("Food", "Milk", "2003|December|31|for all||10.00");
    Record("Food", "Milk", "2004|January|20|Bob|big pack|12.00");
    Record("Food", "Bread", "2004|January|07|for all|rye| 4.00");
    db.set_currency("EUR");
  }
};

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The shown total ("All item expenses:  25.50 EUR") of a page, read from its text.
std::string ShownTotal(const std::string& page) {
  const std::string text = HtmlText(page);
  const size_t at = text.find(" expenses:");
  if (at == std::string::npos) return "";
  const size_t start = text.find_first_not_of(' ', at + 10);
  return text.substr(start, text.find('\n', start) - start);
}

// Cents of a shown amount ("12.00 EUR").
long Cents(const std::string& shown) {
  const size_t point = shown.find('.');
  return std::stol(shown.substr(0, point)) * 100 + std::stol(shown.substr(point + 1, 2));
}

// A page's rows under its header (first cell, then each cell's text) against `rows`, and its
// shown total against `total` and against the sum of the rows' amounts (the third cell).
::testing::AssertionResult PageShows(const std::string& page, const std::string& total,
                                     const std::vector<std::vector<std::string>>& rows) {
  std::vector<HtmlRow> table;
  for (HtmlRow& row : ReadTableRows(page))
    if (row.size() >= 3) table.push_back(row);
  if (table.size() != rows.size() + 1)
    return ::testing::AssertionFailure() << table.size() - 1 << " rows, not " << rows.size();
  long sum = 0;
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      if (table[r + 1][c].text != rows[r][c])
        return ::testing::AssertionFailure()
               << "row " << r << " cell " << c << ": \"" << table[r + 1][c].text << "\"";
    }
    sum += Cents(table[r + 1][2].text);
  }
  if (ShownTotal(page) != total || (!total.empty() && Cents(total) != sum))
    return ::testing::AssertionFailure() << "total \"" << ShownTotal(page) << "\", rows " << sum;
  return ::testing::AssertionSuccess();
}

// The budget line of a page as a reader sees it, then its bar's fill: kind and width.
std::string BudgetShown(const std::string& page) {
  std::string text = HtmlText(page);
  std::erase(text, '\n');
  const size_t start = text.find("Budget of");
  if (start == std::string::npos) return "";
  const size_t last = std::min(text.find("left:", start), text.find("over:", start));
  const size_t end = text.find("EUR", last) + 3;
  std::smatch bar;
  std::regex_search(page, bar,
                    std::regex("class=\"budget-(\\w+)\" style=\"height:10px;width:([0-9.]+%)"));
  return text.substr(start, end - start) + " | " + bar[1].str() + " " + bar[2].str();
}

// The item page of all months is the contract with the readers of existing books: its
// bytes are kept whole in a file.
TEST_F(PageWritersTest, ItemPageIsKeptByteForByte) {
  EXPECT_EQ(ItemPageText(db, "Food", "Milk", -1).value,
            FileText(std::string(KESTRUNE_PAGES_TEST_DATA) + "/item_page.html"));
}

TEST_F(PageWritersTest, ItemPageListsPurchasesByMonthAndDayWhateverTheYearWithTheirLinks) {
  using Row = std::vector<std::string>;
  const Row december = {"31  December  2003", "", "10.00 EUR", "for all"};
  const Row january20 = {"20  January  2004", "big pack", "12.00 EUR", "Bob"};
  const Row january5 = {"05  January  2004", "two bottles", "3.50 EUR", "Anna"};
  EXPECT_TRUE(PageShows(ItemPageText(db, "Food", "Milk", -1).value, "25.50 EUR",
                        {december, january20, january5}));
  const std::string january = ItemPageText(db, "Food", "Milk", 0).value;
  EXPECT_TRUE(PageShows(january, "15.50 EUR", {january20, january5}));
  const HtmlRow row = ReadTableRows(january).back();
  EXPECT_EQ(row.back().links,
            (std::vector<std::string>{"Delete purchase2004|January|05|Anna|two bottles| 3.50",
                                      "Edit purchase2004|January|05|Anna|two bottles| 3.50"}));
  EXPECT_TRUE(PageShows(ItemPageText(db, "Food", "Bread", 1).value, "0.00 EUR", {}));
}

TEST_F(PageWritersTest, ListPagesShowEachEntryWithItsShareAndTheirSum) {
  using Row = std::vector<std::string>;
  struct Case {
    std::string page, total;
    std::vector<Row> rows;
  };
  const Row milk = {"Milk", "1 l, organic", "25.50 EUR"}, bread = {"Bread", "", "4.00 EUR"};
  const Row december_milk = {"Milk", "1 l, organic", "10.00 EUR"};
  const Row no_bread = {"Bread", "", "0.00 EUR"}, no_home = {"Home", "", "0.00 EUR"};
  const Case cases[] = {
      {CategoryPageText(db, "Food", -1).value, "29.50 EUR", {milk, bread}},
      {CategoryPageText(db, "Food", 1).value, "10.00 EUR", {december_milk, no_bread}},
      {CategoryPageText(db, "Home", -1).value, "0.00 EUR", {}},
      // Anna: 3.50 of her own and half of 14.00 bought for all.
      {PersonPageText(db, "Anna", -1).value,
       "10.50 EUR",
       {{"Food", "daily food", "10.50 EUR"}, no_home}},
      // Bob in January 2004: 12.00 and half of 4.00.
      {PersonPageText(db, "Bob", 0).value,
       "14.00 EUR",
       {{"Food", "daily food", "14.00 EUR"}, no_home}},
      {PersonItemsPageText(db, "Anna", -1).value,
       "10.50 EUR",
       {{"Milk", "Food", "8.50 EUR"}, {"Bread", "Food", "2.00 EUR"}}},
      {ItemStatisticsPageText(db, -1).value, "", {milk, bread}},
      {ItemStatisticsPageText(db, 1).value, "", {december_milk, no_bread}},
  };
  for (const Case& c : cases) EXPECT_TRUE(PageShows(c.page, c.total, c.rows)) << c.rows.size();
  const std::vector<HtmlRow> rows = ReadTableRows(CategoryPageText(db, "Food", -1).value);
  EXPECT_EQ(rows[rows.size() - 2][0].links, std::vector<std::string>{"Food%2FMilk"});
  EXPECT_EQ(rows.back()[0].links, std::vector<std::string>{"Food%2FBread"});
}

// What was bought for all is shared among the persons there are: all of it to the one left,
// and nothing, without dividing by zero, when there is none (a page asked for anyway).
TEST_F(PageWritersTest, ForAllIsSharedAmongThePersonsThereAre) {
  ASSERT_TRUE(db.DeletePerson("Bob").ok());
  EXPECT_TRUE(PageShows(PersonPageText(db, "Anna", -1).value, "17.50 EUR",
                        {{"Food", "daily food", "17.50 EUR"}, {"Home", "", "0.00 EUR"}}));
  ASSERT_TRUE(db.DeletePerson("Anna").ok());
  EXPECT_TRUE(PageShows(PersonItemsPageText(db, "Anna", -1).value, "0.00 EUR",
                        {{"Milk", "Food", "0.00 EUR"}, {"Bread", "Food", "0.00 EUR"}}));
}

// Names and texts that HTML or a URL would misread show as typed, and link targets encode
// what a browser would take for a path, a query or a fragment.
TEST_F(PageWritersTest, PagesShowNamesAndTextsAsTypedAndEncodeLinkTargets) {
  const std::string category = "R&D <\"#1\" 50%>", item = "A&B <\"#2?\" 5%>", person = "Jo \"#3\"";
  ASSERT_TRUE(db.AddPerson(person, "<b>boss</b>").ok());
  ASSERT_TRUE(db.AddCategory(category, "").ok());
  ASSERT_TRUE(db.AddItemToCategory(category, item, "x < y & \"z\"").ok());
  Record(category, item, "2004|May|02|" + person + "|a/b\\c #1 ?x 5% <i>| 3.50");
  db.set_currency("<&>");
  const std::string item_page = ItemPageText(db, category, item, -1).value;
  EXPECT_TRUE(PageShows(item_page, "3.50 <&>",
                        {{"02  May  2004", "a/b\\c #1 ?x 5% <i>", "3.50 <&>", person}}));
  EXPECT_EQ(ReadTableRows(item_page).back().back().links.at(0),
            "Delete purchase2004|May|02|Jo \"%233\"|a%2Fb%5Cc %231 %3Fx 5%25 <i>| 3.50");
  const std::string category_page = CategoryPageText(db, category, -1).value;
  EXPECT_TRUE(PageShows(category_page, "3.50 <&>", {{item, "x < y & \"z\"", "3.50 <&>"}}));
  EXPECT_EQ(ReadTableRows(category_page).back()[0].links.at(0),
            "R&D <\"%231\" 50%25>%2FA&B <\"%232%3F\" 5%25>");
  const std::string person_page = HtmlText(PersonItemsPageText(db, person, -1).value);
  for (const std::string& shown : {person, category, std::string("<b>boss</b>")})
    EXPECT_NE(person_page.find(shown), std::string::npos) << shown;
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

TEST_F(PageWritersTest, TheCategoryPageOfAMonthShowsItsBudgetSpentAndLeftOrOver) {
  // Food spent 19.50 in January 2004 (position 0); an "all months" page shows no budget.
  const std::vector<std::pair<kestrune::Cents, std::string>> cases = {
      {1960, "19.60 EUR / spent: 19.50 EUR / left: 0.10 EUR | under 99.48%"},
      {1950, "19.50 EUR / spent: 19.50 EUR / left: 0.00 EUR | under 100.00%"},
      {1000, "10.00 EUR / spent: 19.50 EUR / over: 9.50 EUR | over 100.00%"}};
  for (const auto& [budget, shown] : cases) {
    ASSERT_TRUE(db.SetBudget("Food", "", budget).ok());
    const std::string page = CategoryPageText(db, "Food", 0).value;
    EXPECT_EQ(BudgetShown(page), "Budget of Food for January 2004: " + shown);
    EXPECT_TRUE(PageShows(page, "19.50 EUR",
                          {{"Milk", "1 l, organic", "15.50 EUR"}, {"Bread", "", "4.00 EUR"}}));
    EXPECT_EQ(BudgetShown(CategoryPageText(db, "Food", -1).value), "");
  }
  ASSERT_TRUE(db.AddCategory("<i>Tea&", "").ok());
  ASSERT_TRUE(db.SetBudget("<i>Tea&", "", 100).ok());
  const std::string page = CategoryPageText(db, "<i>Tea&", 1).value;
  EXPECT_EQ(BudgetShown(page),
            "Budget of <i>Tea& for December 2003: 1.00 EUR / spent: 0.00 EUR / left: 1.00 EUR | "
            "under 0.00%");
  EXPECT_EQ(page.find("<i>"), std::string::npos);
}

}  // namespace
}  // namespace kestrune::testing
