// The listing and query commands, run as a user runs them.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "database/database_lock.h"
#include "database/sections.h"
#include "tests/support/cli_fixture.h"

namespace kestrune::testing {
namespace {

class CatalogueCommands : public CliTest {
 protected:
  void SetUp() override {
    Ok({"init"});
    Write("KSDBCategories.txt", "Food\nCar");
    Write("categories/Food.txt",
          "Food\n \nbegin item list\nMilk|\nend item list\nbegin all category expenses\n"
          "all months\n16.00\n2004 January\n16.00\nend all category expenses\n"
          "begin persons expenses\nmonth: all months\nperson: Anna\n12.50\nperson: for all\n"
          " 3.50\nend persons expenses\n");
    Write("categories/Car.txt", "Car\n \n");
    Write("KSDBPersons.txt", "Bob\nAnna");
    Write("persons/Anna.txt", "Anna\n ");
    Write("persons/Bob.txt", "Bob\n ");
  }
};

TEST_F(CatalogueCommands, InitSaysWhereAndLeavesAnExistingDatabaseAlone) {
  TempFolder fresh;
  ProcessResult first = RunProcess(KESTRUNE_CLI_PATH, {"--workdir", fresh.path(), "init"});
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(first.out, "Database in " + fresh.path() + "/data/BASE\n");
  Ok({"init"});
  EXPECT_EQ(Read("KSDBCategories.txt"), "Food\nCar");
}

TEST_F(CatalogueCommands, ReadersWorkBesideTheWriterAndWaitForAChangeInFlight) {
  const std::string base = work.path() + "/data/BASE";
  DatabaseLock writer;
  ASSERT_TRUE(writer.Acquire(base).ok());
  EXPECT_EQ(Ok({"categories"}), "Car\nFood\n");
  EXPECT_EQ(Ok({"person-totals", "Food"}), "Anna\t12.50\nBob\t0.00\nfor all\t3.50\n");
  EXPECT_EQ(Cli({"add-category", "Tea"}).status, 3);
  // Another process commits a category (index line and file) while a reader starts.
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  if (child == 0) {
    ChangeLock committing;
    const char held = committing.Acquire(base, LockKind::kExclusive).ok() ? 'y' : 'n';
    [[maybe_unused]] const ssize_t n = write(ready[1], &held, 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Write("KSDBCategories.txt", "Food\nCar\nTea");
    Write("categories/Tea.txt", "Tea\n \n");
    _exit(0);
  }
  char held = 0;
  ASSERT_EQ(read(ready[0], &held, 1), 1);
  ASSERT_EQ(held, 'y');
  EXPECT_EQ(Ok({"categories"}), "Car\nFood\nTea\n");
  waitpid(child, nullptr, 0);
}

// Milk has no file and Car's lacks its sections: beside a writer a reader reads them as
// empty and says so once, the check leaves them, and a reader alone repairs them.
TEST_F(CatalogueCommands, AReaderRepairsOnlyAsTheOneWriterAndTheCheckNever) {
  const std::string car = Read("categories/Car.txt");
  {
    DatabaseLock writer;
    ASSERT_TRUE(writer.Acquire(work.path() + "/data/BASE").ok());
    const ProcessResult beside = Cli({"person-totals", "Food", "Milk"});
    EXPECT_EQ(beside.out, "Anna\t0.00\nBob\t0.00\nfor all\t0.00\n");
    EXPECT_EQ(beside.err,
              "The book is in use or read-only: missing files and sections read as empty.\n");
  }
  Cli({"check"});
  EXPECT_FALSE(work.Exists("data/BASE/items/Food Milk.txt"));
  EXPECT_EQ(Read("categories/Car.txt"), car);
  const ProcessResult alone = Cli({"months"});
  EXPECT_EQ(alone.err, "");
  EXPECT_EQ(Read("items/Food Milk.txt"), NewItemTotalsFile());
  EXPECT_EQ(Read("categories/Car.txt"), car +
                                            "\nbegin all category expenses\n"
                                            "end all category expenses\n"
                                            "begin persons expenses\nend persons expenses");
}

TEST_F(CatalogueCommands, UnknownNamesBadKeysAndBadUsageAreRefusedWithoutTouchingFiles) {
  ProcessResult result = Cli({"total", "Drinks"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "Unknown category: Drinks\n");
  EXPECT_FALSE(work.Exists("data/BASE/categories/Drinks.txt"));
  EXPECT_EQ(Cli({"purchases", "Food", "Bread"}).status, 1);
  EXPECT_FALSE(work.Exists("data/BASE/items/Food Bread.txt"));
  EXPECT_EQ(Cli({"total", "Food", "--month", "January 2004"}).status, 1);
  // Bad usage: one line and status 2.
  result = Cli({"purchases", "Food"});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
  EXPECT_EQ(Cli({"no-such-command"}).status, 2);
}

TEST_F(CatalogueCommands, AQueryThatFailsPrintsNothing) {
  std::filesystem::create_directories(work.path() + "/data/BASE/items/Food Milk.txt");
  for (const std::vector<std::string>& query : std::vector<std::vector<std::string>>{
           {"total", "Food", "Milk"},
           {"person-totals", "Food", "Milk"},
           {"purchases", "Food", "Milk"},
           {"page", "item", "Food", "Milk", "-o", "-"},
           {"chart", "persons-of-item", "Food", "Milk", "--describe"},
           {"chart", "persons-of-item", "Food", "Milk", "--trace"}}) {
    ProcessResult result = Cli(query);
    EXPECT_EQ(result.status, 3) << query[0];
    EXPECT_EQ(result.out, "") << query[0];
    EXPECT_NE(result.err.find("Food Milk.txt"), std::string::npos) << result.err;
  }
}

// The status and message of a missing index are the conformance checks'; a reader leaves
// the missing index missing, and a missing database made nothing.
TEST_F(CatalogueCommands, MissingDatabaseOrIndexEndsWithStatusThree) {
  std::filesystem::remove(work.path() + "/data/BASE/KSDBPersons.txt");
  EXPECT_EQ(Cli({"categories"}).status, 3);
  EXPECT_FALSE(work.Exists("data/BASE/KSDBPersons.txt"));

  TempFolder empty;
  const ProcessResult result =
      RunProcess(KESTRUNE_CLI_PATH, {"--workdir", empty.path(), "persons"});
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(empty.List(""), std::vector<std::string>{});
}

}  // namespace
}  // namespace kestrune::testing
