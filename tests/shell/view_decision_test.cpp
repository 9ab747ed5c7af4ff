#include "shell/view_decision.h"

#include <gtest/gtest.h>

#include "shell/tree_content.h"
#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

using charts::Statistic;
using Kind = ViewDecision::Kind;

constexpr NodeKind kCategory = NodeKind::Category, kItem = NodeKind::Item,
                   kPersons = NodeKind::Persons, kStatistics = NodeKind::Statistics;

ViewDecision Decide(NodeKind kind, int image, std::string text, std::string parent = "") {
  return DecideView(kind, ItemView::List, SelectedNode{image, std::move(text), std::move(parent)});
}

class ViewDecisionTest : public testing::FormsTest {
 protected:
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
};

// Whatever node a user clicks shows a page or a chart, and a chart with a toggle pair
// offers two different statistics.
TEST_F(ViewDecisionTest, EveryNodeOfTheTreesShowsAPageOrAChartAndNothingElseDoes) {
  AddBread();
  Check(db.AddCategory("Home", ""));
  Check(db.AddMonth("2024 March"));
  ExpectEveryNodeShown(TreeContent(Folder::kPersons, db, state, true), kPersons);
  ExpectEveryNodeShown(TreeContent(Folder::kStatistics, db, state, true), kStatistics);
  for (const auto& [kind, page] :
       {std::pair(kCategory, PageKind::kCategory), {kItem, PageKind::kItem}}) {
    EXPECT_EQ(DecideView(kind, ItemView::List, std::nullopt).page, page);
  }
  EXPECT_EQ(DecideView(kItem, ItemView::Persons, std::nullopt).pair, TogglePair::kA);
  // The same name means another statistic under another parent.
  EXPECT_NE(Decide(kStatistics, kCategoryImage, "Food", "Category's statistics").totals,
            Decide(kStatistics, kCategoryImage, "Food", "Item's statistics").totals);
  // Nodes no folder holds show nothing.
  EXPECT_EQ(DecideView(kStatistics, ItemView::List, std::nullopt).kind, Kind::kNothing);
  EXPECT_EQ(Decide(kPersons, kItemImage, "Bread").kind, Kind::kNothing);
  EXPECT_EQ(Decide(kStatistics, kStatisticsImage, "Something else").kind, Kind::kNothing);
  EXPECT_EQ(Decide(kStatistics, kCategoryImage, "Food", "Elsewhere").kind, Kind::kNothing);
}

using SelectionKnownTest = testing::FormsTest;

TEST_F(SelectionKnownTest, PagesAndChartsOfUnknownNamesAreNotMade) {
  AddBread();
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

TEST_F(SelectionKnownTest, AStatisticsRequestReadsTheSelectionAndSettingsOfItsNode) {
  Check(db.AddMonth("2024 March"));
  Check(db.AddMonth("2024 April"));
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
  EXPECT_EQ(request(Statistic::kHouseholdItemPersons, 0), "Home|Lamp||2024 April|2|all");
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
  EXPECT_EQ(request(Statistic::kCategories), "|||all months|2|2");
}

}  // namespace
}  // namespace kestrune
