// What each folder's tree holds, and what a click on one of its nodes shows.
#include "shell/tree_content.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "shell/tree_rules.h"
#include "shell/view_decision.h"
#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

using charts::Statistic;
using Kind = ViewDecision::Kind;

constexpr NodeKind kCategory = NodeKind::Category, kItem = NodeKind::Item,
                   kPersons = NodeKind::Persons, kStatistics = NodeKind::Statistics;

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

// Each folder's nodes follow its own selection strings only; an empty catalogue shows the
// statistics roots alone.
TEST_F(TreeContentTest, EachFolderListsItsNodesWithItsSelectedNodeAndGoneNamesSelectNothing) {
  EXPECT_EQ(Tree(Folder::kCategories), "");
  EXPECT_EQ(Tree(Folder::kPersons), "");
  EXPECT_EQ(Tree(Folder::kStatistics),
            "Category's statistics/2+ Item's statistics/2+ Person's statistics/1+ "
            "Statistics by months/3");
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
            "Category's statistics/2+[Food/0[Budget and spending by months/3] "
            "Home/0[Budget and spending by months/3]] "
            "Item's statistics/2+[Food/0[Milk/4 Bread/4*] Home/0] "
            "Person's statistics/1+[Anna/1 Bob/1] Statistics by months/3");
  // A click on a category's budget chart selects it, and the tree opens the category on it.
  state.nodeKind = kStatistics;
  ApplyTreeSelection(state,
                     {"Budget and spending by months", kMonthsImage, "Home", kCategoryImage,
                      "Category's statistics"},
                     db);
  EXPECT_NE(Tree(Folder::kStatistics).find("Home/0+[Budget and spending by months/3*]"),
            std::string::npos);
  EXPECT_EQ(state.statisticView, StatisticView::Categories);
  state.selectedStatisticType = "Person's statistics";
  state.selectedStatisticMenu = "Anna";
  state.selectedStatisticMenuChild.clear();
  const std::string statistics = Tree(Folder::kStatistics);
  EXPECT_NE(statistics.find("[Anna/1* Bob/1]"), std::string::npos);
  EXPECT_EQ(std::count(statistics.begin(), statistics.end(), '*'), 1);
  // Names that no longer exist select nothing.
  state.selectedCategory = state.selectedPerson = "Gone";
  EXPECT_EQ(Tree(Folder::kCategories).find('*'), std::string::npos);
  EXPECT_EQ(Tree(Folder::kPersons).find('*'), std::string::npos);
  // A category really named "NULL" is selected like any other.
  Check(db.AddCategory("NULL", ""));
  state.selectedCategory = "NULL";
  state.selectedItem.clear();
  EXPECT_NE(Tree(Folder::kCategories).find("NULL/0*+"), std::string::npos);
}

ViewDecision Decide(NodeKind kind, int image, std::string text, std::string parent = "") {
  return DecideView(kind, ItemView::List, SelectedNode{image, std::move(text), std::move(parent)});
}

// Decides the view of every node of the folder's tree, as a click on it would.
void ExpectEveryNodeShown(const std::vector<TreeNode>& nodes, NodeKind kind,
                          const std::string& parent = "") {
  for (const TreeNode& node : nodes) {
    const ViewDecision decision = Decide(kind, node.image, node.text, parent);
    EXPECT_NE(decision.kind, Kind::kNothing) << node.text << " under " << parent;
    if (decision.kind == Kind::kChart && decision.pair != TogglePair::kNone) {
      EXPECT_NE(decision.StatisticFor(0), decision.StatisticFor(1)) << node.text;
    }
    ExpectEveryNodeShown(node.children, kind, node.text);
  }
}

// Whatever node a user clicks shows a page or a chart, and a chart with a toggle pair
// offers two different statistics.
TEST_F(TreeContentTest, EveryNodeOfTheTreesShowsAPageOrAChartAndNothingElseDoes) {
  Fill();
  ExpectEveryNodeShown(TreeContent(Folder::kPersons, db, state, true), kPersons);
  ExpectEveryNodeShown(TreeContent(Folder::kStatistics, db, state, true), kStatistics);
  // The same name means another statistic under another parent.
  EXPECT_NE(Decide(kStatistics, kCategoryImage, "Food", "Category's statistics").totals,
            Decide(kStatistics, kCategoryImage, "Food", "Item's statistics").totals);
  // Nodes no folder holds show nothing.
  EXPECT_EQ(DecideView(kStatistics, ItemView::List, std::nullopt).kind, Kind::kNothing);
  EXPECT_EQ(Decide(kPersons, kItemImage, "Bread").kind, Kind::kNothing);
  EXPECT_EQ(Decide(kStatistics, kStatisticsImage, "Something else").kind, Kind::kNothing);
  EXPECT_EQ(Decide(kStatistics, kCategoryImage, "Food", "Elsewhere").kind, Kind::kNothing);
}

