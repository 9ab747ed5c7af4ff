#include "database/amounts.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace kestrune {
namespace {

// Every amount the files hold reads back as the cents it was written from, and is written
// exactly as C's "%5.2f" writes the same value.
TEST(Cents, FormatAndParseAgreeWithTheFilesText) {
  for (Cents cents = -100'000; cents <= 100'000; cents += 7) {
    const std::string text = FormatFileCents(cents);
    char want[64];
    std::snprintf(want, sizeof want, "%5.2f", static_cast<double>(cents) / 100.0);
    ASSERT_EQ(text, cents == 0 ? " 0.00" : want) << cents;
    ASSERT_EQ(ParseCents(text), cents) << text;
    ASSERT_EQ(ReadWholeCents(text), cents) << text;
  }
  EXPECT_EQ(FormatShownCents(5), "0.05");
  EXPECT_EQ(FormatFileCents(99'999'999'999'999), "999999999999.99");
}

TEST(Cents, ReadsTheDecimalTextExactlyAndRoundsOnceHalfAwayFromZero) {
  EXPECT_EQ(ParseCents("0.125"), 13);
  EXPECT_EQ(ParseCents("-0.125"), -13);
  EXPECT_EQ(ParseCents("0.1249999999"), 12);
  EXPECT_EQ(ParseCents("1.005"), 101);  // a double holds 1.00499999...
  EXPECT_EQ(ParseCents("  12.5kg"), 1250);
  EXPECT_EQ(ParseCents("1e3"), 100'000);
  EXPECT_EQ(ParseCents("2.5E-1"), 25);
  EXPECT_EQ(ParseCents(".5"), 50);
  EXPECT_EQ(ParseCents("7."), 700);
  for (const char* junk : {"", "abc", ".", "-", "e5", "inf", "nan"}) {
    EXPECT_EQ(ParseCents(junk), 0) << junk;
    EXPECT_FALSE(ReadWholeCents(junk)) << junk;
  }
  EXPECT_FALSE(ReadWholeCents("12.5kg"));
  EXPECT_EQ(ReadWholeCents(" 3.50 "), 350);
}

TEST(Cents, HugeNumbersAreNeverSaneAndNeverOverflow) {
  const Cents huge = ParseCents("1e300");
  EXPECT_EQ(huge, kHugeCents);
  EXPECT_EQ(ParseCents("-99999999999999999999999"), -kHugeCents);
  EXPECT_FALSE(IsSaneTotalCents(huge));
  EXPECT_TRUE(IsSaneSumCents(100'000'000'000));
  EXPECT_FALSE(IsSaneSumCents(100'000'000'001));
}

TEST(Cents, SharesRoundHalfAwayFromZero) {
  EXPECT_EQ(DivideRounded(1000, 3), 333);
  EXPECT_EQ(DivideRounded(5, 2), 3);
  EXPECT_EQ(DivideRounded(-5, 2), -3);
  EXPECT_EQ(DivideRounded(-1000, 3), -333);
}

}  // namespace
}  // namespace kestrune
