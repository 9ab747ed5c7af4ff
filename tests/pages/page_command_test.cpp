// The page command, run as a user runs it.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/cli_fixture.h"

namespace kestrune::testing {
namespace {

class PageCommand : public CliTest {
 protected:
  void SetUp() override {
    Ok({"init"});
    Write("KSDBCategories.txt", "Food");
    Write("categories/Food.txt", "Food\n \nbegin item list\nMilk|\nend item list\n");
    Write("KSDBPersons.txt", "Anna");
    Write("persons/Anna.txt", "Anna\n ");
    Ok({"record", "Food", "Milk", "2004-03-07", "Anna", "3.5", "two bottles"});
    Ok({"record", "Food", "Milk", "2004-02-01", "for all", "1"});
  }
  void ExpectRefused(const std::vector<std::string>& args, const std::string& message) {
    ProcessResult result = Cli(args);
    EXPECT_EQ(result.status, 1) << message;
    EXPECT_EQ(result.err, message + "\n");
    EXPECT_FALSE(work.Exists("data/temp.tmp")) << message;
  }
};

TEST_F(PageCommand, WritesThePageFileWithTheAssetsBesideIt) {
  work.Write("data/2.css", "/* mine */");
  EXPECT_EQ(Ok({"page", "item", "Food", "Milk"}), "");
  const std::string page = work.Read("data/temp.tmp");
  EXPECT_TRUE(page.starts_with("<html><BODY text=#333333 ")) << page;
  EXPECT_TRUE(page.ends_with("</html>")) << page;
  EXPECT_EQ(Ok({"page", "item", "Food", "Milk", "-o", "-"}), page);
  EXPECT_EQ(work.Read("data/2.css"), "/* mine */");
  EXPECT_TRUE(work.Exists("data/cnt.gif"));  // the assets test checks every file installed
}

TEST_F(PageCommand, MonthAndCurrencyChooseWhatTheAmountsShow) {
  const std::string all = Ok({"page", "item-statistics", "--currency", "EUR", "-o", "-"});
  EXPECT_NE(all.find(">4.50 EUR</TD></TR>"), std::string::npos) << all;
  const std::string march =
      Ok({"page", "--month", "2004 March", "person", "Anna", "--currency", "$", "-o", "-"});
  EXPECT_NE(march.find("All person expenses:&nbsp&nbsp3.50 $</b>"), std::string::npos) << march;
  const std::string february =
      Ok({"page", "person-items", "Anna", "--month", "2004 February", "-o", "-"});
  EXPECT_NE(february.find(">1.00 </TD></TR>"), std::string::npos) << february;
  EXPECT_NE(
      Ok({"page", "category", "Food", "-o", "-"}).find("All category expenses:&nbsp&nbsp4.50 "),
      std::string::npos);
}

TEST_F(PageCommand, RefusesWhatTheBookDoesNotHold) {
  ExpectRefused({"page", "category", "Drinks"}, "Unknown category: Drinks");
  ExpectRefused({"page", "item", "Food", "Tea"}, "Unknown item: Tea in Food");
  ExpectRefused({"page", "item", "Drinks", "Tea"}, "Unknown category: Drinks");
  ExpectRefused({"page", "person", "for all"}, "Unknown person: for all");
  ExpectRefused({"page", "person-items", "Bob"}, "Unknown person: Bob");
  ExpectRefused({"page", "item-statistics", "--month", "2004 April"}, "Unknown month: 2004 April");
  EXPECT_FALSE(work.Exists("data/BASE/items/Food Tea.txt"));
  EXPECT_EQ(Cli({"page", "item", "Food"}).status, 2);
  EXPECT_EQ(Cli({"page"}).status, 2);
}

// A page or a chart written to a file the user names: the same rules for both.
TEST_F(PageCommand, WritesOnlyANewOrRegularFileAndEndsWithStatusThreeWhenItCannot) {
  namespace fs = std::filesystem;
  fs::create_directories(work.path() + "/data/temp.tmp/in-the-way");
  ProcessResult result = Cli({"page", "person", "Anna"});
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.err, "Ups! Cant open data file\n");
  const std::string missing = work.path() + "/no/such/folder/page.html";
  result = Cli({"page", "person", "Anna", "-o", missing});
  EXPECT_EQ(result.status, 3);
  EXPECT_TRUE(result.err.starts_with("Ups! Cant open data file: Can't write " + missing));
  const std::string out = work.path() + "/out/";
  const std::vector<std::vector<std::string>> commands = {
      {"page", "category", "Food", "-o"}, {"chart", "categories", "--style", "bar", "-o"}};
  for (const std::vector<std::string>& command : commands) {
    work.Write("out/mine.png", "old");
    fs::permissions(out + "mine.png", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("mine.png", out + "link.png");
    std::vector<std::string> args = command;
    args.push_back(out + "link.png");
    Ok(args);
    EXPECT_TRUE(fs::is_symlink(out + "link.png"));
    EXPECT_NE(work.Read("out/mine.png"), "old");
    EXPECT_EQ(fs::status(out + "mine.png").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    fs::remove(out + "link.png");
  }
  EXPECT_TRUE(work.Exists("out/2.css"));

  // A device of our own when allowed to make one (replacing /dev/null would harm the machine).
  std::string device = out + "null.png";
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) device = "/dev/null";
  ASSERT_EQ(::mkfifo((out + "fifo.png").c_str(), 0600), 0);
  fs::create_symlink("gone.png", out + "dangling.png");
  fs::create_symlink(device, out + "to-device.png");
  fs::create_directory(out + "folder.png");
  for (const std::vector<std::string>& command : commands) {
    for (const std::string& path : {device, out + "fifo.png", out + "dangling.png",
                                    out + "to-device.png", out + "folder.png"}) {
      std::vector<std::string> args = command;
      args.push_back(path);
      ProcessResult result = Cli(args);
      EXPECT_EQ(result.status, 3) << path;
      EXPECT_EQ(result.out, "");
      EXPECT_NE(result.err.find(path), std::string::npos) << result.err;
    }
  }
  EXPECT_TRUE(fs::is_character_file(device));
  EXPECT_TRUE(fs::is_fifo(out + "fifo.png"));
  EXPECT_TRUE(fs::is_symlink(out + "dangling.png") && !fs::exists(out + "gone.png"));
  EXPECT_EQ(work.List("out/folder.png"), std::vector<std::string>{});
}

}  // namespace
}  // namespace kestrune::testing
