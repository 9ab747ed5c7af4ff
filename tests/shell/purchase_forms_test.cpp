#include "shell/purchase_forms.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "shell/budget_forms.h"
#include "shell/catalogue_forms.h"
#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

using Strings = std::vector<std::string>;

class PurchaseFormsTest : public testing::FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    AddBread();
    Check(db.AddPerson("Bob", ""));
    state.selectedCategory = "Food";
    state.selectedItem = "Bread";
  }
  static PurchaseInput Input(std::string sum, int month = 3, std::string person = "Anna",
                             std::string information = "") {
    return PurchaseInput{2024, month, 5, std::move(person), std::move(information), std::move(sum)};
  }
  static std::string Line(const PurchaseRecord& r) {
    return r.year + "|" + r.month + "|" + r.day + "|" + r.person + "|" + r.information + "|" +
           r.sum;
  }
  Strings Purchases() {
    std::vector<PurchaseRecord> records;
    EXPECT_TRUE(db.ItemPurchases("all months", "Food", "Bread", records).ok());
    Strings lines;
    for (const PurchaseRecord& r : records) lines.push_back(Line(r));
    return lines;
  }
};

// Which sums may be typed is the core's; here each refusal's message in order, and what a
// purchase that passes changes.
TEST_F(PurchaseFormsTest, AddRefusesWithItsMessagesOrRecordsAndShowsANewMonthInTheChooser) {
  state.selectedItem.clear();
  EXPECT_FALSE(SubmitNewPurchase(form, Input("5")).close);
  EXPECT_FALSE(Exists("items/Food .txt"));
  state.selectedItem = "Bread";
  for (const char* sum : {"0", "12abc", "2000000000"}) {
    EXPECT_FALSE(SubmitNewPurchase(form, Input(sum)).close) << sum;
  }
  EXPECT_EQ(prompts.messages, (Strings{"Impossible to add purchase.", "Please type purchase summ.",
                                       "Please type purchase summ.", kSumOutOfRange}));
  EXPECT_EQ(prompts.details, (Strings{"Choose an item first.", "\"abc\" is not part of a sum."}));
  EXPECT_EQ(Read("KSDBMonths.txt"), "");

  EXPECT_EQ(Line(BuildPurchase(Input("3.456", 1, "for all", "two\nlines | one"))),
            "2024|January|05|for all|two lines / one| 3.46");
  const FormOutcome outcome = SubmitNewPurchase(form, Input(" 12,50 "));
  EXPECT_TRUE(outcome.close);
  EXPECT_TRUE(outcome.afterwards.refill_months);
  EXPECT_EQ(outcome.afterwards.select_month, "2024 March");
  EXPECT_TRUE(outcome.afterwards.refresh_views);
  EXPECT_EQ(state.selectedMonth, "2024 March");
  EXPECT_EQ(Purchases(), Strings{"2024|March|05|Anna||12.50"});
  // A second purchase in a known month leaves the chooser's entries as they are.
  const FormOutcome again = SubmitNewPurchase(form, Input("1"));
  EXPECT_FALSE(again.afterwards.refill_months);
  EXPECT_EQ(again.afterwards.select_month, "2024 March");

  // With no person left the sum is still looked at first.
  Check(db.DeletePerson("Anna"));
  Check(db.DeletePerson("Bob"));
  prompts.messages.clear();
  EXPECT_FALSE(SubmitNewPurchase(form, Input("0", 3, "for all")).close);
  EXPECT_FALSE(SubmitNewPurchase(form, Input("5", 3, "for all")).close);
  EXPECT_EQ(prompts.messages,
            (Strings{"Please type purchase summ.", "Impossible to add purchase."}));
  EXPECT_EQ(prompts.details.back(), "Add a person first.");
}

TEST_F(PurchaseFormsTest, AThousandsSeparatorIsTheUsersOwn) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German));
  const bool german = SubmitNewPurchase(form, Input("1.234")).close;
  QLocale::setDefault(QLocale::c());
  const bool c = SubmitNewPurchase(form, Input("1.234")).close;
  QLocale::setDefault(before);
  ASSERT_TRUE(german && c);
  EXPECT_EQ(Purchases(), (Strings{"2024|March|05|Anna|| 1.23", "2024|March|05|Anna||1234.00"}));
}

