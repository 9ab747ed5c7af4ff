#include "shell/tree_rules.h"

#include <gtest/gtest.h>

#include "shell/tree_content.h"
#include "tests/support/database_fixture.h"

namespace kestrune {
namespace {

NodeInfo Node(std::string text, int image, std::string parent = "", int parent_image = -1,
              std::string grandparent = "") {
  return NodeInfo{std::move(text), image, std::move(parent), parent_image, std::move(grandparent)};
}

ViewState StateOfKind(int kind) {
  ViewState state;
  state.NodeKind = kind;
  state.SelectedCat = state.SelectedItem = "old";
  state.SelectedPerson = state.SelectedPersonMenu = state.SelectedPersonMenuChild = "old";
  state.SelectedStatisticType = state.SelectedStatisticMenu = "old";
  state.SelectedStatisticMenuChild = "old";
  return state;
}

struct Triple {
  std::string first, second, third;
  bool operator==(const Triple&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Triple& t) {
  return out << "(" << t.first << ", " << t.second << ", " << t.third << ")";
}
Triple PersonStrings(const ViewState& s) {
  return {s.SelectedPerson, s.SelectedPersonMenu, s.SelectedPersonMenuChild};
}
Triple StatisticStrings(const ViewState& s) {
  return {s.SelectedStatisticType, s.SelectedStatisticMenu, s.SelectedStatisticMenuChild};
}

TEST(StoreTreeSelection, CategoriesFolderRecordsCategoryOrItemWithItsCategory) {
  for (int kind : {1, 2}) {
    ViewState state = StateOfKind(kind);
    StoreTreeSelection(state, Node("Food", kCategoryImage));
    EXPECT_EQ(state.SelectedCat, "Food");
    EXPECT_EQ(state.SelectedItem, "NULL");
    StoreTreeSelection(state, Node("Bread", kItemImage, "Bakery", kCategoryImage));
    EXPECT_EQ(state.SelectedCat, "Bakery");
    EXPECT_EQ(state.SelectedItem, "Bread");
    EXPECT_EQ(state.SelectedPerson, "old");  // other folders' strings stay
  }
}

TEST(StoreTreeSelection, PersonsFolderRecordsPersonMenuAndChild) {
  ViewState state = StateOfKind(3);
  StoreTreeSelection(state, Node("Anna", kPersonImage));
  EXPECT_EQ(PersonStrings(state), (Triple{"Anna", "NULL", "NULL"}));

  StoreTreeSelection(state, Node("Category's statistics", kStatisticsImage, "Bob", kPersonImage));
  EXPECT_EQ(PersonStrings(state), (Triple{"Bob", "Category's statistics", "NULL"}));

  StoreTreeSelection(state, Node("Item's statistics", kStatisticsImage, "Anna", kPersonImage));
  EXPECT_EQ(PersonStrings(state), (Triple{"Anna", "Item's statistics", "NULL"}));

  StoreTreeSelection(state,
                     Node("Food", kCategoryImage, "Item's statistics", kStatisticsImage, "Bob"));
  EXPECT_EQ(PersonStrings(state), (Triple{"Bob", "Item's statistics", "Food"}));

  StoreTreeSelection(state, Node("Statistics by months", kMonthsImage, "Anna", kPersonImage));
  EXPECT_EQ(PersonStrings(state), (Triple{"Anna", "Statistics by months", "NULL"}));

  StoreTreeSelection(state,
                     Node("2024 March", kMonthsImage, "Statistics by months", kMonthsImage, "Bob"));
  EXPECT_EQ(PersonStrings(state), (Triple{"Bob", "Statistics by months", "2024 March"}));
  EXPECT_EQ(state.SelectedCat, "old");
}

TEST(StoreTreeSelection, PersonsFolderIgnoresOtherImages) {
  ViewState state = StateOfKind(3);
  StoreTreeSelection(state, Node("Bread", kItemImage, "Food", kCategoryImage));
  StoreTreeSelection(state, Node("x", kSpareImage));
  EXPECT_EQ(PersonStrings(state), (Triple{"old", "old", "old"}));
}

TEST(StoreTreeSelection, StatisticsFolderRecordsTypeMenuAndChild) {
  ViewState state = StateOfKind(4);
  StoreTreeSelection(state, Node("Item's statistics", kStatisticsImage));
  EXPECT_EQ(StatisticStrings(state), (Triple{"Item's statistics", "NULL", "NULL"}));

  StoreTreeSelection(state,
                     Node("Food", kCategoryImage, "Category's statistics", kStatisticsImage));
  EXPECT_EQ(StatisticStrings(state), (Triple{"Category's statistics", "Food", "NULL"}));

  StoreTreeSelection(state, Node("Bread", kItemImage, "Food", kCategoryImage, "Item's statistics"));
  EXPECT_EQ(StatisticStrings(state), (Triple{"Item's statistics", "Food", "Bread"}));

  StoreTreeSelection(state, Node("Person's statistics", kPersonImage));
  EXPECT_EQ(StatisticStrings(state), (Triple{"Person's statistics", "NULL", "NULL"}));

  StoreTreeSelection(state, Node("Anna", kPersonImage, "Person's statistics", kPersonImage));
  EXPECT_EQ(StatisticStrings(state), (Triple{"Person's statistics", "Anna", "NULL"}));

  StoreTreeSelection(state, Node("Statistics by months", kMonthsImage));
  EXPECT_EQ(StatisticStrings(state), (Triple{"Statistics by months", "NULL", "NULL"}));

  StoreTreeSelection(state, Node("2024 May", kMonthsImage, "Somewhere", kMonthsImage));
  EXPECT_EQ(StatisticStrings(state), (Triple{"Somewhere", "2024 May", "NULL"}));
  EXPECT_EQ(PersonStrings(state), (Triple{"old", "old", "old"}));
}

TEST(StoreTreeSelection, UnknownNodeKindChangesNothing) {
  ViewState state = StateOfKind(7);
  StoreTreeSelection(state, Node("Food", kCategoryImage));
  EXPECT_EQ(state.SelectedCat, "old");
}

TEST(SetStatisticView, ChangesOnlyInTheStatisticsFolder) {
  ViewState state = StateOfKind(4);
  SetStatisticView(state, "ITEM");
  EXPECT_EQ(state.StatisticView, 2);
  SetStatisticView(state, "MONTHS");
  EXPECT_EQ(state.StatisticView, 4);
  SetStatisticView(state, "PERSON");
  EXPECT_EQ(state.StatisticView, 3);
  SetStatisticView(state, "CAT");
  EXPECT_EQ(state.StatisticView, 1);
  SetStatisticView(state, "ITEMS");  // the settings word is not a key here
  EXPECT_EQ(state.StatisticView, 1);
  for (int kind : {1, 2, 3}) {
    ViewState other = StateOfKind(kind);
    SetStatisticView(other, "MONTHS");
    EXPECT_EQ(other.StatisticView, 1) << kind;
  }
}

class ApplyTreeSelectionTest : public testing::DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Load();
    ASSERT_TRUE(db.AddPerson("Anna", "").ok());
    ASSERT_TRUE(db.AddCategory("Food", "").ok());
  }
};

TEST_F(ApplyTreeSelectionTest, ItemUnderItemStatisticsChecksItemStatisticsInStatisticsFolder) {
  ViewState state = StateOfKind(4);
  ApplyTreeSelection(state, Node("Bread", kItemImage, "Food", kCategoryImage, "Item's statistics"),
                     db);
  EXPECT_EQ(state.StatisticView, 2);
  ApplyTreeSelection(state, Node("Statistics by months", kMonthsImage), db);
  EXPECT_EQ(state.StatisticView, 4);
  ApplyTreeSelection(state, Node("Anna", kPersonImage, "Person's statistics", kPersonImage), db);
  EXPECT_EQ(state.StatisticView, 3);
}

TEST_F(ApplyTreeSelectionTest, SameTextsInThePersonsFolderLeaveStatisticViewAlone) {
  ViewState state = StateOfKind(3);
  state.StatisticView = 1;
  ApplyTreeSelection(
      state, Node("Food", kCategoryImage, "Item's statistics", kStatisticsImage, "Anna"), db);
  EXPECT_EQ(state.StatisticView, 1);
  EXPECT_EQ(PersonStrings(state), (Triple{"Anna", "Item's statistics", "Food"}));
}

TEST_F(ApplyTreeSelectionTest, ItemAndCategoryNodesSwitchTheItemToolbar) {
  ViewState state = StateOfKind(1);
  SelectionEffects effects =
      ApplyTreeSelection(state, Node("Bread", kItemImage, "Food", kCategoryImage), db);
  EXPECT_TRUE(effects.node_kind_changed);
  EXPECT_EQ(state.NodeKind, 2);
  EXPECT_EQ(state.SelectedItem, "Bread");
  effects = ApplyTreeSelection(state, Node("Milk", kItemImage, "Food", kCategoryImage), db);
  EXPECT_FALSE(effects.node_kind_changed);
  effects = ApplyTreeSelection(state, Node("Food", kCategoryImage), db);
  EXPECT_TRUE(effects.node_kind_changed);
  EXPECT_EQ(state.NodeKind, 1);
  EXPECT_EQ(state.SelectedItem, "NULL");
}

TEST_F(ApplyTreeSelectionTest, SelectingAPersonFoldsThePersons) {
  ViewState state = StateOfKind(3);
  EXPECT_TRUE(ApplyTreeSelection(state, Node("Anna", kPersonImage), db).collapse_persons);
  EXPECT_FALSE(ApplyTreeSelection(state, Node("Item's statistics", kStatisticsImage, "Anna", 1), db)
                   .collapse_persons);
}

}  // namespace
}  // namespace kestrune
