// The faster ways of reading and sorting give what the plain ways gave, for any input: the
// exchange sort against the exchanges as written, and queries inside a read session against
// the same queries outside one.
#include <gtest/gtest.h>

#include <random>

#include "database/amounts.h"
#include "database/catalogue_files.h"
#include "database/month_keys.h"
#include "database/text_lines.h"
#include "tests/support/database_fixture.h"
#include "tests/support/failing_file_system.h"

namespace kestrune {
namespace {

PersonTotals Prefilled() {
  return {{"Anna", -1}, {"Bob", -2}, {"for all", -3}, {"", -4}};
}

// The months index sort as it was written before it was made fast.
void SortMonthsAsWritten(std::vector<std::string>& months) {
  const auto year = [](const std::string& key) { return ParseCents(key.substr(0, 4)); };
  const auto month = [](const std::string& key) {
    return key.size() > 5 ? MonthNumber(key.substr(5)) : 0;
  };
  for (std::size_t i = 0; i < months.size(); ++i) {
    for (std::size_t j = i; j < months.size(); ++j) {
      if (year(months[i]) < year(months[j])) std::swap(months[i], months[j]);
      if (year(months[i]) == year(months[j]) && month(months[j]) > month(months[i]))
        std::swap(months[i], months[j]);
    }
  }
}

// The item page sorts its purchases with the same exchange sort on other keys; many equal
// keys here (odd years and month names) check the order of ties too.
TEST(SameResultsTest, MonthsSortAsTheExchangesWritten) {
  std::mt19937 random(7);
  const std::vector<std::string> years = {"2004", "2003", "2005", "0000", "abcd", "nan ", "  12"};
  const std::vector<std::string> names = {"January", "March", "December", "Smarch", ""};
  for (int round = 0; round < 5000; ++round) {
    std::vector<std::string> months;
    for (int i = 0, count = static_cast<int>(random() % 40); i < count; ++i)
      months.push_back(years[random() % years.size()] + " " + names[random() % names.size()]);
    std::vector<std::string> want = months;
    SortMonthsAsWritten(want);
    SortMonthsNewestFirst(months);
    ASSERT_EQ(months, want);
  }
}

using testing::Lines;
using testing::RecordingPrompt;
using testing::TempFolder;

// A book with what the queries read as empty or cannot read: an item without a file, an item
// file without a purchase list, a category file without person totals, an unreadable item file.
void WriteTroubledBook(const TempFolder& work) {
  const std::string base = "data/BASE/";
  work.Write(base + "KSDBCategories.txt", "Food\nHome");
  work.Write(base + "KSDBPersons.txt", "Anna");
  work.Write(base + "KSDBMonths.txt", "2004 January\n");
  work.Write(base + "persons/Anna.txt", "Anna\n  ");
  work.Write(base + "categories/Food.txt",
             Lines({"Food", " ", "begin item list", "Milk|", "Bread|", "Salt|", "end item list",
                    "begin all category expenses", "all months", " 5.00", "2004 January", " 5.00",
                    "end all category expenses"}));
  work.Write(base + "categories/Home.txt",
             Lines({"Home", " ", "begin item list", "Rent|", "end item list"}));
  work.Write(base + "items/Food Bread.txt",
             Lines({"begin all item expenses", "all months", " 5.00", "2004 January", " 5.00",
                    "end all item expenses", "begin persons expenses", "month: 2004 January",
                    "person: Anna", " 5.00", "end persons expenses"}));
  work.Write(base + "items/Food Salt.txt", "unreadable");
}

// Every answer of a round of queries, as text.
std::string AskEverything(ExpenseDatabase& db) {
  std::string answers;
  for (const std::string key : {"all months", "2004 January", "2004 February"}) {
    for (const std::string& category : db.GetCategoryNames()) {
      const Result<Cents> total = db.CategoryMonthTotal(key, category);
      answers += FormatFileCents(total.value) + total.status.message();
      PersonTotals totals = Prefilled();
      answers += db.CategoryPersonTotals(key, category, totals).message();
      for (const auto& [person, amount] : totals) answers += person + FormatFileCents(amount);
      for (const std::string& item : db.GetItemNames(category)) {
        const Result<Cents> item_total = db.ItemMonthTotal(key, category, item);
        answers += FormatFileCents(item_total.value) + item_total.status.message();
        std::vector<PurchaseRecord> purchases;
        answers += db.ItemPurchases(key, category, item, purchases).message();
        answers += std::to_string(purchases.size());
        PersonTotals item_totals = Prefilled();
        answers += db.ItemPersonTotals(key, category, item, item_totals).message();
        for (const auto& [person, amount] : item_totals)
          answers += person + FormatFileCents(amount);
      }
    }
  }
  return answers;
}

// Inside a read session every query of the book answers as it does outside one, from one
// read of each file: asked again once the files cannot be read, it still answers the same.
// Once the session is closed, each query reads again.
TEST(SameResultsTest, QueriesInAReadSessionAnswerAsWithoutFromOneReadOfEachFile) {
  TempFolder work;
  WriteTroubledBook(work);
  const std::string base = work.path() + "/data/BASE";
  std::string answers[2];
  for (int with_session = 0; with_session < 2; ++with_session) {
    testing::FailingFileSystem fs;
    fs.unreadable.insert(base + "/items/Food Salt.txt");
    ExpenseDatabase db(fs);
    RecordingPrompt prompt(PromptAnswer::kExit);
    ASSERT_EQ(db.LoadDatabase(base, prompt), LoadOutcome::kLoaded);
    std::optional<ExpenseDatabase::ReadSession> session;
    if (with_session) session.emplace(db);
    answers[with_session] = AskEverything(db);
    if (!with_session) continue;
    for (const char* file :
         {"/categories/Food.txt", "/categories/Home.txt", "/items/Food Bread.txt"})
      fs.unreadable.insert(base + file);
    EXPECT_EQ(AskEverything(db), answers[with_session]);
    session.reset();
    EXPECT_FALSE(db.ItemMonthTotal("all months", "Food", "Bread").ok());
  }
  EXPECT_EQ(answers[1], answers[0]);
}

// Loading splits a category file only up to its item list's end; what it loads is what
// the whole file's lines give, whichever line ends it has.
TEST(SameResultsTest, LoadingReadsCategoryFilesAsTheirWholeLinesGive) {
  std::vector<std::string> vocabulary = {kBeginItemList, kEndItemList, kBeginCategoryTotals,
                                         kEndCategoryTotals};
  vocabulary.insert(vocabulary.end(), {"Milk|1 l", "Bread", "|", "", "Food", "end item list ",
                                       "all months", " 3.50"});
  std::mt19937 random(3);
  TempFolder work;
  work.Write("data/BASE/KSDBCategories.txt", "C");
  work.Write("data/BASE/KSDBPersons.txt", "");
  work.Write("data/BASE/KSDBMonths.txt", "");
  PosixFileSystem disk;
  for (int round = 0; round < 2000; ++round) {
    std::string content;
    const int count = static_cast<int>(random() % 12);
    for (int i = 0; i < count; ++i)
      content += vocabulary[random() % vocabulary.size()] + (random() % 5 == 0 ? "\r\n" : "\n");
    work.Write("data/BASE/categories/C.txt", content);
    ExpenseDatabase db(disk);
    RecordingPrompt prompt(PromptAnswer::kExit);
    ASSERT_EQ(db.LoadDatabase(work.path() + "/data/BASE", prompt), LoadOutcome::kLoaded);
    const std::optional<CategoryRecord> want = ParseCategoryFile(SplitLines(content));
    ASSERT_EQ(db.GetCategoryNames(),
              want ? std::vector<std::string>{want->name} : std::vector<std::string>{})
        << content;
    if (!want) continue;
    ASSERT_EQ(db.GetCategoryInfo(want->name), want->information) << content;
    std::vector<std::string> items;
    for (const ItemEntry& item : want->items) {
      items.push_back(item.name);
      ASSERT_EQ(db.GetItemInfo(want->name, item.name), item.information) << content;
    }
    ASSERT_EQ(db.GetItemNames(want->name), items) << content;
  }
}

}  // namespace
}  // namespace kestrune
