// Draw: background, title, layout, legend, quadrant and the unknown graph type.
#include <gtest/gtest.h>

#include "chart_test_support.h"
#include "charts/graph_type.h"

namespace kestrune::charts {
namespace {

using testing::Calls;
using testing::DrawCalls;
using testing::SeriesOf;

TEST(ChartDraw, BeginsWithTheBackgroundAndAFittingTitle) {
  ChartCtrl chart(kLineGraph);
  chart.SetTitle("Statictics by months");  // 20 characters: 12 * 20 fits the area
  const Calls calls = DrawCalls(chart, Size{405, 300});
  // Width 405: the title starts at 202 + (9 - 10) * 7.
  const Calls expected = {"brush #ffffff",
                          "rect 0 0 405 300",
                          "restore-brush",
                          "font 24 0 700 \"Arial\"",
                          "text 195 7 \"Statictics by months\"",
                          "restore-font"};
  ASSERT_GE(calls.size(), expected.size());
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + 6), expected);
}

TEST(ChartDraw, LongTitleFontFallsInStepsOfTwoUntilItFits) {
  // Area width 400. 40 characters: 12*40, 11*40 too wide, 10*40 fits: size 20.
  ChartCtrl forty(kBarChart);
  forty.SetTitle(std::string(40, 'x'));
  Calls calls = DrawCalls(forty, Size{405, 300});
  EXPECT_EQ(calls[3], "font 20 0 700 \"Arial\"");
  EXPECT_EQ(calls[4], "text 125 7 \"" + std::string(40, 'x') + "\"");  // 202 - 11 * 7
  // 45 characters: 540, 495, 450, 405 too wide, 8*45 = 360 fits: size 16.
  ChartCtrl forty_five(kBarChart);
  forty_five.SetTitle(std::string(45, 'x'));
  calls = DrawCalls(forty_five, Size{405, 300});
  EXPECT_EQ(calls[3], "font 16 0 700 \"Arial\"");
  EXPECT_EQ(calls[4], "text 111 7 \"" + std::string(45, 'x') + "\"");  // 202 - 13 * 7
}

TEST(ChartDraw, TitleLongerThanTheAreaIsWideStopsAtSizeTwo) {
  ChartCtrl chart(kBarChart);
  chart.SetTitle(std::string(30, 'x'));
  const Calls calls = DrawCalls(chart, Size{25, 300});  // area width 20
  EXPECT_EQ(calls[3], "font 2 0 700 \"Arial\"");
}

TEST(ChartDraw, LayoutWithoutLabelsKeepsTheFullPlotWidth) {
  ChartCtrl chart(kBarChart);
  ASSERT_TRUE(chart.SetScale(0, 1000, 100));
  chart.AddSeries(SeriesOf("all months", {5}));
  const Calls calls = DrawCalls(chart, Size{800, 600});
  const ChartLayout& l = chart.layout();
  EXPECT_EQ(l.area_width, 795);
  EXPECT_EQ(l.area_height, 580);
  EXPECT_EQ(l.plot_left, 74);  // four digits at 6 pixels, plus 50
  EXPECT_EQ(l.plot_bottom, 530);
  EXPECT_EQ(l.plot_height, 490);
  EXPECT_EQ(l.plot_width, 716);
  for (const std::string& call : calls) EXPECT_EQ(call.find("Legend"), std::string::npos);
}

TEST(ChartDraw, PieLayoutUsesTheWholeArea) {
  ChartCtrl chart(kPieChart3d);
  DrawCalls(chart, Size{800, 600});
  const ChartLayout& l = chart.layout();
  EXPECT_EQ(l.plot_left, 5);
  EXPECT_EQ(l.plot_width, 785);
  EXPECT_EQ(l.plot_height, 530);
  EXPECT_EQ(l.plot_bottom, 575);
}

