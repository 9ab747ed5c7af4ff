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

// Shares too round half away from zero.
TEST(Cents, ReadsTheDecimalTextExactlyAndRoundsOnceHalfAwayFromZero) {
  // "1.005": a double holds 1.00499999...
  const std::pair<const char*, Cents> reads[] = {
      {"0.125", 13},    {"-0.125", -13}, {"0.1249999999", 12}, {"1.005", 101}, {"  12.5kg", 1250},
      {"1e3", 100'000}, {"2.5E-1", 25},  {".5", 50},           {"7.", 700}};
  for (const auto& [text, cents] : reads) EXPECT_EQ(ParseCents(text), cents) << text;
  for (const char* junk : {"", "abc", ".", "-", "e5", "inf", "nan"}) {
    EXPECT_EQ(ParseCents(junk), 0) << junk;
    EXPECT_FALSE(ReadWholeCents(junk)) << junk;
  }
  EXPECT_FALSE(ReadWholeCents("12.5kg"));
  EXPECT_EQ(ReadWholeCents(" 3.50 "), 350);
  EXPECT_EQ(std::vector({DivideRounded(1000, 3), DivideRounded(5, 2), DivideRounded(-5, 2),
                         DivideRounded(-1000, 3)}),
            (std::vector<Cents>{333, 3, -3, -333}));
  // Huge numbers are never sane and never overflow.
  const Cents huge = ParseCents("1e300");
  EXPECT_EQ(huge, kHugeCents);
  EXPECT_EQ(ParseCents("-99999999999999999999999"), -kHugeCents);
  EXPECT_FALSE(IsSaneTotalCents(huge));
  EXPECT_TRUE(IsSaneSumCents(100'000'000'000));
  EXPECT_FALSE(IsSaneSumCents(100'000'000'001));
}

}  // namespace
}  // namespace kestrune
