// The line reader, the atomic writer, change sets, amounts and month keys.
#include <gtest/gtest.h>

#include "database/amounts.h"
#include "database/file_system.h"
#include "database/month_keys.h"
#include "database/text_lines.h"
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

TEST(Amounts, ReadLikeAtof) {
  EXPECT_DOUBLE_EQ(ParseAmount(" 3.50"), 3.5);
  EXPECT_DOUBLE_EQ(ParseAmount("12.50"), 12.5);
  EXPECT_DOUBLE_EQ(ParseAmount("\t-7.25"), -7.25);
  EXPECT_DOUBLE_EQ(ParseAmount("+4"), 4.0);
  EXPECT_DOUBLE_EQ(ParseAmount("12.5 kg"), 12.5);
  EXPECT_DOUBLE_EQ(ParseAmount("end all item expenses"), 0.0);
  EXPECT_DOUBLE_EQ(ParseAmount(""), 0.0);
}

TEST(Amounts, FileAndShownFormats) {
  EXPECT_EQ(FormatFileAmount(3.5), " 3.50");
  EXPECT_EQ(FormatFileAmount(12.5), "12.50");
  EXPECT_EQ(FormatFileAmount(123.45), "123.45");
  EXPECT_EQ(FormatFileAmount(0.0), " 0.00");
  EXPECT_EQ(FormatFileAmount(-3.5), "-3.50");
  EXPECT_EQ(FormatFileAmount(0.1 + 0.2 - 0.3 - 1e-9), " 0.00");
  EXPECT_EQ(FormatShownAmount(0.0), "0.00");
  EXPECT_EQ(FormatShownAmount(1234567.891), "1234567.89");
}

TEST(Amounts, CentsSurviveLargeRunningTotals) {
  double total = 131072.00;
  for (int i = 0; i < 1000; ++i) total = ParseAmount(FormatFileAmount(total)) + 0.01;
  EXPECT_EQ(FormatFileAmount(total), "131082.00");
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
  EXPECT_EQ(folder.List(""), Strings{"KSDBMonths.txt"});
}

TEST(AtomicWriter, WriteIntoMissingFolderIsReportedAndWritesNothing) {
  testing::TempFolder folder;
  PosixFileSystem fs;
  Status status = fs.WriteFile(folder.path() + "/items/Food Milk.txt", "x");
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("Food Milk.txt"), std::string::npos);
  EXPECT_EQ(folder.List(""), Strings{});
}

}  // namespace
}  // namespace kestrune
