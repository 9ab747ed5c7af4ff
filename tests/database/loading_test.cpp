// Loading the catalogue: order, index lines without files, odd index lines, the prompts.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/database_fixture.h"
#include "tests/support/failing_file_system.h"

namespace kestrune::testing {
namespace {

using Strings = std::vector<std::string>;

class LoadingTest : public DatabaseTest {};

TEST_F(LoadingTest, PersonsInByteOrderItemsInFileOrderAndTheInformationLines) {
  WriteEmptyIndexes();
  Write("KSDBCategories.txt", "Zoo\nBread");
  Write("categories/Zoo.txt", CategoryFile("Zoo", {"Tiger|big", "Ant|"}));
  Write("categories/Bread.txt", CategoryFile("Bread", {"Milk|1 l|organic"}));
  Write("KSDBPersons.txt", "bob\nAnna");
  Write("persons/bob.txt", "bob\n son");
  Write("persons/Anna.txt", "Anna\n mother\nignored");
  Load();
  EXPECT_EQ(db.GetCategoryNames(), (Strings{"Bread", "Zoo"}));
  EXPECT_EQ(db.GetItemNames("Zoo"), (Strings{"Tiger", "Ant"}));
  EXPECT_EQ(db.GetItemInfo("Bread", "Milk"), "1 l|organic");
  EXPECT_EQ(db.GetItemInfo("Zoo", "Ant"), "");
  EXPECT_EQ(db.GetPersonNames(), (Strings{"Anna", "bob"}));
  EXPECT_EQ(db.GetPersonInfo("Anna"), " mother");
  EXPECT_EQ(db.GetCategoryInfo("Zoo"), " ");
}

TEST_F(LoadingTest, OddCategoryFilesAndIndexLines) {
  WriteEmptyIndexes();
  Write("KSDBCategories.txt", "Food\nNoItems\nNameless\nFood\n\nItemLine");
  Write("categories/Food.txt", CategoryFile("Food", {"Milk|"}));
  Write("categories/NoItems.txt", "NoItems\n \nMilk|\nend item list\n");
  Write("categories/Nameless.txt", "\ninfo\nbegin item list\nend item list\n");
  Write("categories/.txt", "\n");
  Write("categories/ItemLine.txt", "ItemLine\n\nbegin item list\nNoBar\nend item list\n");
  Load();
  EXPECT_EQ(db.GetCategoryNames(), (Strings{"Food", "ItemLine", "NoItems"}));
  EXPECT_EQ(db.GetItemNames("NoItems"), Strings{});
  EXPECT_EQ(db.GetItemInfo("ItemLine", "NoBar"), "NoBar");
  EXPECT_EQ(db.GetCategoryInfo("ItemLine"), "");
}

TEST_F(LoadingTest, IndexLinesWithoutAFileCreateNone) {
  WriteEmptyIndexes();
  Write("KSDBCategories.txt", "Food\n");
  Write("KSDBPersons.txt", "Anna\n\nBob\n../Bob");  // "/" names nothing in the book
  Write("persons/Bob.txt", "Bob\n son");
  Load();
  Load();
  EXPECT_EQ(db.GetCategoryNames(), Strings{});
  EXPECT_EQ(db.GetPersonNames(), (Strings{"", "Anna", "Bob"}));
  EXPECT_EQ(db.GetPersonInfo("Anna"), "");
  EXPECT_EQ(work.List("data/BASE/categories"), Strings{});
  EXPECT_EQ(work.List("data/BASE/persons"), Strings{"Bob.txt"});
  EXPECT_FALSE(Exists("Bob.txt"));
}

// The prompts' texts are the command-line checks' own; here their order and the answers.
TEST_F(LoadingTest, MissingIndexesArePromptedInOrderExitStopsAndCreateMakesThemEmpty) {
  Write("KSDBPersons.txt", "Anna");
  RecordingPrompt exit(PromptAnswer::kExit);
  EXPECT_EQ(db.LoadDatabase(base(), exit), LoadOutcome::kExit);
  EXPECT_EQ(exit.asked, Strings{"Can't open category's data base file."});
  EXPECT_FALSE(Exists("KSDBCategories.txt"));
  EXPECT_FALSE(Exists("persons/Anna.txt"));
  std::filesystem::remove(base() + "/KSDBPersons.txt");
  RecordingPrompt prompt(PromptAnswer::kCreateNewFile);
  ASSERT_EQ(db.LoadDatabase(base(), prompt), LoadOutcome::kLoaded);
  EXPECT_EQ(prompt.asked,
            (Strings{"Can't open category's data base file.", "Can't open person's data base file.",
                     "Can't open data base file."}));
  for (const char* index : {"KSDBCategories.txt", "KSDBPersons.txt", "KSDBMonths.txt"})
    EXPECT_EQ(Read(index), "") << index;
}

TEST_F(LoadingTest, UnreadableFilesAreNamedInTheResultAndNeverReplaced) {
  WriteEmptyIndexes();
  Write("KSDBCategories.txt", "Car");
  Write("categories/Car.txt", CategoryFile("Car", {}));
  Write("KSDBPersons.txt", "Anna");
  Write("persons/Anna.txt", "Anna\n mother");
  FailingFileSystem fs;
  fs.unreadable = {base() + "/categories/Car.txt", base() + "/persons/Anna.txt"};
  ExpenseDatabase book(fs);
  RecordingPrompt prompt(PromptAnswer::kCreateNewFile);
  const LoadResult loaded = book.LoadDatabase(base(), prompt);
  EXPECT_EQ(loaded, LoadOutcome::kLoaded);
  EXPECT_EQ(loaded.failures, (Strings{"Can't read " + base() + "/categories/Car.txt: unreadable",
                                      "Can't read " + base() + "/persons/Anna.txt: unreadable"}));
  EXPECT_EQ(book.GetCategoryNames(), Strings{});
  EXPECT_EQ(book.GetPersonNames(), Strings{"Anna"});
  fs.unreadable.insert(book.PersonIndexPath());
  const LoadResult stopped = book.LoadDatabase(base(), prompt);
  EXPECT_EQ(stopped, LoadOutcome::kExit);
  EXPECT_EQ(stopped.failures.back(), "Can't read " + book.PersonIndexPath() + ": unreadable");
  EXPECT_EQ(Read("KSDBPersons.txt"), "Anna");
}

TEST_F(LoadingTest, LookupsByPosition) {
  WriteEmptyIndexes();
  Write("KSDBCategories.txt", "Food\nCar");
  Write("categories/Food.txt", CategoryFile("Food", {"Milk|", "Bread|"}));
  Write("categories/Car.txt", CategoryFile("Car", {}));
  Write("KSDBPersons.txt", "Anna\nBob");
  Write("persons/Anna.txt", "Anna\n ");
  Write("persons/Bob.txt", "Bob\n ");
  Write("KSDBMonths.txt", "2003 December\n2004 February\n2004 January\n");
  Load();
  // Positions past either end name nothing; "for all" follows the persons.
  EXPECT_EQ(db.GetCategoryNameAt(0) + db.GetCategoryNameAt(2) + db.GetCategoryNameAt(-1), "Car");
  EXPECT_EQ(db.GetItemNameAt(1, 1) + db.GetItemNameAt(1, 2) + db.GetItemNameAt(-1, 0), "Bread");
  EXPECT_EQ(db.GetPersonNameAt(1) + "/" + db.GetPersonNameAt(2), "Bob/for all");
  EXPECT_EQ(db.GetPersonNameAt(3) + db.GetPersonNameAt(-1), "");
  EXPECT_EQ(db.GetCategoryIndex("Food"), 1);
  EXPECT_EQ(db.GetCategoryIndex("food"), -1);
  EXPECT_TRUE(db.ItemExists("Food", "Milk"));
  EXPECT_FALSE(db.ItemExists("Car", "Milk"));
  EXPECT_TRUE(db.HasCategories() && db.HasPersons());
  EXPECT_EQ(db.MonthKeyAt(0), "2004 February");
  EXPECT_EQ(db.MonthKeyAt(2), "2003 December");
  EXPECT_EQ(db.MonthKeyAt(-5), "all months");
  // A blank category makes the catalogue count as empty.
  Write("KSDBCategories.txt", "Food\nBlank");
  Write("categories/Blank.txt", CategoryFile(" ", {}));
  Load();
  EXPECT_FALSE(db.HasCategories());
  WriteEmptyIndexes();
  Load();
  EXPECT_FALSE(db.HasCategories() || db.HasPersons());
}

}  // namespace
}  // namespace kestrune::testing
