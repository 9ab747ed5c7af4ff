// The line reader, the atomic writer, what each failure of the disk tells a caller, backups
// and month keys.
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

TEST(LineReader, AcceptsBothLineEndsWithOrWithoutAFinalOne) {
  EXPECT_EQ(SplitLines("a\nb"), (Strings{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb\n"), (Strings{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Strings{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Strings{"a", "", "b"}));
  EXPECT_EQ(SplitLines(""), Strings{});
  EXPECT_EQ(SplitLines("\n"), Strings{""});
  // A byte-order mark some editors write first is no part of the first line.
  EXPECT_EQ(SplitLines("\xEF\xBB\xBF"
                       "Food\r\nMilk"),
            (Strings{"Food", "Milk"}));
  EXPECT_EQ(SplitLines("\xEF\xBB\xBF"), Strings{});
}

TEST(LineWriter, IndexesHaveNoFinalLineEndEntityFilesEndEveryLine) {
  EXPECT_EQ(JoinLines({"Food", "Drinks"}), "Food\nDrinks");
  EXPECT_EQ(JoinEndedLines({"Food", "Drinks"}), "Food\nDrinks\n");
  EXPECT_EQ(JoinLines({}), "");
}

TEST(MonthKeys, NumbersAndNames) {
  EXPECT_EQ(MonthNumber("January"), 1);
  EXPECT_EQ(MonthNumber("December"), 12);
  EXPECT_EQ(MonthNumber("january"), 0);
  EXPECT_EQ(MonthName(9), "September");
  EXPECT_TRUE(IsMonthKey("2004 January"));
  EXPECT_FALSE(IsMonthKey("2004 Januar"));
  EXPECT_FALSE(IsMonthKey("04 January"));
  EXPECT_FALSE(IsMonthKey("all months"));
}

TEST(MonthKeys, SortNewestFirst) {
  Strings months = {"2003 December", "2004 February", "2004 January"};
  SortMonthsNewestFirst(months);
  EXPECT_EQ(months, (Strings{"2004 February", "2004 January", "2003 December"}));

  months = {"2001 March", "2010 January", "2001 November", "2010 January", "2005 July"};
  SortMonthsNewestFirst(months);
  EXPECT_EQ(months,
            (Strings{"2010 January", "2010 January", "2005 July", "2001 November", "2001 March"}));
}

TEST(AtomicWriter, ReplacesWholeFileAndLeavesNoTemporaryFile) {
  testing::TempFolder folder;
  PosixFileSystem fs;
  const std::string path = folder.path() + "/KSDBMonths.txt";
  ASSERT_TRUE(fs.WriteFile(path, "2004 January\n2003 May\n").ok());
  ASSERT_TRUE(fs.WriteFile(path, "2004 January\n").ok());
  EXPECT_EQ(folder.Read("KSDBMonths.txt"), "2004 January\n");
  // A folder that is missing is reported, naming the file, and nothing is left behind.
  Status status = fs.WriteFile(folder.path() + "/items/Food Milk.txt", "x");
  EXPECT_TRUE(status.IsIOError());
  EXPECT_NE(status.message().find("Food Milk.txt"), std::string::npos);
  EXPECT_EQ(folder.List(""), Strings{"KSDBMonths.txt"});
}

TEST(FilePrimitives, AReadSaysWhetherTheFileIsAbsentOrNoFile) {
  testing::TempFolder folder;
  PosixFileSystem fs;
  const std::string base = folder.path();
  folder.Write("items/Food Milk.txt", "milk");
  ASSERT_EQ(::mkfifo((base + "/pipe.txt").c_str(), 0644), 0);
  std::string content;
  EXPECT_TRUE(fs.Read(base + "/absent.txt", content).IsNotFound());
  EXPECT_TRUE(fs.Read(base + "/items", content).IsInvalidArgument());
  // A FIFO without a writer would hold an open for reading; it is refused at once.
  const Status fifo = fs.Read(base + "/pipe.txt", content);
  EXPECT_TRUE(fifo.IsInvalidArgument());
  EXPECT_EQ(fifo.message(), "Can't read " + base + "/pipe.txt: not a regular file");
  // Through a change set, a file it removes reads as absent.
  ChangeSet changes(fs, base);
  changes.Remove(base + "/items/Food Milk.txt");
  EXPECT_TRUE(changes.Read(base + "/items/Food Milk.txt", content).IsNotFound());
}

TEST(FilePrimitives, ARenameThatCannotBeMadeDurableFailsTheCommit) {
  testing::TempFolder folder;
  folder.Write(".kestrune/change", "");
  testing::FailingFileSystem fs;
  fs.folder_syncs_fail = true;
  ChangeSet changes(fs, folder.path());
  changes.Write(folder.path() + "/KSDBMonths.txt", "2004 January\n");
  const Status committed = changes.Commit();
  EXPECT_TRUE(committed.IsIOError());
  EXPECT_EQ(committed.message(), "Can't flush folder " + folder.path() +
                                     ": Input/output error (the change is made, but a crash may "
                                     "still undo it)");
}

TEST(Backups, CopyRegularFilesOnlyAndLeaveNoHalfCopyOnAFullDisk) {
  testing::TempFolder work;
  testing::FailingFileSystem fs;
  const std::string base = work.path() + "/BASE";
  const std::string backups = work.path() + "/backups";
  work.Write("BASE/items/Food Milk.txt", "milk");
  work.Write("BASE/.kestrune/lock", "");
  ASSERT_EQ(::mkfifo((base + "/pipe.txt").c_str(), 0644), 0);
  // A number too large to be a backup's suffix is just another name.
  work.Write("backups/2026-12-06_120000-99999999999/KSDBMonths.txt", "");
  std::string made;
  ASSERT_TRUE(BackUpDatabase(fs, base, backups, "2026-12-06_120000", 5, &made).ok());
  EXPECT_EQ(made, backups + "/2026-12-06_120000");
  EXPECT_EQ(work.List("backups/2026-12-06_120000"), Strings{"items"});
  EXPECT_EQ(work.Read("backups/2026-12-06_120000/items/Food Milk.txt"), "milk");
  fs.fail_after = fs.changes;
  EXPECT_TRUE(BackUpDatabase(fs, base, backups, "2026-12-06_120000", 5).IsIOError());
  EXPECT_EQ(work.List("backups").size(), 2u);
}

}  // namespace
}  // namespace kestrune
