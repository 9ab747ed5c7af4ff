#include "shell/view_decision.h"

#include <gtest/gtest.h>

#include "shell/tree_content.h"
#include "tests/shell/shell_test_support.h"

namespace kestrune {
namespace {

using charts::Statistic;
using Kind = ViewDecision::Kind;

ViewDecision Decide(int kind, int image, std::string text, std::string parent = "") {
  return DecideView(kind, 1, SelectedNode{image, std::move(text), std::move(parent)});
}

void ExpectChart(const ViewDecision& decision, TogglePair pair, Statistic totals,
                 Statistic by_months) {
  ASSERT_EQ(decision.kind, Kind::kChart);
  EXPECT_EQ(decision.pair, pair);
  EXPECT_EQ(decision.StatisticFor(1), totals);
  EXPECT_EQ(decision.StatisticFor(0), by_months);
}

class ViewDecisionTest : public testing::FormsTest {
 protected:
  // Decides the view of every node of the folder's tree, as a click on it would.
  void ExpectEveryNodeShown(const std::vector<TreeNode>& nodes, int kind,
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
  ExpectEveryNodeShown(TreeContent(Folder::kPersons, db, state, true), 3);
  ExpectEveryNodeShown(TreeContent(Folder::kStatistics, db, state, true), 4);
  for (const auto& [kind, page] : {std::pair(1, PageKind::kCategory), {2, PageKind::kItem}}) {
    EXPECT_EQ(DecideView(kind, 1, std::nullopt).kind, Kind::kPage);
    EXPECT_EQ(DecideView(kind, 1, std::nullopt).page, page);
  }
  ExpectChart(DecideView(2, 2, std::nullopt), TogglePair::kA, Statistic::kItemPersons,
              Statistic::kItemPersonsByMonths);
  // The same name means another statistic under another parent.
  ExpectChart(Decide(4, kCategoryImage, "Food", "Category's statistics"), TogglePair::kC,
              Statistic::kCategoryItems, Statistic::kCategoryItemsByMonths);
  ExpectChart(Decide(4, kCategoryImage, "Food", "Item's statistics"), TogglePair::kC,
              Statistic::kCategoryPersons, Statistic::kCategoryPersonsByMonths);
  ExpectChart(Decide(3, kCategoryImage, "Food", "Item's statistics"), TogglePair::kC,
              Statistic::kPersonItems, Statistic::kPersonItemsByMonths);
  ExpectChart(Decide(4, kPersonImage, "Anna", "Person's statistics"), TogglePair::kB,
              Statistic::kHouseholdPersonCategories, Statistic::kHouseholdPersonCategoriesByMonths);
  // Nodes no folder holds show nothing.
  EXPECT_EQ(DecideView(2, 4, std::nullopt).kind, Kind::kNothing);
  EXPECT_EQ(DecideView(4, 1, std::nullopt).kind, Kind::kNothing);
  EXPECT_EQ(Decide(3, kItemImage, "Bread").kind, Kind::kNothing);
  EXPECT_EQ(Decide(4, kStatisticsImage, "Something else").kind, Kind::kNothing);
  EXPECT_EQ(Decide(4, kCategoryImage, "Food", "Elsewhere").kind, Kind::kNothing);
  EXPECT_EQ(Decide(4, kSpareImage, "x").kind, Kind::kNothing);
  EXPECT_EQ(Decide(0, kCategoryImage, "Food").kind, Kind::kNothing);
}

using SelectionKnownTest = testing::FormsTest;

TEST_F(SelectionKnownTest, PagesAndChartsOfUnknownNamesAreNotMade) {
  AddBread();
  state.selectedCategory = state.selectedItem = "NULL";
  EXPECT_FALSE(SelectionKnown(DecideView(1, 1, std::nullopt), state, db));
  state.selectedCategory = "Food";
  EXPECT_TRUE(SelectionKnown(DecideView(1, 1, std::nullopt), state, db));
  EXPECT_FALSE(SelectionKnown(DecideView(2, 2, std::nullopt), state, db));
  state.selectedItem = "Bread";
  EXPECT_TRUE(SelectionKnown(DecideView(2, 2, std::nullopt), state, db));
  state.selectedPerson = "for all";
  EXPECT_FALSE(SelectionKnown(Decide(3, kPersonImage, "x"), state, db));
  state.selectedStatisticMenu = state.selectedStatisticMenuChild = "";
  EXPECT_FALSE(SelectionKnown(Decide(4, kItemImage, "Bread", "Food"), state, db));
  EXPECT_TRUE(SelectionKnown(Decide(4, kMonthsImage, "Statistics by months"), state, db));
  // Checking reads no file, so nothing was created for the unknown names.
  EXPECT_FALSE(Exists("categories/NULL.txt"));
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
  state.totalsChart = 3;
  state.monthsChart = 1;
  auto request = [&](Statistic statistic, int position = 1) {
    return Described(StatisticsRequestFor(statistic, state, db, position));
  };
  EXPECT_EQ(request(Statistic::kItemPersons), "Food|Bread||2024 March|2|all");
  EXPECT_EQ(request(Statistic::kHouseholdItemPersons, 0), "Home|Lamp||2024 April|2|all");
  EXPECT_EQ(request(Statistic::kCategoryItems, 2), "Home|||all months|2|all");
  EXPECT_EQ(request(Statistic::kHouseholdPersonCategories, -1), "||Home|all months|2|all");
  EXPECT_EQ(request(Statistic::kPersonItems), "2024 March||Anna|2024 March|2|all");
  state.monthFilter = 1;
  state.showAllMonths = false;
  state.monthsShown = 2;
  EXPECT_EQ(request(Statistic::kPersons), "|||all months|2|2");
  EXPECT_EQ(request(Statistic::kPersonCategoriesInMonth, 0), "||Anna|2024 March|2|2");
  EXPECT_EQ(request(Statistic::kCategoriesByMonths), "|||all months|4|2");
  state.monthsChart = 5;
  EXPECT_EQ(request(Statistic::kCategoriesByMonths), "none");
  EXPECT_EQ(request(Statistic::kCategories), "|||all months|2|2");
  state.totalsChart = 0;
  EXPECT_EQ(request(Statistic::kMonths), "none");
}

}  // namespace
}  // namespace kestrune
