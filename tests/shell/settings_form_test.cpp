#include "shell/settings_form.h"

#include <gtest/gtest.h>

#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

using Strings = std::vector<std::string>;

using SettingsFormTest = testing::FormsTest;

// The months count is a whole number from one to a hundred.
TEST_F(SettingsFormTest, AcceptStoresTheLimitAndTheCurrencyOrRefusesABadCount) {
  EXPECT_EQ(ParseMonthsCount("1"), 1);
  EXPECT_EQ(ParseMonthsCount(" 100 "), 100);
  for (const char* text : {"0", "101", "-3", "6 months", "1.5", "", "abc"}) {
    EXPECT_EQ(ParseMonthsCount(text), std::nullopt) << text;
  }
  EXPECT_TRUE(AcceptSettings(form, true, "1", "").afterwards.refresh_views);
  EXPECT_TRUE(AcceptSettings(form, false, "6", "EUR").close);
  EXPECT_FALSE(state.showAllMonths);
  EXPECT_EQ(state.monthsShown, 6);
  EXPECT_EQ(state.currency, "EUR");
  EXPECT_EQ(db.currency(), "EUR");
  // "Show all months" keeps the number for later.
  EXPECT_TRUE(AcceptSettings(form, true, "6", "").close);
  EXPECT_TRUE(state.showAllMonths);
  EXPECT_EQ(state.monthsShown, 6);
  EXPECT_EQ(db.currency(), "");
  // An out-of-range count changes nothing.
  EXPECT_FALSE(AcceptSettings(form, false, "0", "USD").close);
  EXPECT_FALSE(AcceptSettings(form, false, "many", "USD").close);
  EXPECT_EQ(prompts.messages, Strings(2, kMonthsOutOfRange));
  EXPECT_TRUE(state.showAllMonths);
  EXPECT_EQ(state.currency, "");
}

TEST_F(SettingsFormTest, DeleteThisMonthTakesTheChosenMonthOutAfterAYes) {
  AddBread();
  BuyBread("05", "", " 9.00");
  Check(db.AddMonth("2024 May"));
  const std::string bread = Read("items/Food Bread.txt");
  // With no month listed nothing is deleted or asked.
  EXPECT_TRUE(DeleteMonthAt(form, -1).close);
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_EQ(Read("items/Food Bread.txt"), bread);
  prompts.answers = {false};
  EXPECT_FALSE(DeleteMonthAt(form, 1).afterwards.refill_months);
  EXPECT_EQ(db.ItemMonthTotal("all months", "Food", "Bread").value, 900);
  const FormOutcome outcome = DeleteMonthAt(form, 1);  // newest first: 2024 March
  EXPECT_TRUE(outcome.close && outcome.afterwards.refill_months);
  EXPECT_EQ(prompts.asked, Strings(2, "Are you sure to delete this month?"));
  EXPECT_EQ(db.GetMonths(), Strings{"2024 May"});
  EXPECT_EQ(Read("KSDBMonths.txt").find("2024 March"), std::string::npos);
  EXPECT_EQ(db.ItemMonthTotal("all months", "Food", "Bread").value, 0);
}

}  // namespace
}  // namespace kestrune