TEST_F(TreeContentTest, PagesAndChartsOfUnknownNamesAreNotMade) {
  Fill();
  const ViewDecision categoryPage = DecideView(kCategory, ItemView::List, std::nullopt);
  const ViewDecision itemChart = DecideView(kItem, ItemView::Persons, std::nullopt);
  EXPECT_FALSE(SelectionKnown(categoryPage, state, db));  // nothing selected
  state.selectedCategory = "Food";
  EXPECT_TRUE(SelectionKnown(categoryPage, state, db));
  EXPECT_FALSE(SelectionKnown(itemChart, state, db));
  // An item really named "NULL" is a name like any other.
  Check(db.AddItemToCategory("Food", "NULL", ""));
  state.selectedItem = "NULL";
  EXPECT_TRUE(SelectionKnown(itemChart, state, db));
  state.selectedPerson = "for all";
  EXPECT_FALSE(SelectionKnown(Decide(kPersons, kPersonImage, "x"), state, db));
  EXPECT_FALSE(SelectionKnown(Decide(kStatistics, kItemImage, "Bread", "Food"), state, db));
  EXPECT_TRUE(SelectionKnown(Decide(kStatistics, kMonthsImage, "Statistics by months"), state, db));
  // Checking reads no file, so nothing was created for the unknown names.
  EXPECT_FALSE(Exists("items/ .txt"));
}

// The request's names, month, style and months shown, "|"-separated; "none" without one.
std::string Described(const std::optional<charts::StatisticsRequest>& r) {
  if (!r) return "none";
  return r->category + "|" + r->item + "|" + r->person + "|" + r->month_key + "|" +
         std::to_string(static_cast<int>(r->style)) + "|" +
         (r->months_shown ? std::to_string(*r->months_shown) : "all");
}

TEST_F(TreeContentTest, AStatisticsRequestReadsTheSelectionAndSettingsOfItsNode) {
  Fill();  // the months 2024 May and 2024 March, newest first
  state.selectedCategory = "Food";
  state.selectedItem = "Bread";
  state.selectedPerson = "Anna";
  state.selectedPersonMenuChild = "2024 March";
  state.selectedStatisticMenu = "Home";
  state.selectedStatisticMenuChild = "Lamp";
  state.totalsChart = charts::ChartStyle::kBar3d;
  state.monthsChart = charts::ChartStyle::kLine;
  auto request = [&](Statistic statistic, int position = 1) {
    return Described(StatisticsRequestFor(statistic, state, db, position));
  };
  EXPECT_EQ(request(Statistic::kItemPersons), "Food|Bread||2024 March|2|all");
  EXPECT_EQ(request(Statistic::kHouseholdItemPersons, 0), "Home|Lamp||2024 May|2|all");
  EXPECT_EQ(request(Statistic::kCategoryItems, 2), "Home|||all months|2|all");
  EXPECT_EQ(request(Statistic::kHouseholdPersonCategories, -1), "||Home|all months|2|all");
  EXPECT_EQ(request(Statistic::kPersonItems), "2024 March||Anna|2024 March|2|all");
  state.monthFilter = MonthFilter::AllMonths;
  state.showAllMonths = false;
  state.monthsShown = 2;
  EXPECT_EQ(request(Statistic::kPersons), "|||all months|2|2");
  EXPECT_EQ(request(Statistic::kPersonCategoriesInMonth, 0), "||Anna|2024 March|2|2");
  EXPECT_EQ(request(Statistic::kCategoriesByMonths), "|||all months|4|2");
  state.monthsChart = charts::ChartStyle::kPie;  // a totals style suits no months chart
  EXPECT_EQ(request(Statistic::kCategoriesByMonths), "none");
  // The budget chart is drawn in bars whatever style the other charts take.
  EXPECT_EQ(request(Statistic::kBudgetByMonths), "Home|||all months|0|2");
}

}  // namespace
}  // namespace kestrune
