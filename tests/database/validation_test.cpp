// The name rules every way into the catalogue shares.
#include "database/validation.h"

#include <gtest/gtest.h>

#include "database/amounts.h"
#include "tests/support/database_fixture.h"

namespace kestrune::testing {
namespace {

class ValidationTest : public DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Load();
    ASSERT_TRUE(db.AddCategory("Food", "").ok());
    ASSERT_TRUE(db.AddCategory("Food Milk", "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Food", "Milk Shake", "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Food", "Bread", "").ok());
    ASSERT_TRUE(db.AddPerson("Anna", "").ok());
  }
  static std::string Message(const Status& status) { return status.ok() ? "ok" : status.message(); }
};

TEST_F(ValidationTest, UnsafeNamesAreRefusedForEveryKind) {
  const std::string long_name(252, 'x');
  using namespace std::string_literals;
  for (const std::string& bad : {""s, "   "s, "\t"s, " \t\v\f\r"s, "a\nb"s, "a\rb"s, "a/b"s,
                                 "a\\b"s, "a\0b"s, "."s, ".."s, long_name}) {
    EXPECT_EQ(Message(CheckNewCategory(db, bad)), "Invalid category name");
    EXPECT_EQ(Message(CheckNewItem(db, "Food", bad)), "Invalid item name");
    EXPECT_EQ(Message(CheckNewPerson(db, bad)), "Invalid person name");
    EXPECT_EQ(Message(CheckCategoryEdit(db, "Food", bad)), "Invalid category name");
    EXPECT_EQ(Message(CheckPersonEdit(db, "Anna", bad)), "Invalid person name");
    EXPECT_EQ(Message(CheckItemEdit(db, "Food", "Bread", "Food", bad)),
              "Invalid item name. Change item name or category.");
  }
  EXPECT_EQ(Message(CheckNewCategory(db, std::string(251, 'x'))), "ok");
  EXPECT_EQ(Message(CheckNewCategory(db, " Food ")), "ok");
  // A bar is allowed in a category's name only.
  EXPECT_EQ(Message(CheckNewCategory(db, "A|B")), "ok");
  EXPECT_EQ(Message(CheckNewItem(db, "Food", "A|B")), "Invalid item name");
  EXPECT_EQ(Message(CheckNewPerson(db, "A|B")), "Invalid person name");
}

TEST_F(ValidationTest, NamesInUseTheReservedPersonAndEdits) {
  EXPECT_EQ(Message(CheckNewCategory(db, "Food")), "Invalid category name");
  EXPECT_EQ(Message(CheckNewCategory(db, "food")), "ok");
  EXPECT_EQ(Message(CheckNewItem(db, "Food", "Bread")), "Invalid item name");
  EXPECT_EQ(Message(CheckNewItem(db, "Food Milk", "Bread")), "ok");
  EXPECT_EQ(Message(CheckNewItem(db, "Drinks", "Tea")), "Invalid item name");
  EXPECT_EQ(Message(CheckNewPerson(db, "Anna")), "Invalid person name");
  EXPECT_EQ(Message(CheckNewPerson(db, "for all")), "Invalid person name");
  EXPECT_EQ(Message(CheckPersonEdit(db, "Anna", "for all")), "Invalid person name");
  EXPECT_EQ(Message(CheckCategoryEdit(db, "Food", "Food")), "ok");
  EXPECT_EQ(Message(CheckCategoryEdit(db, "Food", "Food Milk")), "Invalid category name");
  EXPECT_EQ(Message(CheckCategoryEdit(db, "", "Meals")), "Error");
  EXPECT_EQ(Message(CheckPersonEdit(db, "", "Bob")), "Error");
  EXPECT_EQ(Message(CheckPersonEdit(db, "Anna", "Anna")), "ok");
  EXPECT_EQ(Message(CheckItemEdit(db, "Food", "Bread", "Food", "Bread")), "ok");
  EXPECT_EQ(Message(CheckItemEdit(db, "Food", "Bread", "Food", "Milk Shake")),
            "Invalid item name. Change item name or category.");
  EXPECT_EQ(Message(CheckItemEdit(db, "Food", "Bread", "Food Milk", "Bread")), "ok");
}

