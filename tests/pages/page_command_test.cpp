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
  for (const char* image : {"cnt.gif", "edit.gif", "delete.gif", "item.bmp", "user.gif"}) {
    EXPECT_TRUE(work.Exists(std::string("data/") + image)) << image;
  }
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

TEST_F(PageCommand, APageFileThatCannotBeWrittenEndsWithStatusThree) {
  std::filesystem::create_directories(work.path() + "/data/temp.tmp/in-the-way");
  ProcessResult result = Cli({"page", "person", "Anna"});
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.err, "Ups! Cant open data file\n");
  result = Cli({"page", "person", "Anna", "-o", work.path() + "/no/such/folder/page.html"});
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.err, "Ups! Cant open data file\n");
}

TEST_F(PageCommand, WritesOnlyANewOrRegularFileAndLeavesLinksAndSpecialFilesBeing) {
  namespace fs = std::filesystem;
  const std::string out = work.path() + "/out/";
  work.Write("out/mine.html", "old");
  fs::permissions(out + "mine.html", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("mine.html", out + "link.html");
  Ok({"page", "category", "Food", "-o", out + "link.html"});
  EXPECT_TRUE(fs::is_symlink(out + "link.html"));
  EXPECT_TRUE(work.Read("out/mine.html").starts_with("<html>"));
  EXPECT_EQ(fs::status(out + "mine.html").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_TRUE(work.Exists("out/2.css"));

  // A device of our own when allowed to make one (replacing /dev/null would harm the machine).
  std::string device = out + "null";
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) device = "/dev/null";
  ASSERT_EQ(::mkfifo((out + "fifo").c_str(), 0600), 0);
  fs::create_symlink("gone.html", out + "dangling.html");
  fs::create_symlink(device, out + "to-device");
  fs::create_directory(out + "folder");
  for (const std::string& path :
       {device, out + "fifo", out + "dangling.html", out + "to-device", out + "folder"}) {
    ProcessResult result = Cli({"page", "category", "Food", "-o", path});
    EXPECT_EQ(result.status, 3) << path;
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(path), std::string::npos) << result.err;
  }
  EXPECT_TRUE(fs::is_character_file(device));
  EXPECT_TRUE(fs::is_fifo(out + "fifo"));
  EXPECT_TRUE(fs::is_symlink(out + "dangling.html") && !fs::exists(out + "gone.html"));
  EXPECT_EQ(work.List("out/folder"), std::vector<std::string>{});
}

}  // namespace
}  // namespace kestrune::testing
