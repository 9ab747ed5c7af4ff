// Many purchases and the names they need, recorded as one change.
#include "tests/support/database_fixture.h"
#include "tests/support/failing_file_system.h"

namespace kestrune::testing {
namespace {

class PurchaseBatchTest : public DatabaseTest {};

TEST_F(PurchaseBatchTest, ABatchIsWrittenWholeOrNotAtAll) {
  WriteEmptyIndexes();
  FailingFileSystem failing;
  ExpenseDatabase book(failing);
  RecordingPrompt prompt(PromptAnswer::kExit);
  ASSERT_TRUE(book.LoadDatabase(base(), prompt) == LoadOutcome::kLoaded);
  const PurchaseBatch batch{{"Food"},
                            {{"Food", "Milk"}},
                            {"Anna"},
                            {{"Food", "Milk", {"2004", "May", "01", "Anna", "a", " 1.00"}},
                             {"Food", "Milk", {"2004", "June", "02", "for all", "b", " 2.50"}},
                             {"Food", "Milk", {"2004", "May", "03", "Anna", "c", " 3.00"}}},
                            "Import 3 purchases"};
  // The first writes are the temporary files: a disk full there changes nothing at all.
  for (failing.fail_after = 0; failing.fail_after < 5; ++failing.fail_after) {
    failing.changes = 0;
    EXPECT_FALSE(book.RecordPurchases(batch).ok());
    EXPECT_EQ(Read("KSDBCategories.txt") + Read("KSDBPersons.txt") + Read("KSDBMonths.txt"), "");
    EXPECT_FALSE(Exists("categories/Food.txt"));
    EXPECT_FALSE(book.CategoryExists("Food") || book.PersonExists("Anna"));
    EXPECT_TRUE(book.GetMonths().empty());
  }
  failing.fail_after = 1 << 30;
  std::vector<std::size_t> reported;
  ASSERT_TRUE(
      book.RecordPurchases(batch, [&](std::size_t done,
                                      std::size_t total) { reported.push_back(done * 10 + total); })
          .ok());
  EXPECT_EQ(reported, std::vector<std::size_t>{33});
  std::vector<PurchaseRecord> purchases;
  ASSERT_TRUE(book.ItemPurchases("all months", "Food", "Milk", purchases).ok());
  ASSERT_EQ(purchases.size(), 3u);
  EXPECT_EQ(purchases[0].information + purchases[1].information + purchases[2].information, "cba");
  EXPECT_EQ(book.GetMonths(), (std::vector<std::string>{"2004 June", "2004 May"}));
  EXPECT_EQ(book.CategoryMonthTotal("2004 May", "Food").value, 400);
  EXPECT_TRUE(CheckTotals(book).empty());
}

}  // namespace
}  // namespace kestrune::testing