TEST_F(ValidationTest, TwoItemsNeverShareAFile) {
  // "Food" + "Milk Shake" and "Food Milk" + "Shake" both make "Food Milk Shake.txt".
  EXPECT_EQ(Message(CheckNewItem(db, "Food Milk", "Shake")), "Invalid item name");
  EXPECT_EQ(Message(CheckItemEdit(db, "Food", "Bread", "Food Milk", "Shake")),
            "Invalid item name. Change item name or category.");
  EXPECT_EQ(Message(CheckItemEdit(db, "Food", "Milk Shake", "Food", "Milk Shake")), "ok");
  // Renaming "Food Milk" to "Food" is refused anyway; renaming "Food" so that its item
  // "Milk Shake" would land on another item's file is refused too.
  ASSERT_TRUE(db.AddItemToCategory("Food Milk", "Tea", "").ok());
  ASSERT_TRUE(db.AddCategory("X", "").ok());
  ASSERT_TRUE(db.AddItemToCategory("X", "Milk Tea", "").ok());
  EXPECT_EQ(Message(CheckCategoryEdit(db, "Food Milk", "X Milk")), "Invalid category name");
  EXPECT_EQ(Message(CheckCategoryEdit(db, "X", "Food")), "Invalid category name");
  EXPECT_EQ(Message(CheckCategoryEdit(db, "X", "Food Milk Shake")), "ok");
}

// The command-line tests check the refusals of "for all" and of a shared item file.
TEST_F(ValidationTest, ARefusalSaysWhatIsWrong) {
  EXPECT_EQ(CheckNewCategory(db, "a/b").detail(), "The name may not hold \"/\".");
  EXPECT_EQ(CheckNewItem(db, "Food", "a|b").detail(), "The name may not hold \"|\".");
  EXPECT_EQ(CheckItemEdit(db, "Food", "Bread", "Food", "Milk Shake").detail(),
            "\"Food\" already holds an item \"Milk Shake\".");
  ASSERT_TRUE(db.ClearDatabase().ok());
  EXPECT_EQ(CheckNewItem(db, "", "Tea").detail(), "Add a category first.");
}

TEST(TypedSum, EitherDecimalMarkAndClearGroupsAreReadAnythingElseIsNamed) {
  const std::pair<const char*, Cents> sums[] = {
      {" 12,50 ", 1250},    {"12.5", 1250},       {"1.234,50", 123450},
      {"1,234.50", 123450}, {"1 234,50", 123450}, {"1,234", 123},
      {"-4", -400},         {",5", 50},           {"-0,005", -1}};
  for (const auto& [text, cents] : sums) EXPECT_EQ(ReadTypedSum(text, "").cents, cents) << text;
  EXPECT_EQ(ReadTypedSum("1,234", ",").cents, 123400);
  EXPECT_EQ(ReadTypedSum("1.234.567", ".").cents, 123456700);
  EXPECT_EQ(ReadTypedSum("1.234,565", ".").cents, 123457);
  EXPECT_EQ(ReadTypedSum("1\u00A0234", "").cents, 123400);  // a no-break space groups
  const std::pair<const char*, const char*> refused[] = {
      {"12abc", "abc"},  {"1,2,3", ",2,3"},     {"2e9", "e9"}, {"nan", "nan"},
      {"12, 50", " 50"}, {"1.234,5.6", ",5.6"}, {"-", "-"},    {"", ""}};
  for (const auto& [text, rest] : refused) {
    const TypedSum typed = ReadTypedSum(text, "");
    EXPECT_FALSE(typed.cents) << text;
    EXPECT_EQ(typed.not_understood, rest) << text;
  }
  // The refusal's message and detail are the command-line tests' own.
  EXPECT_EQ(CheckTypedSum("2.000.000.000", ".", "x").status.message(), kSumOutOfRange);
  // A typed sum rounds to the cent once, before it is checked.
  EXPECT_EQ(CheckTypedSum("0,004", "", "x").status.message(), "x");
  EXPECT_EQ(CheckTypedSum("1000000000,004", "", "x").sum, kLargestSum);
}

TEST(OneLineInformation, LineBreaksBecomeBlanks) {
  EXPECT_EQ(OneLineInformation("two\nlines"), "two lines");
  EXPECT_EQ(OneLineInformation("crlf\r\nend\r"), "crlf end ");
  EXPECT_EQ(OneLineInformation("a|b"), "a|b");
}

}  // namespace
}  // namespace kestrune::testing
