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

void ExpectPage(const ViewDecision& decision, PageKind page) {
  EXPECT_EQ(decision.kind, Kind::kPage);
  EXPECT_EQ(decision.page, page);
}

void ExpectChart(const ViewDecision& decision, TogglePair pair, Statistic totals,
                 Statistic by_months) {
  ASSERT_EQ(decision.kind, Kind::kChart);
  EXPECT_EQ(decision.pair, pair);
  EXPECT_EQ(decision.StatisticFor(1), totals);
  EXPECT_EQ(decision.StatisticFor(0), by_months);
}

TEST(DecideView, CategoriesFolder) {
  ExpectPage(DecideView(1, 1, std::nullopt), PageKind::kCategory);
  ExpectPage(DecideView(2, 1, std::nullopt), PageKind::kItem);
  ExpectChart(DecideView(2, 2, std::nullopt), TogglePair::kA, Statistic::kItemPersons,
              Statistic::kItemPersonsByMonths);
  ExpectChart(DecideView(2, 3, std::nullopt), TogglePair::kNone, Statistic::kItemByMonths,
              Statistic::kItemByMonths);
  EXPECT_EQ(DecideView(2, 4, std::nullopt).kind, Kind::kNothing);
}

TEST(DecideView, PersonsFolder) {
  ExpectPage(Decide(3, kPersonImage, "Anna"), PageKind::kPerson);
  ExpectChart(Decide(3, kStatisticsImage, "Category's statistics", "Anna"), TogglePair::kB,
              Statistic::kPersonCategories, Statistic::kPersonCategoriesByMonths);
  ExpectPage(Decide(3, kStatisticsImage, "Item's statistics", "Anna"), PageKind::kPersonItems);
  ExpectChart(Decide(3, kCategoryImage, "Food", "Item's statistics"), TogglePair::kC,
              Statistic::kPersonItems, Statistic::kPersonItemsByMonths);
  ExpectChart(Decide(3, kMonthsImage, "Statistics by months", "Anna"), TogglePair::kNone,
              Statistic::kPersonCategoriesByMonths, Statistic::kPersonCategoriesByMonths);
  ExpectChart(Decide(3, kMonthsImage, "2024 March", "Statistics by months"), TogglePair::kNone,
              Statistic::kPersonCategoriesInMonth, Statistic::kPersonCategoriesInMonth);
  EXPECT_EQ(Decide(3, kItemImage, "Bread").kind, Kind::kNothing);
  EXPECT_EQ(DecideView(3, 1, std::nullopt).kind, Kind::kNothing);
}

TEST(DecideView, StatisticsFolder) {
  ExpectChart(Decide(4, kStatisticsImage, "Category's statistics"), TogglePair::kB,
              Statistic::kCategories, Statistic::kCategoriesByMonths);
  ExpectPage(Decide(4, kStatisticsImage, "Item's statistics"), PageKind::kItemStatistics);
  ExpectChart(Decide(4, kPersonImage, "Person's statistics"), TogglePair::kA, Statistic::kPersons,
              Statistic::kPersonsByMonths);
  ExpectChart(Decide(4, kMonthsImage, "Statistics by months"), TogglePair::kNone,
              Statistic::kMonths, Statistic::kMonths);
  ExpectChart(Decide(4, kCategoryImage, "Food", "Category's statistics"), TogglePair::kC,
              Statistic::kCategoryItems, Statistic::kCategoryItemsByMonths);
  ExpectChart(Decide(4, kCategoryImage, "Food", "Item's statistics"), TogglePair::kC,
              Statistic::kCategoryPersons, Statistic::kCategoryPersonsByMonths);
  ExpectChart(Decide(4, kItemImage, "Bread", "Food"), TogglePair::kA,
              Statistic::kHouseholdItemPersons, Statistic::kHouseholdItemPersonsByMonths);
  ExpectChart(Decide(4, kPersonImage, "Anna", "Person's statistics"), TogglePair::kB,
              Statistic::kHouseholdPersonCategories, Statistic::kHouseholdPersonCategoriesByMonths);
}

TEST(DecideView, NoRowApplies) {
  EXPECT_EQ(DecideView(4, 1, std::nullopt).kind, Kind::kNothing);
  EXPECT_EQ(Decide(4, kStatisticsImage, "Something else").kind, Kind::kNothing);
  EXPECT_EQ(Decide(4, kCategoryImage, "Food", "Elsewhere").kind, Kind::kNothing);
  EXPECT_EQ(Decide(4, kSpareImage, "x").kind, Kind::kNothing);
  EXPECT_EQ(Decide(0, kCategoryImage, "Food").kind, Kind::kNothing);
}

using SelectionKnownTest = testing::FormsTest;

TEST_F(SelectionKnownTest, PagesAndChartsOfUnknownNamesAreNotMade) {
  AddBread();
  state.SelectedCat = "NULL";
  state.SelectedItem = "NULL";
  EXPECT_FALSE(SelectionKnown(DecideView(1, 1, std::nullopt), state, db));
  state.SelectedCat = "Food";
  EXPECT_TRUE(SelectionKnown(DecideView(1, 1, std::nullopt), state, db));
  EXPECT_FALSE(SelectionKnown(DecideView(2, 2, std::nullopt), state, db));
  state.SelectedItem = "Bread";
  EXPECT_TRUE(SelectionKnown(DecideView(2, 2, std::nullopt), state, db));
  state.SelectedPerson = "for all";
  EXPECT_FALSE(SelectionKnown(Decide(3, kPersonImage, "x"), state, db));
  state.SelectedStatisticMenu = "";
  state.SelectedStatisticMenuChild = "";
  EXPECT_FALSE(SelectionKnown(Decide(4, kItemImage, "Bread", "Food"), state, db));
  EXPECT_TRUE(SelectionKnown(Decide(4, kMonthsImage, "Statistics by months"), state, db));
  // Checking reads no file, so nothing was created for the unknown names.
  EXPECT_FALSE(Exists("categories/NULL.txt"));
  EXPECT_FALSE(Exists("items/ .txt"));
}

}  // namespace
}  // namespace kestrune
