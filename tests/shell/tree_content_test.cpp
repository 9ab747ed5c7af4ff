#include "shell/tree_content.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

// A node as "text/image", its children in brackets, "*" when selected, "+" when expanded.
std::string Outline(const std::vector<TreeNode>& nodes) {
  std::string text;
  for (const TreeNode& node : nodes) {
    if (!text.empty()) text += " ";
    text += node.text + "/" + std::to_string(node.image);
    if (node.selected) text += "*";
    if (node.expanded) text += "+";
    if (!node.children.empty()) text += "[" + Outline(node.children) + "]";
  }
  return text;
}

class TreeContentTest : public testing::FormsTest {
 protected:
  void Fill() {
    Check(db.AddPerson("Bob", ""));
    AddBread();
    Check(db.AddCategory("Home", ""));
    Check(db.AddItemToCategory("Food", "Milk", ""));
    Check(db.AddMonth("2024 March"));
    Check(db.AddMonth("2024 May"));
  }
  std::string Tree(Folder folder, bool tree_filled = true) {
    return Outline(TreeContent(folder, db, state, tree_filled));
  }
};

TEST_F(TreeContentTest, AnEmptyCatalogueShowsTheStatisticsRootsAndGoneNamesSelectNothing) {
  EXPECT_EQ(Tree(Folder::kCategories), "");
  EXPECT_EQ(Tree(Folder::kPersons), "");
  EXPECT_EQ(Tree(Folder::kStatistics),
            "Category's statistics/2+ Item's statistics/2+ Person's statistics/1+ "
            "Statistics by months/3");
  EXPECT_TRUE(FolderEntries(Folder::kPersons, db).empty());
  // Names that no longer exist select nothing.
  Fill();
  state.selectedCategory = state.selectedPerson = "Gone";
  EXPECT_EQ(Tree(Folder::kCategories).find('*'), std::string::npos);
  EXPECT_EQ(Tree(Folder::kPersons).find('*'), std::string::npos);
  // A category really named "NULL" is selected like any other.
  Check(db.AddCategory("NULL", ""));
  state.selectedCategory = "NULL";
  EXPECT_NE(Tree(Folder::kCategories).find("NULL/0*+"), std::string::npos);
}

// Each folder's nodes follow its own selection strings only.
TEST_F(TreeContentTest, EachFolderListsItsNodesWithItsSelectedNode) {
  Fill();
  state.selectedCategory = "Food";
  EXPECT_EQ(Tree(Folder::kCategories), "Food/0*+[Milk/4 Bread/4] Home/0+");
  state.selectedItem = "Milk";
  EXPECT_EQ(Tree(Folder::kCategories), "Food/0+[Milk/4* Bread/4] Home/0+");
  // Before the view has been shown, no item node is selected.
  EXPECT_EQ(Tree(Folder::kCategories, false), "Food/0+[Milk/4 Bread/4] Home/0+");
  // Persons in name order, with their statistics nodes.
  state.selectedPerson = "Bob";
  state.selectedPersonMenu = "Statistics by months";
  state.selectedPersonMenuChild = "2024 March";
  EXPECT_EQ(Tree(Folder::kPersons),
            "Anna/1[Category's statistics/2 Item's statistics/2+[Food/0 Home/0] "
            "Statistics by months/3+[2024 May/3 2024 March/3]] "
            "Bob/1+[Category's statistics/2 Item's statistics/2+[Food/0 Home/0] "
            "Statistics by months/3+[2024 May/3 2024 March/3*]]");
  state.selectedPersonMenu.clear();
  EXPECT_EQ(TreeContent(Folder::kPersons, db, state, true)[1].selected, true);
  EXPECT_EQ(FolderEntries(Folder::kPersons, db)[0].text, "Anna");  // the folder bar's order
  // The Statistics folder: categories, their items and persons.
  state.selectedStatisticType = "Item's statistics";
  state.selectedStatisticMenu = "Food";
  state.selectedStatisticMenuChild = "Bread";
  EXPECT_EQ(Tree(Folder::kStatistics),
            "Category's statistics/2+[Food/0 Home/0] "
            "Item's statistics/2+[Food/0[Milk/4 Bread/4*] Home/0] "
            "Person's statistics/1+[Anna/1 Bob/1] Statistics by months/3");
  state.selectedStatisticType = "Person's statistics";
  state.selectedStatisticMenu = "Anna";
  state.selectedStatisticMenuChild.clear();
  const std::string statistics = Tree(Folder::kStatistics);
  EXPECT_NE(statistics.find("[Anna/1* Bob/1]"), std::string::npos);
  EXPECT_EQ(std::count(statistics.begin(), statistics.end(), '*'), 1);
}

}  // namespace
}  // namespace kestrune
