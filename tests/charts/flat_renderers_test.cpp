// Bar chart, line graph and stacked bar chart, drawn on layouts worked out by hand.
#include <gtest/gtest.h>

#include "chart_test_support.h"
#include "charts/graph_type.h"

namespace kestrune::charts {
namespace {

using testing::Calls;
using testing::GraphCalls;
using testing::SeriesOf;

// Client 678 x 370 with the default scale 0..100: plot left 68, bottom 300, height 260,
// width 600, so k = (260 - 10) / 100 = 2.5 pixels per unit.
constexpr Size kClient{678, 370};

Calls Bar(const std::string& colour, const std::string& rect) {
  return {"brush " + colour, rect, "restore-brush"};
}

Calls Join(std::initializer_list<Calls> parts) {
  Calls out;
  for (const Calls& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

// One series of seven categories: a single cluster centred in the plot, each bar
// truncate(600 * 0.6 / 7) = 51 wide, the cluster 357 wide around x = 368.
TEST(BarChart, OneSeriesDrawsOneCentredClusterOfBars) {
  ChartCtrl chart(kBarChart);
  chart.AddSeries(SeriesOf("all months", {50, 0, 100, -5, 120, 30, 1}));
  chart.AddStandardColours(7);
  const Calls expected = Join({
      Bar("#00c000", "rect 190 175 241 300"),  // 50 * 2.5 = 125 tall
      Bar("#00c0c0", "rect 241 300 292 300"),  // 0: no height
      Bar("#c7b1ff", "rect 292 50 343 300"),   // 100: 250 tall
      // -5 is skipped
      Bar("#ffff00", "rect 394 40 445 300"),   // 120 would be 300: limited to the plot
      Bar("#ff3399", "rect 445 225 496 300"),  // 30: 75 tall
      Bar("#9900cc", "rect 496 298 547 300"),  // 1: truncate(2.5) = 2 tall
  });
  EXPECT_EQ(GraphCalls(chart, kClient), expected);
}

// Base line at mid-height (300 - 130 = 170): bars rise or hang from it, at most half the
// plot height (130) either way. Width 683 gives plot width 605 and bars
// truncate(605 * 0.6 / 4) = 90 wide around x = 371.
TEST(BarChart, NegativeFirstValueHangsBarsBelowTheMidHeightBaseLine) {
  ChartCtrl chart(kBarChart);
  chart.AddSeries(SeriesOf("all months", {-40, 30, 200, -100}));
  chart.AddStandardColours(4);
  const Calls expected = Join({
      Bar("#00c000", "rect 191 170 281 270"),  // -40: 100 below
      Bar("#00c0c0", "rect 281 95 371 170"),   // 30: 75 above
      Bar("#c7b1ff", "rect 371 40 461 170"),   // 200: limited to 130 above
      Bar("#ff9933", "rect 461 170 551 300"),  // -100: limited to 130 below
  });
  EXPECT_EQ(GraphCalls(chart, Size{683, 370}), expected);
}

TEST(BarChart, WithoutSeriesOrCategoriesDrawsNothing) {
  ChartCtrl empty(kBarChart);
  EXPECT_TRUE(GraphCalls(empty, kClient).empty());
  ChartCtrl no_points(kBarChart);
  no_points.AddSeries(ChartSeries("No data"));
  EXPECT_TRUE(GraphCalls(no_points, kClient).empty());
}

// Two series: group width 300, markers at x = 218 and 518.
TEST(LineGraph, DrawsALinePerCategoryWithMarkersThatCoverItsEnds) {
  ChartCtrl chart(kLineGraph);
  chart.AddSeries(SeriesOf("2004 May", {0, 20, -3}));
  chart.AddSeries(SeriesOf("2004 April", {40, -3, 130}));
  chart.AddStandardColours(3);
  const Calls expected = {
      // Category 0: a value of 0 still gets its marker on the base line.
      "brush #00c000", "ellipse 215 297 221 303", "restore-brush", "brush #00c000", "pen #00c000 1",
      "line 220 299 515 199", "restore-pen", "ellipse 515 197 521 203", "restore-brush",
      // Category 1: the negative second value is skipped.
      "brush #00c0c0", "ellipse 215 247 221 253", "restore-brush",
      // Category 2: 130 * 2.5 = 325 lies below the plot bottom (300), so it is drawn at
      // truncate(100 * 2.5) + 5 = 255; with the first value skipped there is no line.
      "brush #c7b1ff", "ellipse 515 42 521 48", "restore-brush"};
  EXPECT_EQ(GraphCalls(chart, kClient), expected);
}

// Width 683: plot width 605, two groups of 302, stacks truncate(302 * 0.6) = 181 wide
// centred at 219 and 521.
TEST(StackedBarChart, StacksCategoriesFromTheBaseLineUpwards) {
  ChartCtrl chart(kStackedBarChart);
  chart.AddSeries(SeriesOf("2004 May", {40, 0, 200}));
  chart.AddSeries(SeriesOf("2004 April", {10, -4, 20}));
  chart.AddStandardColours(3);
  const Calls expected = Join({
      Bar("#00c000", "rect 129 200 310 300"),
      Bar("#00c0c0", "rect 129 200 310 200"),
      // 200 would be 500 tall: the segment is limited to the plot height, the stack is
      // not.
      Bar("#c7b1ff", "rect 129 -60 310 200"),
      Bar("#00c000", "rect 431 275 612 300"),
      Bar("#c7b1ff", "rect 431 225 612 275"),
  });
  EXPECT_EQ(GraphCalls(chart, Size{683, 370}), expected);
}

}  // namespace
}  // namespace kestrune::charts
