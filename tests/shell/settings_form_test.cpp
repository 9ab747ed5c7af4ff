#include "shell/settings_form.h"

#include <gtest/gtest.h>

#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

using Strings = std::vector<std::string>;

using SettingsFormTest = testing::FormsTest;

TEST_F(SettingsFormTest, TheMonthsCountIsAWholeNumberFromOneToAHundred) {
  EXPECT_EQ(ParseMonthsCount("1"), 1);
  EXPECT_EQ(ParseMonthsCount(" 100 "), 100);
  for (const char* text : {"0", "101", "-3", "6 months", "1.5", "", "abc"}) {
    EXPECT_EQ(ParseMonthsCount(text), std::nullopt) << text;
  }
}

TEST_F(SettingsFormTest, AcceptStoresTheLimitAndTheCurrency) {
  EXPECT_TRUE(AcceptSettings(form, true, "1", "").afterwards.refresh_views);
  EXPECT_TRUE(AcceptSettings(form, false, "6", "EUR").close);
  EXPECT_FALSE(state.ShowAllMonths);
  EXPECT_EQ(state.MonthsNum, 6);
  EXPECT_EQ(state.Currency, "EUR");
  EXPECT_EQ(db.currency(), "EUR");
  // "Show all months" keeps the number for later.
  EXPECT_TRUE(AcceptSettings(form, true, "6", "").close);
  EXPECT_TRUE(state.ShowAllMonths);
  EXPECT_EQ(state.MonthsNum, 6);
  EXPECT_EQ(db.currency(), "");
}

TEST_F(SettingsFormTest, AnOutOfRangeCountChangesNothing) {
  state.Currency = "EUR";
  EXPECT_FALSE(AcceptSettings(form, false, "0", "USD").close);
  EXPECT_FALSE(AcceptSettings(form, false, "many", "USD").close);
  EXPECT_EQ(prompts.messages, Strings(2, kMonthsOutOfRange));
  EXPECT_TRUE(state.ShowAllMonths);
  EXPECT_EQ(state.Currency, "EUR");
}

TEST_F(SettingsFormTest, DeleteThisMonthTakesTheChosenMonthOut) {
  Check(db.AddMonth("2024 March"));
  Check(db.AddMonth("2024 May"));
  const FormOutcome outcome = DeleteMonthAt(form, 1);  // newest first: 2024 March
  EXPECT_TRUE(outcome.close && outcome.afterwards.refill_months);
  EXPECT_EQ(prompts.asked, Strings{"Are you sure to delete this month?"});
  EXPECT_EQ(db.GetMonths(), Strings{"2024 May"});
  EXPECT_EQ(Read("KSDBMonths.txt").find("2024 March"), std::string::npos);
  prompts.answers = {false};
  EXPECT_FALSE(DeleteMonthAt(form, 0).afterwards.refill_months);
  EXPECT_EQ(db.GetMonths(), Strings{"2024 May"});
}

TEST_F(SettingsFormTest, WithNoMonthListedNothingIsDeletedOrAsked) {
  AddBread();
  BuyBread("05", "", " 9.00");
  const std::string before = Read("items/Food Bread.txt");
  EXPECT_TRUE(DeleteMonthAt(form, -1).close);
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_EQ(Read("items/Food Bread.txt"), before);
  EXPECT_EQ(db.ItemMonthTotal("all months", "Food", "Bread").value, 900);
}

}  // namespace
}  // namespace kestrune
