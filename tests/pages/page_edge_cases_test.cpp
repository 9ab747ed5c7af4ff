// Shares for one, two and no persons; names and texts that HTML or a URL would misread.
#include <gtest/gtest.h>

#include "pages/page_writers.h"
#include "tests/support/database_fixture.h"
#include "tests/support/html_table.h"

namespace kestrune::testing {
namespace {

// The text of each cell of each row of at least three cells, header first.
std::vector<std::vector<std::string>> Table(const std::string& page) {
  std::vector<std::vector<std::string>> table;
  for (const HtmlRow& row : ReadTableRows(page)) {
    if (row.size() < 3) continue;
    table.emplace_back();
    for (const HtmlCell& cell : row) table.back().push_back(cell.text);
  }
  return table;
}

// The rows under the header, each cut to its first three cells, and the shown total.
std::vector<std::vector<std::string>> Rows(const std::string& page) {
  std::vector<std::vector<std::string>> rows = Table(page);
  rows.erase(rows.begin());
  for (auto& row : rows) row.resize(3);
  const std::string text = HtmlText(page);
  const size_t at = text.find("expenses:");
  std::string total = text.substr(at, text.find('\n', at) - at);
  total.erase(total.find_last_not_of(' ') + 1);
  rows.push_back({total});
  return rows;
}

using Cells = std::vector<std::vector<std::string>>;

// One category Food whose only purchase is 10.00 bought for all, in item Milk.
class SharesTest : public DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Write("KSDBCategories.txt", "Food");
    Write("categories/Food.txt", CategoryFile("Food", {"Milk|"}, {"all months", "10.00"},
                                              {"month: all months", "person: for all", "10.00"}));
    Write("items/Food Milk.txt",
          Lines({"begin all item expenses", "all months", "10.00", "end all item expenses",
                 "begin persons expenses", "month: all months", "person: for all", "10.00",
                 "end persons expenses", "begin purchase list", "2004|May|02|for all|| 10.00",
                 "end purchase list"}));
  }
  void WritePersons(const std::string& index) {
    Write("KSDBPersons.txt", index);
    Write("persons/Anna.txt", "Anna\n ");
    Write("persons/Bob.txt", "Bob\n ");
  }
};

TEST_F(SharesTest, WhatWasBoughtForAllIsSharedEquallyAmongThePersonsIfAny) {
  WritePersons("Anna");
  Load();
  EXPECT_EQ(Rows(PersonPageText(db, "Anna", -1).value),
            (Cells{{"Food", "", "10.00"}, {"expenses:  10.00"}}));
  WritePersons("Anna\nBob");
  Load();
  EXPECT_EQ(Rows(PersonPageText(db, "Bob", -1).value),
            (Cells{{"Food", "", "5.00"}, {"expenses:  5.00"}}));
  EXPECT_EQ(Rows(PersonItemsPageText(db, "Anna", -1).value),
            (Cells{{"Milk", "Food", "5.00"}, {"expenses:  5.00"}}));
  // With no person none can be selected; a page asked for anyway must not divide by zero.
  WritePersons("");
  Load();
  EXPECT_EQ(Rows(PersonItemsPageText(db, "Anna", -1).value),
            (Cells{{"Milk", "Food", "0.00"}, {"expenses:  0.00"}}));
}

// Names holding "&", "<", ">", "\"", "#", "?" and "%", blanks at their ends, and purchase
// texts holding "/" and "\".
class EscapingTest : public DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Write("KSDBCategories.txt", kCategory);
    Write("KSDBPersons.txt", kPerson);
    Write("persons/" + kPerson + ".txt", kPerson + "\n<b>boss</b>");
    Write("categories/" + kCategory + ".txt",
          CategoryFile(kCategory, {kItem + "|x < y & \"z\"", " Tea |"}));
    Write("items/" + kCategory + " " + kItem + ".txt",
          Lines({"begin all item expenses", "all months", " 3.50", "end all item expenses",
                 "begin purchase list", kPurchase, "end purchase list"}));
    Load();
    db.set_currency("<&>");
  }
  const std::string kCategory = "R&D <\"#1\" 50%>";
  const std::string kItem = "A&B <\"#2?\" 5%>";
  const std::string kPerson = "Jo \"#3\"";
  const std::string kPurchase = "2004|May|02|" + kPerson + "|a/b\\c #1 ?x 5% <i>| 3.50";
};

// Read back as HTML, every name and text shows as typed, and every link target names it
// with the characters a URL would misread encoded.
TEST_F(EscapingTest, PagesShowNamesAndTextsAsTypedAndEncodeLinkTargets) {
  const std::string category_href = "R&D <\"%231\" 50%25>";
  const std::string item_href = "A&B <\"%232%3F\" 5%25>";
  const std::string item_page = ItemPageText(db, kCategory, kItem, -1).value;
  EXPECT_EQ(
      Table(item_page).at(1),
      (std::vector<std::string>{"02  May  2004", "a/b\\c #1 ?x 5% <i>", "3.50 <&>", kPerson, ""}));
  EXPECT_EQ(ReadTableRows(item_page).back().back().links.at(0),
            "Delete purchase2004|May|02|Jo \"%233\"|a%2Fb%5Cc %231 %3Fx 5%25 <i>| 3.50");
  const std::string text = HtmlText(item_page);
  EXPECT_NE(text.find(kItem), std::string::npos);
  EXPECT_NE(text.find("x < y & \"z\""), std::string::npos);

  const std::string category_page = CategoryPageText(db, kCategory, -1).value;
  EXPECT_EQ(Rows(category_page), (Cells{{kItem, "x < y & \"z\"", "3.50 <&>"},
                                        {"Tea", "", "0.00 <&>"},
                                        {"expenses:  0.00 <&>"}}));
  const std::vector<HtmlRow> rows = ReadTableRows(category_page);
  EXPECT_EQ(rows[rows.size() - 2][0].links.at(0), category_href + "%2F" + item_href);
  EXPECT_EQ(rows.back()[0].links.at(0), category_href + "%2F Tea%20");

  const std::string person_page = PersonItemsPageText(db, kPerson, -1).value;
  EXPECT_NE(HtmlText(person_page).find("<b>boss</b>"), std::string::npos);
  EXPECT_EQ(Table(person_page).at(1).at(1), kCategory);
  EXPECT_EQ(ReadTableRows(person_page).back()[0].links.at(0), category_href);
}

}  // namespace
}  // namespace kestrune::testing
