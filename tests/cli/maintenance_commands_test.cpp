// add-, edit- and delete- commands: what they write and what they refuse.
#include "tests/support/cli_fixture.h"

namespace kestrune::testing {
namespace {

class MaintenanceCommands : public CliTest {
 protected:
  void SetUp() override {
    Ok({"init"});
    Ok({"add-category", "Food"});
    Ok({"add-category", "Food Milk"});
    Ok({"add-item", "Food", "Milk Shake", "cold"});
    Ok({"add-person", "Anna", "mother"});
  }
  // A refusal: status 1, the message, and not one file changed.
  void ExpectRefused(const std::vector<std::string>& args, const std::string& message) {
    const std::vector<std::string> files = {"KSDBCategories.txt", "KSDBPersons.txt",
                                            "categories/Food.txt", "persons/Anna.txt"};
    std::vector<std::string> before;
    for (const std::string& file : files) before.push_back(Read(file));
    ProcessResult result = Cli(args);
    EXPECT_EQ(result.status, 1) << args[0];
    EXPECT_EQ(result.err, message + "\n") << args[0];
    for (std::size_t i = 0; i < files.size(); ++i) EXPECT_EQ(Read(files[i]), before[i]);
  }
};

TEST_F(MaintenanceCommands, RefusalsCarryTheDialogsMessages) {
  ExpectRefused({"add-category", "Food"},
                "Invalid category name\nThere is a category \"Food\" already.");
  ExpectRefused(
      {"add-item", "Food Milk", "Shake"},
      "Invalid item name\nIts file would be the file of the item \"Milk Shake\" in \"Food\".");
  ExpectRefused({"add-person", "for all"},
                "Invalid person name\n\"for all\" stands for the whole household.");
  ExpectRefused({"edit-person", "Carl", "Bob"}, "Error");
  ExpectRefused({"edit-category", "Food", "Food Milk"},
                "Invalid category name\nThere is a category \"Food Milk\" already.");
  ExpectRefused({"edit-item", "Food", "Milk Shake", "Food", ".."},
                "Invalid item name. Change item name or category.\n\".\" and \"..\" are not "
                "names.");
  ExpectRefused({"delete-person", "Carl"}, "Unknown person: Carl");
  ExpectRefused({"delete-item", "Food", "Tea"}, "Unknown item: Tea in Food");
}

TEST_F(MaintenanceCommands, InformationIsKeptOnOneLineAndUnchangedWhenLeftOut) {
  Ok({"edit-item", "Food", "Milk Shake", "Food", "Shake"});
  EXPECT_TRUE(Read("categories/Food.txt").starts_with("Food\n \nbegin item list\nShake|cold\n"));
  Ok({"edit-category", "Food", "Meals", "daily\nmeals"});
  EXPECT_TRUE(Read("categories/Meals.txt").starts_with("Meals\ndaily meals\n"));
  Ok({"edit-person", "Anna", "Annie"});
  EXPECT_EQ(Read("persons/Annie.txt"), "Annie\n mother\n");
  EXPECT_EQ(Ok({"items", "Meals"}), "Shake\n");
}

TEST_F(MaintenanceCommands, DeletesAskNothing) {
  Ok({"record", "Food", "Milk Shake", "2004-05-01", "Anna", "2"});
  Ok({"record", "Food", "Milk Shake", "2004-05-02", "for all", "3"});
  Ok({"delete-all-purchases"});
  EXPECT_EQ(Ok({"months"}), "");
  Ok({"record", "Food", "Milk Shake", "2004-05-01", "Anna", "2"});
  Ok({"delete-person", "Anna"});
  EXPECT_EQ(Ok({"persons"}), "");
  EXPECT_EQ(Ok({"total", "Food"}), "0.00\n");
  Ok({"delete-item", "Food", "Milk Shake"});
  EXPECT_EQ(Ok({"items", "Food"}), "");
  Ok({"delete-category", "Food"});
  EXPECT_EQ(Ok({"categories"}), "Food Milk\n");
}

TEST_F(MaintenanceCommands, NamesThatAreNotUtf8AreKeptByteForByte) {
  const std::string name = "Caf\xe9 \xff";  // Latin-1 bytes, not UTF-8
  Ok({"add-category", name});
  Ok({"add-item", name, "T\xe9"});
  Ok({"record", name, "T\xe9", "2004-05-01", "Anna", "2", "\xfe"});
  EXPECT_EQ(Ok({"categories"}), name + "\nFood\nFood Milk\n");
  EXPECT_EQ(Ok({"purchases", name, "T\xe9"}), "2004|May|01|Anna|\xfe| 2.00\n");
  EXPECT_EQ(Ok({"check"}), "Everything adds up.\n");
  Ok({"clear"});
  EXPECT_EQ(Ok({"check"}),
            "persons/Anna.txt: not named in KSDBPersons.txt (kept, not used)\n"
            "Everything adds up.\n");
}

}  // namespace
}  // namespace kestrune::testing
