// The faster ways of reading and sorting give what the plain ways gave, for any input: the
// exchange sort against the exchanges as written, and queries inside a read session against
// the same queries outside one.
#include <gtest/gtest.h>

#include <random>

#include "database/amounts.h"
#include "database/catalogue_files.h"
#include "database/exchange_sort.h"
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

// The item page's sort as it was written before it was made fast.
void SortPurchasesAsWritten(std::vector<PurchaseRecord>& purchases) {
  for (std::size_t i = 0; i < purchases.size(); ++i) {
    for (std::size_t j = i; j < purchases.size(); ++j) {
      if (MonthNumber(purchases[j].month) > MonthNumber(purchases[i].month))
        std::swap(purchases[i], purchases[j]);
      if (MonthNumber(purchases[i].month) == MonthNumber(purchases[j].month) &&
          ParseCents(purchases[i].day) < ParseCents(purchases[j].day)) {
        std::swap(purchases[i], purchases[j]);
      }
    }
  }
}

TEST(SameResultsTest, MonthsAndPurchasesSortAsTheExchangesWritten) {
  std::mt19937 random(7);
  const std::vector<std::string> years = {"2004", "2003", "2005", "0000", "abcd", "nan ", "  12"};
  const std::vector<std::string> names = {"January", "March", "December", "Smarch", ""};
  const std::vector<std::string> days = {"01", "05", "5", "31", "", "x", "nan", "-0"};
  for (int round = 0; round < 5000; ++round) {
    std::vector<std::string> months;
    std::vector<PurchaseRecord> purchases;
    for (int i = 0, count = static_cast<int>(random() % 40); i < count; ++i) {
      const std::string& name = names[random() % names.size()];
      months.push_back(years[random() % years.size()] + " " + name);
      purchases.push_back({"2004", name, days[random() % days.size()], "A", std::to_string(i), ""});
    }
    std::vector<std::string> want_months = months;
    SortMonthsAsWritten(want_months);
    SortMonthsNewestFirst(months);
    ASSERT_EQ(months, want_months);
    std::vector<PurchaseRecord> want = purchases;
    SortPurchasesAsWritten(want);
    std::vector<std::pair<int, Cents>> keys;
    for (const PurchaseRecord& p : purchases)
      keys.emplace_back(MonthNumber(p.month), ParseCents(p.day));
    ExchangeSort(purchases, keys);
    ASSERT_EQ(purchases, want);
  }
}

using testing::Lines;
using testing::RecordingPrompt;
using testing::TempFolder;

// A book whose files need the queries' repairs: an item without a file, an item file
// without a purchase list, a category file without person totals, an unreadable item file.
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

std::string Normalised(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
  return text;
}

TEST(SameResultsTest, QueriesInAReadSessionAnswerAndRepairAsWithout) {
  TempFolder plain_work, session_work;
  std::string answers[2];
  for (int with_session = 0; with_session < 2; ++with_session) {
    const TempFolder& work = with_session ? session_work : plain_work;
    WriteTroubledBook(work);
    testing::FailingFileSystem fs;
    fs.unreadable.insert(work.path() + "/data/BASE/items/Food Salt.txt");
    ExpenseDatabase db(fs);
    RecordingPrompt prompt(PromptAnswer::kExit);
    ASSERT_EQ(db.LoadDatabase(work.path() + "/data/BASE", prompt), LoadOutcome::kLoaded);
    std::optional<ExpenseDatabase::ReadSession> session;
    if (with_session) session.emplace(db);
    answers[with_session] = Normalised(AskEverything(db) + AskEverything(db), work.path(), "W");
  }
  EXPECT_EQ(answers[1], answers[0]);
  for (const std::string folder : {"categories", "items"}) {
    for (const std::string& name : plain_work.List("data/BASE/" + folder)) {
      const std::string file = "data/BASE/" + folder + "/" + name;
      EXPECT_EQ(session_work.Read(file), plain_work.Read(file)) << file;
    }
    EXPECT_EQ(session_work.List("data/BASE/" + folder), plain_work.List("data/BASE/" + folder));
  }
}

TEST(SameResultsTest, AReadSessionReadsEachFileOnce) {
  TempFolder work;
  WriteTroubledBook(work);
  testing::FailingFileSystem fs;
  ExpenseDatabase db(fs);
  RecordingPrompt prompt(PromptAnswer::kExit);
  ASSERT_EQ(db.LoadDatabase(work.path() + "/data/BASE", prompt), LoadOutcome::kLoaded);
  {
    const ExpenseDatabase::ReadSession session(db);
    EXPECT_EQ(db.ItemMonthTotal("all months", "Food", "Bread").value, 500);
    // From here on a second read of the file would find nothing.
    fs.unreadable.insert(db.ItemFilePath("Food", "Bread"));
    for (int month = 0; month < 12; ++month) {
      PersonTotals totals = Prefilled();
      EXPECT_TRUE(db.ItemPersonTotals("2004 January", "Food", "Bread", totals).ok());
      EXPECT_EQ(totals["Anna"], 500);
      EXPECT_EQ(db.ItemMonthTotal("all months", "Food", "Bread").value, 500);
    }
  }
  // Once the session is closed, each query reads again.
  EXPECT_FALSE(db.ItemMonthTotal("all months", "Food", "Bread").ok());
}

// Loading splits a category file only up to its item list's end; what it loads is what
// the whole file's lines give.
TEST(SameResultsTest, LoadingReadsCategoryFilesAsTheirWholeLinesGive) {
  std::vector<std::string> vocabulary = {kBeginItemList, kEndItemList, kBeginCategoryTotals,
                                         kEndCategoryTotals};
  vocabulary.insert(vocabulary.end(), {"Milk|1 l", "Bread", "|", "", "Food", "end item list ",
                                       "all months", " 3.50"});
  std::mt19937 random(3);
  for (int round = 0; round < 2000; ++round) {
    TempFolder work;
    std::string content;
    const int count = static_cast<int>(random() % 12);
    for (int i = 0; i < count; ++i)
      content += vocabulary[random() % vocabulary.size()] + (random() % 5 == 0 ? "\r\n" : "\n");
    work.Write("data/BASE/KSDBCategories.txt", "C");
    work.Write("data/BASE/KSDBPersons.txt", "");
    work.Write("data/BASE/KSDBMonths.txt", "");
    work.Write("data/BASE/categories/C.txt", content);
    PosixFileSystem disk;
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
    for (const ItemEntry& item : want->items) items.push_back(item.name);
    ASSERT_EQ(db.GetItemNames(want->name), items) << content;
  }
}

}  // namespace
}  // namespace kestrune
