// find from the command line: what it prints, what it refuses, and that it writes nothing.
#include "tests/support/cli_fixture.h"

namespace kestrune::testing {
namespace {

class FindCommand : public CliTest {
 protected:
  void SetUp() override {
    Ok({"init"});
    Write("KSDBCategories.txt", "Food\nHome\n");
    Write("categories/Food.txt", "Food\n \nbegin item list\nMilk|\nTea|\nend item list\n");
    Write("categories/Home.txt", "Home\n \nbegin item list\nLamp|\nend item list\n");
    Write("KSDBPersons.txt", "Anna");
    Write("persons/Anna.txt", "Anna\n ");
  }
};

TEST_F(FindCommand, PrintsMatchesWithTheirCountAndSum) {
  Ok({"record", "Food", "Milk", "2024-03-07", "Anna", "3.5", "Bottle"});
  Ok({"record", "Food", "Milk", "2024-04-01", "for all", "2", "bottle"});
  Ok({"record", "Home", "Lamp", "2024-04-02", "Anna", "80", "bottle green"});
  EXPECT_EQ(Ok({"find", "BOTTLE", "--from", "2024-03-08"}),
            "Food|Milk|2024|April|01|for all|bottle| 2.00\n"
            "Home|Lamp|2024|April|02|Anna|bottle green|80.00\n"
            "2 purchases, 82.00\n");
  EXPECT_EQ(Ok({"find", "milk", "--person", "Anna", "--min", "3,50", "--max", "3.5"}),
            "Food|Milk|2024|March|07|Anna|Bottle| 3.50\n1 purchase, 3.50\n");
  EXPECT_EQ(Ok({"find", "tea"}), "0 purchases, 0.00\n");
}

TEST_F(FindCommand, RefusesBadBoundsAndNeverWritesTheBook) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
      {{"find", "--from", "2024-02-30"}, "Invalid date: 2024-02-30 (use YYYY-MM-DD)"},
      {{"find", "--to", "March"}, "Invalid date: March (use YYYY-MM-DD)"},
      {{"find", "--min", "12abc"}, "Invalid sum: 12abc (a number such as 12.50)"},
      {{"find", "--person", "Carl"}, "Unknown person: Carl"},
  };
  for (const auto& [args, message] : refused) {
    const ProcessResult result = Cli(args);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, message + "\n");
    EXPECT_EQ(result.out, "");
  }
  // The item files are missing: another command would create them, find reads them as empty.
  EXPECT_EQ(Ok({"find"}), "0 purchases, 0.00\n");
  EXPECT_FALSE(work.Exists("data/BASE/items/Food Milk.txt"));
}

}  // namespace
}  // namespace kestrune::testing
