// Finding purchases: the filters against a plain scan of a generated book, letters without
// case, changes made between searches, and a file that cannot be read.
#include "database/purchase_finder.h"

#include <filesystem>

#include "bench/book_generator.h"
#include "database/book_export.h"
#include "database/text_fold.h"
#include "tests/support/database_fixture.h"

namespace kestrune::testing {
namespace {

class PurchaseFinderTest : public DatabaseTest {
 protected:
  // "category|item|line" of each purchase found, then the count and the sum.
  std::vector<std::string> Found(const FindRequest& request) {
    const Result<FindResult> found = finder.Find(db, request);
    EXPECT_TRUE(found.ok()) << found.status.message();
    std::vector<std::string> rows;
    for (const FoundPurchase& p : found.value.purchases) {
      EXPECT_EQ(p.line, FormatPurchaseLine(p.purchase));
      EXPECT_EQ(p.date, IsoDate(p.purchase));
      rows.push_back(p.category + "|" + p.item + "|" + p.line);
    }
    rows.push_back(std::to_string(found.value.count()) + " " + FormatShownCents(found.value.sum));
    return rows;
  }

  PurchaseFinder finder{disk};
};

// The same request answered by reading every purchase the export lists, one by one.
std::vector<std::string> Scanned(const ExpenseDatabase& db, const FindRequest& request) {
  std::vector<std::string> rows;
  Cents sum = 0;
  for (const BookPurchase& row : PurchasesToExport(db, "all months").value) {
    const PurchaseRecord& p = row.purchase;
    const std::string text = FoldCase(row.category + "\n" + row.item + "\n" + p.information);
    bool match = (!request.person || p.person == *request.person) &&
                 (!request.from || IsoDate(p) >= *request.from) &&
                 (!request.to || IsoDate(p) <= *request.to) &&
                 (!request.min_sum || ParseCents(p.sum) >= *request.min_sum) &&
                 (!request.max_sum || ParseCents(p.sum) <= *request.max_sum);
    for (const std::string& word : request.words) {
      match = match && text.find(FoldCase(word)) != std::string::npos;
    }
    if (!match) continue;
    rows.push_back(row.category + "|" + row.item + "|" + FormatPurchaseLine(p));
    sum += ParseCents(p.sum);
  }
  rows.push_back(std::to_string(rows.size()) + " " + FormatShownCents(sum));
  return rows;
}

TEST_F(PurchaseFinderTest, EachFilterAndTheirCombinationsFindWhatAScanFinds) {
  const GeneratedBook book = GenerateBook(BookShape{4, 5, 3, 14, 600, 7});
  ASSERT_TRUE(WriteBook(disk, base(), book).ok());
  ASSERT_TRUE(Load());
  const std::string day = IsoDate(PurchasesToExport(db, "all months").value.at(7).purchase);
  const std::vector<FindRequest> requests = {
      {},
      {.words = {"CARD"}},
      {.words = {"item 2", "sale"}},
      {.words = {"category 3"}},
      {.person = "for all"},
      {.person = "Person 2", .from = "2024-02-01", .to = "2024-06-30"},
      {.from = day, .to = day},
      {.min_sum = 1500, .max_sum = 3000},
      {.words = {"market"}, .person = "Person 1", .from = "2023-12-01", .max_sum = 2500},
      {.words = {"no such word"}},
  };
  for (const FindRequest& request : requests) {
    const std::vector<std::string> found = Found(request);
    EXPECT_EQ(found, Scanned(db, request)) << found.back();
    EXPECT_GT(found.size(), request.words == std::vector<std::string>{"no such word"} ? 0u : 1u);
  }
  EXPECT_EQ(Found({}).size(), 601u);
}

TEST_F(PurchaseFinderTest, LettersMatchWithoutCaseButWithTheirAccents) {
  EXPECT_EQ(FoldCase("ÉCOLE Ÿ ĄŁŻ ΣΟΦΊΑ Σ ПРИВЕТ ЁЖ Ẽ straße"),
            "école ÿ ąłż σοφία σ привет ёж ẽ straße");
  EXPECT_EQ(FoldCase("\xC3 \xE2\x82 ÀB"), "\xC3 \xE2\x82 àb");  // broken UTF-8 stays
  Write("KSDBCategories.txt", "Café\n");
  Write("categories/Café.txt", CategoryFile("Café", {"Thé|"}));
  Write("KSDBPersons.txt", "");
  ASSERT_TRUE(Load());
  Record("Café", "Thé", "2024|May|02|for all|Crème ΒΡΑΣΤΗ| 2.00");
  EXPECT_EQ(Found({.words = {"CAFÉ", "thÉ", "CRÈME", "βραστη"}}).back(), "1 2.00");
  EXPECT_EQ(Found({.words = {"cafe"}}).back(), "0 0.00");
  EXPECT_EQ(Found({.words = {"creme"}}).back(), "0 0.00");
}

TEST_F(PurchaseFinderTest, ChangesMadeAfterASearchAreFoundByTheNext) {
  Write("KSDBCategories.txt", "Food\n");
  Write("categories/Food.txt", CategoryFile("Food", {"Milk|", "Tea|"}));
  Write("KSDBPersons.txt", "Anna\n");
  Write("persons/Anna.txt", "Anna\n ");
  ASSERT_TRUE(Load());
  Record("Food", "Milk", "2024|May|02|Anna|one| 2.00");
  Record("Food", "Tea", "2024|May|03|Anna|two| 3.00");
  EXPECT_EQ(Found({}).back(), "2 5.00");
  Record("Food", "Milk", "2024|May|04|Anna|three| 4.00");
  EXPECT_EQ(Found({.words = {"three"}}),
            (std::vector<std::string>{"Food|Milk|2024|May|04|Anna|three| 4.00", "1 4.00"}));
  ASSERT_TRUE(db.DeletePurchase("Food", "Tea", "2024|May|03|Anna|two| 3.00").ok());
  ASSERT_TRUE(db.EditItem("Food", "Milk", "Food", "Oat milk", "").ok());
  EXPECT_EQ(Found({}),
            (std::vector<std::string>{"Food|Oat milk|2024|May|04|Anna|three| 4.00",
                                      "Food|Oat milk|2024|May|02|Anna|one| 2.00", "2 6.00"}));
  // Another process records into the same book; this catalogue did not change.
  ExpenseDatabase other(disk);
  RecordingPrompt prompt(PromptAnswer::kCreateNewFile);
  ASSERT_EQ(other.LoadDatabase(base(), prompt), LoadOutcome::kLoaded);
  ASSERT_TRUE(
      other.RecordPurchase("Food", "Tea", ParsePurchaseLine("2024|May|09|Anna|x| 1.00")).ok());
  EXPECT_EQ(Found({.words = {"tea"}}).back(), "1 1.00");
}

TEST_F(PurchaseFinderTest, AFileThatCannotBeReadFailsTheSearchWithItsMessage) {
  Write("KSDBCategories.txt", "Food\n");
  Write("categories/Food.txt", CategoryFile("Food", {"Milk|"}));
  Write("KSDBPersons.txt", "");
  ASSERT_TRUE(Load());
  Record("Food", "Milk", "2024|May|02|for all|one| 2.00");
  EXPECT_EQ(Found({}).back(), "1 2.00");
  const std::string path = db.ItemFilePath("Food", "Milk");
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  const Result<FindResult> found = finder.Find(db, {});
  EXPECT_EQ(found.status.message(), "Can't read " + path + ": not a regular file");
  EXPECT_EQ(finder.Find(db, {.from = "2024-02-30"}).status.message(),
            "Not a date (YYYY-MM-DD): 2024-02-30");
}

}  // namespace
}  // namespace kestrune::testing
