#include "shell/tree_rules.h"

#include <gtest/gtest.h>

#include "shell/tree_content.h"
#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

NodeInfo Node(std::string text, int image, std::string parent = "", int parent_image = -1,
              std::string grandparent = "") {
  return NodeInfo{std::move(text), image, std::move(parent), parent_image, std::move(grandparent)};
}

// Every selection string set to "old", so that a test sees which ones a selection changed.
ViewState StateOfKind(int kind) {
  ViewState state;
  state.nodeKind = kind;
  state.selectedCategory = state.selectedItem = "old";
  state.selectedPerson = state.selectedPersonMenu = state.selectedPersonMenuChild = "old";
  state.selectedStatisticType = state.selectedStatisticMenu = "old";
  state.selectedStatisticMenuChild = "old";
  return state;
}

// The three folders' selection strings, "-" for one left "old".
std::string Selection(const ViewState& s) {
  std::string text;
  for (const std::string* field :
       {&s.selectedCategory, &s.selectedItem, &s.selectedPerson, &s.selectedPersonMenu,
        &s.selectedPersonMenuChild, &s.selectedStatisticType, &s.selectedStatisticMenu,
        &s.selectedStatisticMenuChild}) {
    const bool folder_end = field == &s.selectedItem || field == &s.selectedPersonMenuChild;
    text += (*field == "old" ? "-" : *field) + (folder_end ? "|" : ",");
  }
  text.pop_back();
  return text;
}

TEST(StoreTreeSelection, EachFolderRecordsItsOwnStringsOnly) {
  const char* const kItemStats = "Item's statistics";
  const struct {
    int kind;
    NodeInfo node;
    std::string want;
  } cases[] = {
      {1, Node("Food", kCategoryImage), "Food,NULL|-,-,-|-,-,-"},
      {1, Node("Bread", kItemImage, "Bakery", kCategoryImage), "Bakery,Bread|-,-,-|-,-,-"},
      {3, Node("Anna", kPersonImage), "-,-|Anna,NULL,NULL|-,-,-"},
      {3, Node("Food", kCategoryImage, kItemStats, kStatisticsImage, "Bob"),
       "-,-|Bob,Item's statistics,Food|-,-,-"},
      {3, Node("2024 March", kMonthsImage, "Statistics by months", kMonthsImage, "Bob"),
       "-,-|Bob,Statistics by months,2024 March|-,-,-"},
      {3, Node("Bread", kItemImage, "Food", kCategoryImage), "-,-|-,-,-|-,-,-"},
      {3, Node("x", kSpareImage), "-,-|-,-,-|-,-,-"},
      {4, Node("Food", kCategoryImage, "Category's statistics", kStatisticsImage),
       "-,-|-,-,-|Category's statistics,Food,NULL"},
      {4, Node("Bread", kItemImage, "Food", kCategoryImage, kItemStats),
       "-,-|-,-,-|Item's statistics,Food,Bread"},
      {4, Node("Anna", kPersonImage, "Person's statistics", kPersonImage),
       "-,-|-,-,-|Person's statistics,Anna,NULL"},
      {4, Node("2024 May", kMonthsImage, "Somewhere", kMonthsImage),
       "-,-|-,-,-|Somewhere,2024 May,NULL"},
      {7, Node("Food", kCategoryImage), "-,-|-,-,-|-,-,-"},
  };
  for (const auto& c : cases) {
    ViewState state = StateOfKind(c.kind);
    StoreTreeSelection(state, c.node);
    EXPECT_EQ(Selection(state), c.want) << c.kind << " " << c.node.text;
  }
}

using ApplyTreeSelectionTest = testing::FormsTest;

// The statistics command to check follows the node's text or its parent's, in the
// Statistics folder only.
TEST_F(ApplyTreeSelectionTest, StatisticsNodesCheckTheirCommandInTheStatisticsFolder) {
  const struct {
    int kind;
    NodeInfo node;
    int want;
  } cases[] = {
      {4, Node("Food", kCategoryImage, "Category's statistics", kStatisticsImage), 1},
      {4, Node("Anna", kPersonImage, "Person's statistics", kPersonImage), 3},
      {4, Node("Statistics by months", kMonthsImage), 4},
      {3, Node("Food", kCategoryImage, "Item's statistics", kStatisticsImage, "Anna"), 0},
  };
  for (const auto& c : cases) {
    ViewState state = StateOfKind(c.kind);
    state.statisticView = 0;
    ApplyTreeSelection(state, c.node, db);
    EXPECT_EQ(state.statisticView, c.want) << c.kind << " " << c.node.text;
  }
}

}  // namespace
}  // namespace kestrune
