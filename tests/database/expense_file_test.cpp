// The one model of category and item files: what it reads it writes back, line for line.
#include "database/expense_file.h"

#include <gtest/gtest.h>

#include <random>

#include "database/text_lines.h"
#include "tests/support/database_fixture.h"

namespace kestrune::testing {
namespace {

// Any mix of the lines that steer the parts, sound or not, with "\r\n", a byte-order mark
// or no last line end now and then.
std::string RandomFile(std::mt19937& random) {
  static const std::vector<std::string> vocabulary = [] {
    std::vector<std::string> lines = {kBeginCategoryTotals, kEndCategoryTotals, kBeginItemTotals,
                                      kEndItemTotals,       kBeginPersonTotals, kEndPersonTotals,
                                      kBeginPurchaseList,   kEndPurchaseList};
    lines.insert(lines.end(),
                 {"begin item list", "end item list", "Milk|1 l", "all months", "2004 January",
                  "month: all months", "month: 2004 January", "person: Anna", "person: for all",
                  " 12.50", "x", "", "2004|January|05|Anna|bread|12.50"});
    return lines;
  }();
  std::string content = random() % 8 == 0 ? "\xEF\xBB\xBF" : "";
  const int count = static_cast<int>(random() % 24);
  for (int i = 0; i < count; ++i) {
    content += vocabulary[random() % vocabulary.size()];
    if (i + 1 < count || random() % 2 == 0) content += random() % 4 == 0 ? "\r\n" : "\n";
  }
  return content;
}

TEST(ExpenseFileTest, WritingGivesBackEveryLineAndTheSameFault) {
  std::mt19937 random(20240601);
  for (int round = 0; round < 20000; ++round) {
    const std::string content = RandomFile(random);
    for (const SectionMarks marks : {kCategoryTotals, kItemTotals}) {
      const ExpenseFile file(content, marks);
      const std::string written = file.Format();
      ASSERT_EQ(written, JoinEndedLines(SplitLines(content))) << content;
      const std::optional<SectionFault> fault = file.Fault();
      const std::optional<SectionFault> again = ExpenseFile(written, marks).Fault();
      ASSERT_EQ(again.has_value(), fault.has_value()) << content;
      if (fault) {
        ASSERT_EQ(std::pair(again->line, again->what), std::pair(fault->line, fault->what));
      }
    }
  }
}

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
