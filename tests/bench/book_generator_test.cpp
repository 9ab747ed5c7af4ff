// The generated book: the files the normal operations would leave (the generate command's test
// loads and checks a written one), its spread over the months and the shapes it refuses.
#include "bench/book_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "database/database_folder.h"
#include "tests/support/database_fixture.h"
#include "tests/support/temp_folder.h"

namespace kestrune {
namespace {

using testing::RecordingPrompt;
using testing::TempFolder;

void Check(const Status& status) {
  EXPECT_TRUE(status.ok()) << status.message();
}

// Every data file under the folder, path relative to it -> content; the work folder
// (.kestrune) and temporaries hold no data.
std::map<std::string, std::string> FilesIn(const TempFolder& work, const std::string& base) {
  std::map<std::string, std::string> files;
  const std::filesystem::path root = work.path() + "/" + base;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    const std::string relative = std::filesystem::relative(entry.path(), root).string();
    if (entry.is_regular_file() && !relative.starts_with(".") &&
        !entry.path().filename().string().starts_with(".")) {
      files[relative] = work.Read(base + "/" + relative);
    }
  }
  return files;
}

// Enters the book's catalogue and records its purchases through the database's operations.
void Replay(const GeneratedBook& book, ExpenseDatabase& db) {
  for (const CategoryRecord& category : book.categories) {
    Check(db.AddCategory(category.name, category.information));
    for (auto item = category.items.rbegin(); item != category.items.rend(); ++item)
      Check(db.AddItemToCategory(category.name, item->name, item->information));
  }
  for (const PersonRecord& person : book.persons)
    Check(db.AddPerson(person.name, person.information));
  for (const GeneratedPurchase& purchase : book.purchases) {
    const PurchaseRecord record = RecordOf(book, purchase);
    const CategoryRecord& category = book.categories[static_cast<std::size_t>(purchase.category)];
    Check(db.AddMonth(MonthKeyOf(record)));
    Check(db.RecordPurchase(category.name,
                            category.items[static_cast<std::size_t>(purchase.item)].name, record));
  }
}

// The book written by the generator and the book the operations build are the same bytes.
void ExpectSameAsReplay(const BookShape& shape) {
  const GeneratedBook book = GenerateBook(shape);
  TempFolder work;
  PosixFileSystem fs(/*durable=*/false);
  const std::string base = work.path() + "/data/BASE";
  Check(CreateEmptyDatabase(fs, base));
  ExpenseDatabase db(fs);
  RecordingPrompt prompt(PromptAnswer::kExit);
  ASSERT_EQ(db.LoadDatabase(base, prompt), LoadOutcome::kLoaded);
  Replay(book, db);
  EXPECT_EQ(BookFiles(book), FilesIn(work, "data/BASE")) << shape.seed;
}

TEST(BookGeneratorTest, WritesWhatRecordingThePurchasesWrites) {
  ExpectSameAsReplay({3, 4, 2, 5, 300, 7});
  // Fewer purchases than items (some items get no file), every purchase "for all", and
  // the months across a year's end.
  ExpectSameAsReplay({2, 6, 0, 14, 5, 3});
  ExpectSameAsReplay({1, 2, 12, 1, 120, 11});  // many persons, one month
}

TEST(BookGeneratorTest, PurchasesAreSpreadEvenlyOverTheMonthsOldestFirst) {
  const BookShape shape{5, 8, 4, 12, 6000, 2};
  const GeneratedBook book = GenerateBook(shape);
  ASSERT_EQ(book.purchases.size(), 6000u);
  std::map<int, int> per_month;
  for (const GeneratedPurchase& p : book.purchases) ++per_month[p.month];
  for (int month = 0; month < shape.months; ++month) EXPECT_EQ(per_month[month], 500) << month;
  // Oldest first, and by day within a month.
  EXPECT_TRUE(std::is_sorted(book.purchases.begin(), book.purchases.end(), [](auto& a, auto& b) {
    return a.month != b.month ? a.month < b.month : a.day < b.day;
  }));
}

TEST(BookGeneratorTest, RefusesShapesItCannotMake) {
  EXPECT_EQ(CheckBookShape({20, 25, 4, 120, 100000, 1}), "");
  for (const BookShape& shape :
       {BookShape{0, 25, 4, 120, 100, 1}, BookShape{20, 0, 4, 120, 100, 1},
        BookShape{20, 25, -1, 120, 100, 1}, BookShape{20, 25, 4, 0, 100, 1},
        BookShape{20, 25, 4, kMostGeneratedMonths + 1, 100, 1}, BookShape{20, 25, 4, 120, -1, 1}}) {
    EXPECT_NE(CheckBookShape(shape), "");
  }
}

}  // namespace
}  // namespace kestrune
