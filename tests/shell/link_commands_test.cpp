#include "shell/link_commands.h"

#include <gtest/gtest.h>

#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

class LinkCommandsTest : public testing::FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    AddBread();
    BuyBread("05", "a", " 2.00");
    BuyBread("06", "b", " 3.00");
    state.selectedCategory = "Food";
    state.selectedItem = "Bread";
    state.selectedPerson = "Anna";
  }
};

// A No keeps everything; a Yes deletes exactly what the link names, and the last category
// and person leave an empty selection and "for all".
TEST_F(LinkCommandsTest, DeleteLinksAskFirstAndLeaveEmptyAndForAllAfterTheLast) {
  prompts.answers = {false, false, false};
  EXPECT_TRUE(LinkDeletePurchase(form, "2024|March|05|Anna|a| 2.00").refresh_views);
  EXPECT_TRUE(LinkDeleteItem(form).reselect_folder);  // the tree is refilled whatever the answer
  EXPECT_FALSE(LinkDeleteCategory(form).reselect_folder);
  EXPECT_EQ(state.selectedCategory + "/" + state.selectedItem, "Food/Bread");
  EXPECT_EQ(db.ItemMonthTotal("2024 March", "Food", "Bread").value, 500);

  EXPECT_TRUE(LinkDeletePurchase(form, "2024|March|05|Anna|a| 2.00").refresh_views);
  std::vector<PurchaseRecord> left;
  EXPECT_TRUE(db.ItemPurchases("all months", "Food", "Bread", left).ok());
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].information, "b");
  EXPECT_EQ(db.ItemMonthTotal("2024 March", "Food", "Bread").value, 300);
  EXPECT_TRUE(LinkDeleteItem(form).reselect_folder);
  EXPECT_EQ(state.selectedItem, "");
  EXPECT_FALSE(db.ItemExists("Food", "Bread"));
  const Afterwards category = LinkDeleteCategory(form);
  EXPECT_EQ(category.rebuild_folders, std::vector<Folder>{Folder::kCategories});
  EXPECT_EQ(state.selectedCategory, "");
  EXPECT_FALSE(Exists("categories/Food.txt"));
  const Afterwards person = LinkDeletePerson(form);
  EXPECT_TRUE(person.reselect_folder && person.refresh_views);
  EXPECT_EQ(state.selectedPerson, "for all");
  EXPECT_EQ(state.selectedPersonMenuChild, "");
}

}  // namespace
}  // namespace kestrune
