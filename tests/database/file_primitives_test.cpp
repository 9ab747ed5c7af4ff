// The line reader and writer, what each failure of the disk tells a caller, backups and month
// keys.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "database/backups.h"
#include "database/change_set.h"
#include "database/file_system.h"
#include "database/month_keys.h"
#include "database/text_lines.h"
#include "tests/support/failing_file_system.h"
#include "tests/support/temp_folder.h"

namespace kestrune {
namespace {

using Strings = std::vector<std::string>;

TEST(Lines, ReadEitherLineEndAndWriteEachFilesOwn) {
  EXPECT_EQ(SplitLines("a\nb"), (Strings{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb\n"), (Strings{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (Strings{"a", "", "b"}));
  EXPECT_EQ(SplitLines(""), Strings{});
  EXPECT_EQ(SplitLines("\n"), Strings{""});
  // A byte-order mark some editors write first is no part of the first line.
  EXPECT_EQ(SplitLines("\xEF\xBB\xBF" + std::string("Food\r\nMilk")), (Strings{"Food", "Milk"}));
  EXPECT_EQ(SplitLines("\xEF\xBB\xBF"), Strings{});
  // Indexes have no final line end; entity files end every line.
  EXPECT_EQ(JoinLines({"Food", "Drinks"}), "Food\nDrinks");
  EXPECT_EQ(JoinEndedLines({"Food", "Drinks"}), "Food\nDrinks\n");
}

// Their order, newest first, is checked against the exchanges as written in the bench tests.
TEST(MonthKeys, NamesAndNumbers) {
  EXPECT_EQ(MonthNumber("December"), 12);
  EXPECT_EQ(MonthNumber("january"), 0);
  EXPECT_EQ(MonthName(9), "September");
  EXPECT_TRUE(IsMonthKey("2004 January"));
  for (const char* key : {"2004 Januar", "04 January", "all months"}) EXPECT_FALSE(IsMonthKey(key));
}

TEST(FilePrimitives, EachFailureTellsItsCode) {
  testing::TempFolder folder;
  testing::FailingFileSystem fs;
  const std::string base = folder.path();
  folder.Write(".kestrune/change", "");
  ASSERT_EQ(::mkfifo((base + "/pipe.txt").c_str(), 0644), 0);
  std::string content;
  EXPECT_TRUE(fs.Read(base + "/absent.txt", content).IsNotFound());
  EXPECT_TRUE(fs.Read(base + "/.kestrune", content).IsInvalidArgument());
  // A FIFO without a writer would hold an open for reading; it is refused at once.
  const Status fifo = fs.Read(base + "/pipe.txt", content);
  EXPECT_TRUE(fifo.IsInvalidArgument());
  EXPECT_EQ(fifo.message(), "Can't read " + base + "/pipe.txt: not a regular file");
  const Status no_folder = fs.WriteFile(base + "/items/Food Milk.txt", "x");
  EXPECT_TRUE(no_folder.IsIOError());
  EXPECT_NE(no_folder.message().find("items/Food Milk.txt"), std::string::npos);
  // A rename whose folder cannot be flushed fails the commit, which says the change is made.
  fs.folder_syncs_fail = true;
  ChangeSet changes(fs, base);
  changes.Write(base + "/KSDBMonths.txt", "2004 January\n");
  const Status committed = changes.Commit();
  EXPECT_TRUE(committed.IsIOError());
  EXPECT_EQ(committed.message(), "Can't flush folder " + base +
                                     ": Input/output error (the change is made, but a crash may "
                                     "still undo it)");
  // Through the change set, a file it removes reads as absent.
  changes.Remove(base + "/KSDBMonths.txt");
  EXPECT_TRUE(changes.Read(base + "/KSDBMonths.txt", content).IsNotFound());
}

TEST(Backups, CopyRegularFilesOnlyLeaveNoHalfCopyOnAFullDiskAndKeepTheNewest) {
  testing::TempFolder work;
  testing::FailingFileSystem fs;
  const std::string base = work.path() + "/BASE";
  const std::string backups = work.path() + "/backups";
  work.Write("BASE/items/Food Milk.txt", "milk");
  work.Write("BASE/KSDBMonths.txt", "2004 May\n");
  work.Write("BASE/.kestrune/lock", "");
  work.Write("BASE/household/access.txt", "Anna|member|$argon2id$...\n");
  ASSERT_EQ(::mkfifo((base + "/pipe.txt").c_str(), 0644), 0);
  // A number too large to be a backup's suffix is just another name.
  work.Write("backups/2026-12-06_120000-99999999999/KSDBMonths.txt", "");
  std::string made;
  ASSERT_TRUE(BackUpDatabase(fs, base, backups, "2026-12-06_120000", 5, &made).ok());
  EXPECT_EQ(made, backups + "/2026-12-06_120000");
  EXPECT_EQ(work.List("backups/2026-12-06_120000"), (Strings{"KSDBMonths.txt", "items"}));
  EXPECT_EQ(work.Read("backups/2026-12-06_120000/items/Food Milk.txt"), "milk");
  fs.fail_after = fs.changes;
  EXPECT_TRUE(BackUpDatabase(fs, base, backups, "2026-12-06_120000", 5).IsIOError());
  EXPECT_EQ(work.List("backups").size(), 2u);
  fs.fail_after = 1 << 30;
  for (int i = 2; i <= 7; ++i)
    ASSERT_TRUE(BackUpDatabase(fs, base, backups, "2026-12-06_120000", 5, &made).ok());
  EXPECT_EQ(made, backups + "/2026-12-06_120000-7");
  EXPECT_EQ(work.List("backups"),
            (Strings{"2026-12-06_120000-4", "2026-12-06_120000-5", "2026-12-06_120000-6",
                     "2026-12-06_120000-7", "2026-12-06_120000-99999999999"}));
}

}  // namespace
}  // namespace kestrune
