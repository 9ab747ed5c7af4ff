// record, delete-purchase, delete-month and check from the command line.
#include "tests/support/cli_fixture.h"

namespace kestrune::testing {
namespace {

class PurchaseCommands : public CliTest {
 protected:
  void SetUp() override {
    Ok({"init"});
    Write("KSDBCategories.txt", "Food");
    Write("categories/Food.txt", "Food\n \nbegin item list\nMilk|\nend item list\n");
    Write("KSDBPersons.txt", "Anna");
    Write("persons/Anna.txt", "Anna\n ");
  }
  // Runs a command that must be refused with status 1, the message and no file changed.
  void ExpectRefused(const std::vector<std::string>& args, const std::string& message) {
    const std::string category = Read("categories/Food.txt");
    const std::string months = Read("KSDBMonths.txt");
    ProcessResult result = Cli(args);
    EXPECT_EQ(result.status, 1) << args[0];
    EXPECT_EQ(result.err, message + "\n");
    EXPECT_EQ(Read("categories/Food.txt"), category);
    EXPECT_EQ(Read("KSDBMonths.txt"), months);
  }
};

TEST_F(PurchaseCommands, RecordBuildsTheRecordLikeThePurchaseDialog) {
  Ok({"record", "Food", "Milk", "2004-03-07", "Anna", "3.5", "two bottles"});
  Ok({"record", "Food", "Milk", "2003-12-31", "for all", "1 234,567"});
  EXPECT_EQ(Ok({"purchases", "Food", "Milk"}),
            "2003|December|31|for all||1234.57\n2004|March|07|Anna|two bottles| 3.50\n");
  EXPECT_EQ(Ok({"months"}), "2004 March\n2003 December\n");
  EXPECT_EQ(Ok({"total", "Food", "--month", "2004 March"}), "3.50\n");
}

TEST_F(PurchaseCommands, RecordAndDeletesRefuseBadInputAndChangeNothing) {
  for (const char* sum : {"0", "-2", "0.001"}) {
    ExpectRefused({"record", "Food", "Milk", "2004-03-07", "Anna", sum},
                  "Please type purchase summ.");
  }
  ExpectRefused({"record", "Food", "Milk", "2004-03-07", "Anna", "12abc"},
                "Please type purchase summ.\n\"abc\" is not part of a sum.");
  for (const std::string& sum :
       {std::string("1000000000.01"), std::string("1,000,000,000.01"), std::string(400, '9')}) {
    ExpectRefused({"record", "Food", "Milk", "2004-03-07", "Anna", sum},
                  "Please enter a number between 0 and 1000000000.");
  }
  ExpectRefused({"record", "Food", "Milk", "2004-02-30", "Anna", "2"},
                "Invalid date: 2004-02-30 (use YYYY-MM-DD)");
  ExpectRefused({"record", "Food", "Milk", "2004-03-07", "Carl", "2"}, "Unknown person: Carl");
  ExpectRefused({"record", "Food", "Tea", "2004-03-07", "Anna", "2"}, "Unknown item: Tea in Food");
  ExpectRefused({"record", "Drinks", "Tea", "2004-03-07", "Anna", "2"}, "Unknown category: Drinks");
  for (const char* information : {"a|b", "a\nb"}) {
    ExpectRefused({"record", "Food", "Milk", "2004-03-07", "Anna", "2", information},
                  "Invalid purchase information: one line, without \"|\"");
  }
  EXPECT_FALSE(work.Exists("data/BASE/items/Food Milk.txt"));
  // Deleting what is not there; what they do when it is there is the conformance checks' part.
  Ok({"record", "Food", "Milk", "2004-03-07", "Anna", "3.5", "x"});
  ExpectRefused({"delete-purchase", "Food", "Milk", "2004|March|07|Anna|y| 3.50"},
                "No such purchase: 2004|March|07|Anna|y| 3.50");
  ExpectRefused({"delete-month", "2004 April"}, "Unknown month: 2004 April");
  ExpectRefused({"delete-month", "all months"}, "Unknown month: all months");
}

TEST_F(PurchaseCommands, AWriteThatFailsEndsWithStatusThreeAndLeavesTheFiles) {
  std::filesystem::remove_all(work.path() + "/data/BASE/items");
  ProcessResult result = Cli({"record", "Food", "Milk", "2004-03-07", "Anna", "3.5"});
  EXPECT_EQ(result.status, 3);
  EXPECT_NE(result.err.find("Food Milk.txt"), std::string::npos);
  EXPECT_EQ(Read("categories/Food.txt"), "Food\n \nbegin item list\nMilk|\nend item list\n");
}

TEST_F(PurchaseCommands, CheckListsDifferencesAndRepairAfterABackup) {
  Ok({"record", "Food", "Milk", "2004-03-07", "Anna", "3.5", "x"});
  std::string milk = Read("items/Food Milk.txt");
  milk.replace(milk.find("|x| 3.50"), 8, "|x| 4.00");
  Write("items/Food Milk.txt", milk);
  ProcessResult found = Cli({"check"});
  EXPECT_EQ(found.status, 1);
  EXPECT_TRUE(
      found.out.starts_with("items/Food Milk.txt:3: all months: stored 3.50, "
                            "recomputed 4.00\n"))
      << found.out;
  const std::string repaired = Ok({"check", "--repair"});
  const std::string said = "Totals repaired; the files as they were are in ";
  const std::size_t at = repaired.find(said);
  ASSERT_NE(at, std::string::npos) << repaired;
  const std::string copy =
      repaired.substr(at + said.size(), repaired.size() - at - said.size() - 1);
  EXPECT_EQ(RunProcess("/bin/cat", {copy + "/items/Food Milk.txt"}).out, milk);
  EXPECT_EQ(Ok({"check"}), "Everything adds up.\n");
}

TEST_F(PurchaseCommands, BudgetsAreSetListedAndRecordSaysOnceWhenOneIsGoneOver) {
  Ok({"budget", "Food", "10,005"});
  Ok({"budget", "Food", "Milk", "4"});
  EXPECT_EQ(Ok({"budget", "--list"}), "Food|10.01\nFood|Milk|4.00\n");
  EXPECT_EQ(Read("KSDBBudgets.txt"), "Food||10.01\nFood|Milk| 4.00\n");
  ExpectRefused({"budget", "Food", "Tea", "4"}, "Unknown item: Tea in Food");
  ExpectRefused({"budget", "Home", "--clear"}, "Home has no budget");
  EXPECT_EQ(Cli({"budget", "Food"}).status, 2);

  ProcessResult crossed = Cli({"record", "Food", "Milk", "2026-12-01", "Anna", "11"});
  EXPECT_EQ(crossed.status, 0);
  EXPECT_EQ(crossed.out, "");
  EXPECT_EQ(crossed.err,
            "Milk of Food is over its budget for December 2026: 11.00 of 4.00\n"
            "Food is over its budget for December 2026: 11.00 of 10.01\n");
  EXPECT_EQ(Cli({"record", "Food", "Milk", "2026-12-02", "Anna", "1"}).err, "");
  Ok({"budget", "Food", "Milk", "--clear"});
  EXPECT_EQ(Ok({"budget", "--list"}), "Food|10.01\n");
}

}  // namespace
}  // namespace kestrune::testing
