// Shares for one, two and no persons; names and texts that HTML or a URL would misread.
#include <gtest/gtest.h>

#include "pages/page_writers.h"
#include "tests/pages/expected_pieces.h"
#include "tests/support/database_fixture.h"

namespace kestrune::testing {
namespace {

const std::string kCnt = "<img src=cnt.gif border=0>";

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

TEST_F(SharesTest, OnePersonCarriesAllOfWhatWasBoughtForAll) {
  WritePersons("Anna");
  Load();
  EXPECT_EQ(PersonPageText(db, "Anna", -1).value,
            ExpectedPersonPageTop("Anna", " ", "10.00 ", "Expenses") +
                ExpectedListRow("Food", "Food", kCnt + " ", "10.00 ") + kExpectedTail);
}

TEST_F(SharesTest, TwoPersonsCarryHalfEach) {
  WritePersons("Anna\nBob");
  Load();
  EXPECT_EQ(PersonPageText(db, "Bob", -1).value,
            ExpectedPersonPageTop("Bob", " ", "5.00 ", "Expenses") +
                ExpectedListRow("Food", "Food", kCnt + " ", "5.00 ") + kExpectedTail);
  EXPECT_EQ(PersonItemsPageText(db, "Anna", -1).value,
            ExpectedPersonPageTop("Anna", " ", "5.00 ", "Item's statistics") +
                ExpectedListRow("Food", "Milk", "Food", "5.00 ") + kExpectedTail);
}

TEST_F(SharesTest, WithNoPersonsThereIsNoShareToAdd) {
  // No person can be selected then; a page asked for anyway must not divide by zero.
  Load();
  EXPECT_EQ(PersonItemsPageText(db, "Anna", -1).value,
            ExpectedPersonPageTop("Anna", "", "0.00 ", "Item's statistics") +
                ExpectedListRow("Food", "Milk", "Food", "0.00 ") + kExpectedTail);
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

const std::string kCategoryText = "R&amp;D &lt;&quot;#1&quot; 50%&gt;";
const std::string kCategoryHref = "R&amp;D &lt;&quot;%231&quot; 50%25&gt;";
const std::string kItemText = "A&amp;B &lt;&quot;#2?&quot; 5%&gt;";
const std::string kItemHref = "A&amp;B &lt;&quot;%232%3F&quot; 5%25&gt;";

TEST_F(EscapingTest, ItemPageEscapesNamesTextsAndLinkTargets) {
  const std::string person = "Jo &quot;#3&quot;";
  const std::string line_href =
      "2004|May|02|Jo &quot;%233&quot;|a%2Fb%5Cc %231 %3Fx 5%25 &lt;i&gt;| 3.50";
  EXPECT_EQ(ItemPageText(db, kCategory, kItem, -1).value,
            ExpectedItemPageTop(kItemText, "x &lt; y &amp; &quot;z&quot;", "3.50 &lt;&amp;&gt;") +
                ExpectedPurchaseRow("02  May  2004", "a/b\\c #1 ?x 5% &lt;i&gt;",
                                    " 3.50 &lt;&amp;&gt;", person, line_href) +
                kExpectedTail);
}

TEST_F(EscapingTest, ListPagesEscapeLinkTextAndEncodeLinkTargets) {
  EXPECT_EQ(CategoryPageText(db, kCategory, -1).value,
            ExpectedCategoryPageTop(kCategoryText, " ", "0.00 &lt;&amp;&gt;") +
                ExpectedListRow(kCategoryHref + "%2F" + kItemHref, kItemText,
                                kCnt + "x &lt; y &amp; &quot;z&quot;", "3.50 &lt;&amp;&gt;") +
                ExpectedListRow(kCategoryHref + "%2F Tea%20", " Tea ", kCnt, "0.00 &lt;&amp;&gt;") +
                kExpectedTail);
  EXPECT_EQ(PersonItemsPageText(db, kPerson, -1).value,
            ExpectedPersonPageTop("Jo &quot;#3&quot;", "&lt;b&gt;boss&lt;/b&gt;",
                                  "0.00 &lt;&amp;&gt;", "Item's statistics") +
                ExpectedListRow(kCategoryHref, kItemText, kCategoryText, "0.00 &lt;&amp;&gt;") +
                ExpectedListRow(kCategoryHref, " Tea ", kCategoryText, "0.00 &lt;&amp;&gt;") +
                kExpectedTail);
}

}  // namespace
}  // namespace kestrune::testing
