#include "shell/tree_content.h"

#include <gtest/gtest.h>

#include "tests/support/database_fixture.h"

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

class TreeContentTest : public testing::DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Load();
  }
  void Fill() {
    ASSERT_TRUE(db.AddCategory("Food", "").ok());
    ASSERT_TRUE(db.AddCategory("Home", "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Food", "Bread", "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Food", "Milk", "").ok());
    ASSERT_TRUE(db.AddPerson("Bob", "").ok());
    ASSERT_TRUE(db.AddPerson("Anna", "").ok());
    ASSERT_TRUE(db.AddMonth("2024 March").ok());
    ASSERT_TRUE(db.AddMonth("2024 May").ok());
  }
  std::string Tree(Folder folder, bool tree_filled = true) {
    return Outline(TreeContent(folder, db, state, tree_filled));
  }
  ViewState state;
};

TEST_F(TreeContentTest, EmptyCatalogueShowsOnlyTheFourStatisticsRoots) {
  EXPECT_EQ(Tree(Folder::kCategories), "");
  EXPECT_EQ(Tree(Folder::kPersons), "");
  EXPECT_EQ(Tree(Folder::kStatistics),
            "Category's statistics/2+ Item's statistics/2+ Person's statistics/1+ "
            "Statistics by months/3");
  EXPECT_TRUE(FolderEntries(Folder::kCategories, db).empty());
  EXPECT_TRUE(FolderEntries(Folder::kPersons, db).empty());
  EXPECT_EQ(FolderEntries(Folder::kStatistics, db).size(), 4u);
}

TEST_F(TreeContentTest, CategoriesWithTheirItemsAndTheSelectedNode) {
  Fill();
  state.SelectedCat = "Food";
  state.SelectedItem = "NULL";
  EXPECT_EQ(Tree(Folder::kCategories), "Food/0*+[Bread/4 Milk/4] Home/0+");
  state.SelectedItem = "Milk";
  EXPECT_EQ(Tree(Folder::kCategories), "Food/0+[Bread/4 Milk/4*] Home/0+");
  // Before the view has been shown, no item node is selected.
  EXPECT_EQ(Tree(Folder::kCategories, false), "Food/0+[Bread/4 Milk/4] Home/0+");
}

TEST_F(TreeContentTest, PersonsInNameOrderWithTheirStatisticsNodes) {
  Fill();
  state.SelectedPerson = "Bob";
  state.SelectedPersonMenu = "Statistics by months";
  state.SelectedPersonMenuChild = "2024 March";
  EXPECT_EQ(Tree(Folder::kPersons),
            "Anna/1[Category's statistics/2 Item's statistics/2+[Food/0 Home/0] "
            "Statistics by months/3+[2024 May/3 2024 March/3]] "
            "Bob/1+[Category's statistics/2 Item's statistics/2+[Food/0 Home/0] "
            "Statistics by months/3+[2024 May/3 2024 March/3*]]");
  state.SelectedPersonMenu = "Item's statistics";
  state.SelectedPersonMenuChild = "Home";
  EXPECT_EQ(Tree(Folder::kPersons),
            "Anna/1[Category's statistics/2 Item's statistics/2+[Food/0 Home/0] "
            "Statistics by months/3+[2024 May/3 2024 March/3]] "
            "Bob/1+[Category's statistics/2 Item's statistics/2+[Food/0 Home/0*] "
            "Statistics by months/3+[2024 May/3 2024 March/3]]");
  state.SelectedPersonMenu = "NULL";
  EXPECT_EQ(TreeContent(Folder::kPersons, db, state, true)[1].selected, true);
}

TEST_F(TreeContentTest, StatisticsFolderListsCategoriesItemsAndPersons) {
  Fill();
  state.SelectedStatisticType = "Item's statistics";
  state.SelectedStatisticMenu = "Food";
  state.SelectedStatisticMenuChild = "Bread";
  EXPECT_EQ(Tree(Folder::kStatistics),
            "Category's statistics/2+[Food/0 Home/0] "
            "Item's statistics/2+[Food/0[Bread/4* Milk/4] Home/0] "
            "Person's statistics/1+[Anna/1 Bob/1] Statistics by months/3");
  state.SelectedStatisticType = "Person's statistics";
  state.SelectedStatisticMenu = "Anna";
  state.SelectedStatisticMenuChild = "NULL";
  EXPECT_EQ(Tree(Folder::kStatistics),
            "Category's statistics/2+[Food/0 Home/0] "
            "Item's statistics/2+[Food/0[Bread/4 Milk/4] Home/0] "
            "Person's statistics/1+[Anna/1* Bob/1] Statistics by months/3");
}

TEST_F(TreeContentTest, NamesThatNoLongerExistSelectNothing) {
  Fill();
  state.SelectedCat = "Gone";
  state.SelectedItem = "NULL";
  state.SelectedPerson = "Gone";
  state.SelectedPersonMenu = "NULL";
  EXPECT_EQ(Tree(Folder::kCategories).find('*'), std::string::npos);
  EXPECT_EQ(Tree(Folder::kPersons).find('*'), std::string::npos);
}

TEST_F(TreeContentTest, FolderEntriesAreTheNamesInCatalogueOrder) {
  Fill();
  const std::vector<FolderEntry> persons = FolderEntries(Folder::kPersons, db);
  ASSERT_EQ(persons.size(), 2u);
  EXPECT_EQ(persons[0].text, "Anna");
  EXPECT_EQ(persons[0].image, kPersonImage);
  const std::vector<FolderEntry> statistics = FolderEntries(Folder::kStatistics, db);
  EXPECT_EQ(statistics[2].text, "Person's statistics");
  EXPECT_EQ(statistics[2].image, kPersonImage);
  EXPECT_EQ(FolderNamed("Persons"), Folder::kPersons);
  EXPECT_EQ(FolderNamed("persons"), std::nullopt);
}

}  // namespace
}  // namespace kestrune
