// Totals and purchases read from the expense sections without writing, and the one repair
// step that makes real what the queries read as empty.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "database/sections.h"
#include "tests/support/database_fixture.h"
#include "tests/support/failing_file_system.h"

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
  PersonTotals Everyone() const { return {{"Anna", 0}, {"Bob", 0}, {"for all", 0}}; }
  // Every file of the book with its bytes (the work folder's locks and temporaries aside).
  std::map<std::string, std::string> Snapshot() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(base())) {
      const std::string path = entry.path().string().substr(base().size() + 1);
      if (!path.starts_with(".kestrune")) files[path] = entry.is_regular_file() ? Read(path) : "";
    }
    return files;
  }
};

TEST_F(QueriesTest, MonthTotalsTakeTheLineAfterTheLastMatchingKeyInsideTheSection) {
  Write(
      "categories/Food.txt",
      Lines({"Food", " ", "2004 May", "99.00", "begin all category expenses", "all months", "30.00",
             "2004 January", "12.50", "2004 January", "17.50", "end all category expenses",
             "2004 June", " 1.00", "begin persons expenses", "end persons expenses"}));
  Load();
  EXPECT_EQ(db.CategoryMonthTotal("2004 January", "Food").value, 1750);
  for (const char* outside : {"2004 May", "2004 June"})
    EXPECT_EQ(db.CategoryMonthTotal(outside, "Food").value, 0) << outside;
}

TEST_F(QueriesTest, PersonTotalsReadOnlyTheWantedBlockAndOnlyMappedPersons) {
  WriteFood(
      {}, {"month: all months", "person: Anna", "12.50", "person: Carl", " 4.00", "person: for all",
           " 6.00", "month: 2004 January", "person: Anna", " 2.50", "person: Bob", " 1.00"});
  Load();
  PersonTotals all = Everyone();
  EXPECT_TRUE(db.CategoryPersonTotals("all months", "Food", all).ok());
  EXPECT_EQ(all, (PersonTotals{{"Anna", 1250}, {"Bob", 0}, {"for all", 600}}));
  PersonTotals january = {{"Anna", 0}, {"Bob", 700}};
  EXPECT_TRUE(db.CategoryPersonTotals("2004 January", "Food", january).ok());
  EXPECT_EQ(january, (PersonTotals{{"Anna", 250}, {"Bob", 100}}));
  PersonTotals february = {{"Anna", 300}};
  EXPECT_TRUE(db.CategoryPersonTotals("2004 February", "Food", february).ok());
  EXPECT_EQ(february, (PersonTotals{{"Anna", 300}}));
}

TEST_F(QueriesTest, ItemTotalsAndAMonthKeyInAnotherForm) {
  WriteFood({});
  Write(
      "items/Food Milk.txt",
      Lines({"begin all item expenses", "all months", "17.00", "2004 January", "12.50",
             "end all item expenses", "begin persons expenses", "month: all months", "person: Anna",
             "12.50", "person: Bob", " 4.50", "end persons expenses", "begin purchase list",
             "2004|January|05|Anna|bread|12.50", "2003|December|31|Bob|| 3.50",
             "1999|May|01|Bob|not in the index| 1.00", "end purchase list"}));
  Load();
  EXPECT_EQ(db.ItemMonthTotal("all months", "Food", "Milk").value, 1700);
  PersonTotals totals = Everyone();
  EXPECT_TRUE(db.ItemPersonTotals("all months", "Food", "Milk", totals).ok());
  EXPECT_EQ(totals, (PersonTotals{{"Anna", 1250}, {"Bob", 450}, {"for all", 0}}));
  // Filtering by month is the command-line checks' own; a key in another form finds nothing.
  std::vector<PurchaseRecord> none;  // a key not written as the files write it
  EXPECT_TRUE(db.ItemPurchases("January 2004", "Food", "Milk", none).ok());
  EXPECT_TRUE(none.empty());
}