// Three categories and a spare fourth label, the longest: the legend lists three rows
// but is as wide as eight characters need.
TEST(ChartLegend, ListsOneRowPerCategoryInABoxSizedByTheLongestLabel) {
  ChartCtrl chart(kBarChart);
  chart.AddLabel(0, "Food");
  chart.AddLabel(1, "Rent");
  chart.AddLabel(2, "Gas");
  chart.AddLabel(9, "12345678");
  chart.AddSeries(SeriesOf("all months", {1, 2, 3}));
  chart.AddStandardColours(3);
  const Calls calls = DrawCalls(chart, Size{800, 600});
  // Right edge 790, height 18 * 3 + 26 = 80 from 290 - 40; text 8 * 7 wide; left 709.
  const Calls legend(calls.begin() + 6, calls.begin() + 6 + 20);
  const Calls expected = {"rect 709 250 790 330",
                          "font 16 0 700 \"Arial\"",
                          "text 728 253 \"Legend\"",
                          "restore-font",
                          "font 12 0 700 \"Arial\"",
                          "text 714 275 \"Food\"",
                          "restore-font",
                          "brush #00c000",
                          "rect 767 275 785 287",
                          "restore-brush",
                          "font 12 0 700 \"Arial\"",
                          "text 714 293 \"Rent\"",
                          "restore-font",
                          "brush #00c0c0",
                          "rect 767 293 785 305",
                          "restore-brush",
                          "font 12 0 700 \"Arial\"",
                          "text 714 311 \"Gas\"",
                          "restore-font",
                          "brush #c7b1ff"};
  EXPECT_EQ(legend, expected);
  EXPECT_EQ(calls[26], "rect 767 311 785 323");
  EXPECT_EQ(chart.legend_width(), 81);
  EXPECT_EQ(chart.layout().plot_width, 709 - 68 - 10);  // ends 10 pixels before the legend
}

// A 126-character name: the legend keeps to a quarter of the 795-pixel area and the name
// is cut to the 28 characters 198 pixels hold at 7 a character; "Gas" stays whole.
TEST(ChartLegend, ALongNameIsCutAndTheLegendKeepsToAQuarterOfTheWidth) {
  ChartCtrl chart(kBarChart);
  const std::string long_name = "Ä" + std::string(125, 'x');
  chart.AddLabel(0, long_name);
  chart.AddLabel(1, "Gas");
  chart.AddSeries(SeriesOf("all months", {1, 2}));
  chart.AddStandardColours(2);
  const Calls calls = DrawCalls(chart, Size{800, 600});
  EXPECT_EQ(chart.legend_width(), 198 + 25);
  EXPECT_EQ(chart.layout().plot_width, 790 - 223 - 68 - 10);
  const Calls rows = testing::Starting(calls, "text 572");
  EXPECT_EQ(rows,
            (Calls{"text 572 284 \"Ä" + std::string(24, 'x') + "...\"", "text 572 302 \"Gas\""}));
}

// A chart of nothing but zeros says so in its middle; one with a value does not.
TEST(ChartDraw, AChartWithoutValuesSaysSo) {
  ChartCtrl chart(kPieChart);
  chart.AddSeries(SeriesOf("all months", {0, 0}));
  EXPECT_FALSE(chart.HasValues());
  RecordingCanvas canvas(Size{400, 300}, testing::kMetrics);
  chart.DrawNoValuesNote(canvas);
  EXPECT_EQ(testing::Starting(canvas.calls(), "text "),
            Calls{"text 130 142 \"No purchases to show\""});
  chart.AddSeries(SeriesOf("2024 March", {0, 4}));
  EXPECT_TRUE(chart.HasValues());
}

TEST(ChartQuadrant, NegativeFirstValueOfABarChartMovesTheBaseLineToMidHeight) {
  ChartCtrl bars(kBarChart);
  bars.AddSeries(SeriesOf("a", {4}));
  bars.AddSeries(SeriesOf("b", {-1, 5}));
  DrawCalls(bars, Size{683, 370});
  EXPECT_EQ(bars.quadrant(), 3);
  EXPECT_EQ(bars.layout().plot_bottom, 300 - 130);

  ChartCtrl line(kLineGraph);  // other types keep quadrant 1
  line.AddSeries(SeriesOf("b", {-1, 5}));
  DrawCalls(line, Size{683, 370});
  EXPECT_EQ(line.quadrant(), 1);
  EXPECT_EQ(line.layout().plot_bottom, 300);

  ChartCtrl later(kBarChart);  // only first values count
  later.AddSeries(SeriesOf("c", {3, -7}));
  DrawCalls(later, Size{683, 370});
  EXPECT_EQ(later.quadrant(), 1);
}

TEST(ChartDraw, UnknownGraphTypeShowsAMessageAfterTheFrame) {
  ChartCtrl chart(99);
  chart.AddSeries(SeriesOf("all months", {5}));
  const Calls calls = DrawCalls(chart, Size{600, 400});
  EXPECT_EQ(calls.back(), "message \"No graph type to display\"");
  EXPECT_EQ(testing::Starting(calls, "message").size(), 1u);
  EXPECT_EQ(testing::Starting(calls, "text-colour").size(), 1u);  // the frame was drawn
  EXPECT_TRUE(testing::Starting(calls, "brush #00").empty());     // but no graph
}

}  // namespace
}  // namespace kestrune::charts