// An unchanged edit still moves the line to the top of its month.
TEST_F(PurchaseFormsTest, AnEditRewritesTheLineMayMoveItToAnotherMonthOrRefusesABadSum) {
  ASSERT_TRUE(SubmitNewPurchase(form, Input("10", 3, "Anna", "first")).close);
  ASSERT_TRUE(SubmitNewPurchase(form, Input("20", 3, "Bob", "second")).close);
  ASSERT_EQ(Purchases().front(), "2024|March|05|Bob|second|20.00");
  const PurchaseInput same = Input("10", 3, "Anna", "first");
  EXPECT_TRUE(SubmitPurchaseEdit(form, "2024|March|05|Anna|first|10.00", same).close);
  EXPECT_EQ(Purchases(),
            (Strings{"2024|March|05|Anna|first|10.00", "2024|March|05|Bob|second|20.00"}));
  EXPECT_EQ(db.ItemMonthTotal("all months", "Food", "Bread").value, 3000);

  const FormOutcome moved =
      SubmitPurchaseEdit(form, "2024|March|05|Anna|first|10.00", Input("7", 4));
  EXPECT_TRUE(moved.afterwards.refill_months);
  EXPECT_EQ(moved.afterwards.select_month, "2024 April");
  EXPECT_EQ(db.ItemMonthTotal("2024 March", "Food", "Bread").value, 2000);
  EXPECT_EQ(db.ItemMonthTotal("2024 April", "Food", "Bread").value, 700);
  for (const char* sum : {"0", "7,5x", "1000000000,01"}) {
    EXPECT_FALSE(SubmitPurchaseEdit(form, "2024|April|05|Anna|| 7.00", Input(sum)).close) << sum;
  }
  EXPECT_EQ(prompts.messages,
            (Strings{"Invalid purchase summ.", "Invalid purchase summ.", kSumOutOfRange}));
  EXPECT_EQ(prompts.details, Strings{"\"x\" is not part of a sum."});
  EXPECT_EQ(db.ItemMonthTotal("all months", "Food", "Bread").value, 2700);
}

// The budget field reads a sum as the purchase dialog does; a budget-only edit is one change;
// the purchase that crosses the budget, and only that one, gets a note.
TEST_F(PurchaseFormsTest, ABudgetIsTypedLikeASumIsOneChangeAndThePurchaseCrossingItIsNoted) {
  EXPECT_TRUE(ReadBudgetField("  ").status.ok());
  EXPECT_FALSE(ReadBudgetField("  ").amount);
  EXPECT_EQ(ReadBudgetField(" 20,5 ").amount, 2050);
  EXPECT_EQ(ReadBudgetField("0").status.message(), kBudgetNotPositive);
  EXPECT_EQ(ReadBudgetField("12abc").status.detail(), "\"abc\" is not part of a sum.");
  EXPECT_EQ(ReadBudgetField("2000000000").status.message(), kSumOutOfRange);
  // A refused budget keeps the dialog open and the category as it was.
  EXPECT_FALSE(SubmitCategoryEdit(form, "Food", "Meals", "", std::string("x")).close);
  EXPECT_TRUE(db.CategoryExists("Food"));
  EXPECT_TRUE(SubmitCategoryEdit(form, "Food", "Food", "", std::string("20")).close);
  EXPECT_EQ(db.NextUndo()->description, "Set the budget of Food to 20.00");
  ASSERT_TRUE(db.Undo().ok());
  EXPECT_FALSE(db.BudgetOf("Food").value);
  EXPECT_NE(db.NextUndo()->description, "Edit category Food");
  ASSERT_TRUE(SubmitCategoryEdit(form, "Food", "Food", "", std::string("20")).close);

  EXPECT_EQ(SubmitNewPurchase(form, Input("15")).afterwards.note, "");
  EXPECT_EQ(SubmitNewPurchase(form, Input("6")).afterwards.note,
            "Food is over its budget for March 2024: 21.00 of 20.00");
  EXPECT_EQ(SubmitNewPurchase(form, Input("1")).afterwards.note, "");
  // Clearing the field clears the budget; an item's budget is set alike.
  EXPECT_TRUE(SubmitCategoryEdit(form, "Food", "Food", "", std::string()).close);
  EXPECT_FALSE(db.BudgetOf("Food").value);
  EXPECT_TRUE(SubmitItemEdit(form, "Food", "Bread", "Food", "Bread", "", std::string("5")).close);
  EXPECT_EQ(db.BudgetOf("Food", "Bread").value, 500);
}

}  // namespace
}  // namespace kestrune