TEST_F(QueriesTest, PurchaseLinesSplitAtTheFirstFiveBars) {
  EXPECT_EQ(ParsePurchaseLine("2004|May|01|Anna|note|12|50"),
            (PurchaseRecord{"2004", "May", "01", "Anna", "note", "12|50"}));
  EXPECT_EQ(ParsePurchaseLine("2004|May"), (PurchaseRecord{"2004", "May", "", "", "", ""}));
}

// Food's file lacks its sections, Milk has no file, Bread's lacks the person totals and
// Jam's cannot be read.
class IncompleteBookTest : public QueriesTest {
 protected:
  void SetUp() override {
    QueriesTest::SetUp();
    Write("categories/Food.txt", "Food\n \nbegin item list\nMilk|\nBread|\nJam|\nend item list");
    Write("items/Food Bread.txt",
          "begin all item expenses\nall months\n 2.00\n"
          "end all item expenses");
    Write("items/Food Jam.txt", "begin all item expenses\nend all item expenses");
    fs.unreadable.insert(base() + "/items/Food Jam.txt");
    ASSERT_EQ(book.LoadDatabase(base(), prompt), LoadOutcome::kLoaded);
  }
  FailingFileSystem fs;
  ExpenseDatabase book{fs};
  RecordingPrompt prompt{PromptAnswer::kExit};
};

// A disk that takes no write at all, as a book the user may only read: every query answers.
TEST_F(IncompleteBookTest, QueriesReadMissingPartsAsEmptyReportUnreadableFilesAndWriteNothing) {
  const auto before = Snapshot();
  fs.fail_after = 0;
  PersonTotals everyone = Everyone();
  EXPECT_TRUE(book.CategoryPersonTotals("all months", "Food", everyone).ok());
  EXPECT_EQ(everyone, Everyone());
  for (const char* item : {"Milk", "Bread"}) {
    PersonTotals totals = Everyone();
    std::vector<PurchaseRecord> purchases;
    EXPECT_TRUE(book.ItemPersonTotals("all months", "Food", item, totals).ok());
    EXPECT_TRUE(book.ItemPurchases("all months", "Food", item, purchases).ok());
    EXPECT_EQ(totals, Everyone());
    EXPECT_TRUE(purchases.empty());
  }
  EXPECT_EQ(book.ItemMonthTotal("all months", "Food", "Bread").value, 200);
  EXPECT_EQ(book.ItemMonthTotal("all months", "Food", "Milk").value, 0);
  EXPECT_EQ(book.CategoryMonthTotal("all months", "Food").value, 0);
  const Result<Cents> jam = book.ItemMonthTotal("all months", "Food", "Jam");
  EXPECT_EQ(jam.status.message(), "Can't read " + base() + "/items/Food Jam.txt: unreadable");
  PersonTotals totals = Everyone();
  EXPECT_FALSE(book.ItemPersonTotals("all months", "Food", "Jam", totals).ok());
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(IncompleteBookTest, RepairMakesWhatTheQueriesReadAsEmptyInOneChange) {
  const auto before = Snapshot();
  fs.fail_after = 1;  // the second file of the change cannot be written
  EXPECT_FALSE(book.RepairBook().ok());
  EXPECT_EQ(Snapshot(), before);

  fs.fail_after = 1 << 30;
  RepairReport report;
  ASSERT_TRUE(book.RepairBook(&report).ok());
  EXPECT_EQ(report.repaired.size(), 3u);
  EXPECT_EQ(Read("categories/Food.txt"),
            "Food\n \nbegin item list\nMilk|\nBread|\nJam|\nend item list\n"
            "begin all category expenses\nend all category expenses\n"
            "begin persons expenses\nend persons expenses");
  EXPECT_EQ(Read("items/Food Milk.txt"), NewItemTotalsFile());
  EXPECT_EQ(Read("items/Food Bread.txt"),
            "begin all item expenses\nall months\n 2.00\nend all item expenses\n"
            "begin persons expenses\nend persons expenses");
  EXPECT_EQ(Read("items/Food Jam.txt"), "begin all item expenses\nend all item expenses");
  EXPECT_TRUE(book.RepairsNeeded().empty());
}

}  // namespace
}  // namespace kestrune::testing
