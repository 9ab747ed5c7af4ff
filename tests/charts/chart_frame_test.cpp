// The frame: axes, axis titles, value scale and series captions, flat and with depth.
#include <gtest/gtest.h>

#include "chart_test_support.h"
#include "charts/graph_type.h"

namespace kestrune::charts {
namespace {

using testing::After;
using testing::Calls;
using testing::DrawCalls;
using testing::SeriesOf;
using testing::Starting;

// Client 600 x 320 with scale 0..10 by 1: plot left 6 * 2 + 50 = 62, bottom 250, height
// 210, width 528.
constexpr Size kClient{600, 320};

ChartCtrl FramedChart(int type, int maximum, int step) {
  ChartCtrl chart(type);
  EXPECT_TRUE(chart.SetScale(0, maximum, step));
  return chart;
}

TEST(FlatFrame, TenTicksTwentyPixelsApartOnA210PixelPlot) {
  ChartCtrl chart = FramedChart(kLineGraph, 10, 1);
  chart.AddSeries(ChartSeries("all months"));
  const Calls calls = After(DrawCalls(chart, kClient), "text-colour #000000");
  const Calls axes = {"pen #000000 2", "line 62 250 62 40", "line 62 250 590 250", "restore-pen"};
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + 4), axes);
  // (210 - 10) / 10 = 20: the first tick 20 above the base line, the base line unlabelled.
  EXPECT_EQ(
      Starting(calls, "line 59"),
      (Calls{"line 59 230 65 230", "line 59 210 65 210", "line 59 190 65 190", "line 59 170 65 170",
             "line 59 150 65 150", "line 59 130 65 130", "line 59 110 65 110", "line 59 90 65 90",
             "line 59 70 65 70", "line 59 50 65 50"}));
  const Calls first_label(calls.begin() + 5, calls.begin() + 8);
  EXPECT_EQ(first_label, (Calls{"font 12 0 700 \"Arial\"", "text 46 224 \"1\"", "restore-font"}));
  // One series: its tick and caption centred under the category axis (62 + 528 / 2).
  const Calls caption(calls.end() - 4, calls.end());
  EXPECT_EQ(caption, (Calls{"line 326 247 326 253", "font 12 0 700 \"Arial\"",
                            "text 286 258 \"all months\"", "restore-font"}));
  EXPECT_EQ(Starting(calls, "text 40"), Calls{"text 40 44 \"10\""});  // two digits further left
}

TEST(FlatFrame, ScaleTo220LabelsTheTicksInStepsOf22) {
  ChartCtrl chart = FramedChart(kStackedBarChart, 220, 22);  // three digits: plot left 68
  const Calls texts = Starting(After(DrawCalls(chart, kClient), "text-colour #000000"), "text");
  EXPECT_EQ(texts, (Calls{"text 46 224 \"22\"", "text 46 204 \"44\"", "text 46 184 \"66\"",
                          "text 46 164 \"88\"", "text 40 144 \"110\"", "text 40 124 \"132\"",
                          "text 40 104 \"154\"", "text 40 84 \"176\"", "text 40 64 \"198\"",
                          "text 40 44 \"220\""}));
}

TEST(FlatFrame, TwelveMonthCaptionsSitUnderTheirGroupsMiddles) {
  ChartCtrl chart(kLineGraph);  // plot left 68, width 522: groups of 43
  const char* months[] = {"2004 December", "2004 November", "2004 October",  "2004 September",
                          "2004 August",   "2004 July",     "2004 June",     "2004 May",
                          "2004 April",    "2004 March",    "2004 February", "2004 January"};
  for (const char* month : months) chart.AddSeries(ChartSeries(month));
  const Calls calls = DrawCalls(chart, kClient);
  EXPECT_EQ(Starting(calls, "line").size(), 2u + 10u + 12u);
  EXPECT_EQ(Starting(calls, "line 90 247"), Calls{"line 90 247 90 253"});     // 68 + 43 - 21
  EXPECT_EQ(Starting(calls, "line 563 247"), Calls{"line 563 247 563 253"});  // 68 + 12 * 43 - 21
  EXPECT_EQ(Starting(calls, "text 38 258"), Calls{"text 38 258 \"2004 December\""});
  EXPECT_EQ(Starting(calls, "text 515 258"), Calls{"text 515 258 \"2004 January\""});
}

TEST(FlatFrame, AxisTitlesRunUpTheValueAxisAndUnderThePlot) {
  ChartCtrl chart = FramedChart(kLineGraph, 10, 1);
  chart.SetYAxisTitle("Expenses");
  chart.SetXAxisTitle("Months");
  const Calls calls = After(DrawCalls(chart, kClient), "restore-pen");
  const Calls expected = {"font 16 900 700 \"Arial\"", "text 10 173 \"Expenses\"", "restore-font",
                          "font 16 0 700 \"Arial\"",   "text 305 289 \"Months\"",  "restore-font"};
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + 6), expected);
}

TEST(FlatFrame, TallAreaFitsTheAxisTitlesToTheXTitleAndWidth) {
  ChartCtrl chart(kLineGraph);
  chart.SetYAxisTitle("Expenses");
  chart.SetXAxisTitle(std::string(30, 'x'));  // area 200 wide: 8*30, 7*30 too wide, 6*30 fits
  const Calls fonts = Starting(DrawCalls(chart, Size{205, 500}), "font 12 ");
  ASSERT_GE(fonts.size(), 2u);
  EXPECT_EQ(fonts[0], "font 12 900 700 \"Arial\"");
  EXPECT_EQ(fonts[1], "font 12 0 700 \"Arial\"");
}

// Client 683 x 370: plot left 68, width 605, height 260; the bar chart's negative first
// value puts the base line at 170. Ticks 25 apart from 45 down.
TEST(FlatFrame, MidHeightBaseLineCountsDownFromTheTopAndMarksZero) {
  ChartCtrl chart(kBarChart);
  chart.AddSeries(SeriesOf("all months", {-40, 30}));
  const Calls calls = After(DrawCalls(chart, Size{683, 370}), "text-colour #000000");
  EXPECT_EQ(calls[1], "line 68 300 68 40");
  EXPECT_EQ(calls[2], "line 68 170 673 170");
  EXPECT_EQ(
      Starting(calls, "text"),
      (Calls{"text 40 39 \"100\"", "text 46 64 \"90\"", "text 46 89 \"80\"", "text 46 114 \"70\"",
             "text 46 139 \"60\"", "text 46 164 \"50\"", "text 52 164 \"0\"", "text 46 189 \"40\"",
             "text 46 214 \"30\"", "text 46 239 \"20\"", "text 46 264 \"10\"", "text 52 289 \"0\"",
             "text 331 308 \"all months\""}));
  EXPECT_EQ(Starting(calls, "line 371"), Calls{"line 371 167 371 173"});  // on the base line
}

// Client 600 x 310: a plot 200 tall gives depth 10; the plot shrinks to 518 x 190 with
// its left (62) and bottom (240) in place.
TEST(DepthFrame, DepthTenShrinksThePlotAndDrawsTheBox) {
  ChartCtrl chart = FramedChart(kBarChart3d, 10, 1);
  chart.AddSeries(ChartSeries("all months"));
  const Calls calls = After(DrawCalls(chart, Size{600, 310}), "text-colour #000000");
  EXPECT_EQ(chart.depth(), 10);
  EXPECT_EQ(chart.layout().plot_width, 518);
  EXPECT_EQ(chart.layout().plot_height, 190);
  const Calls box = {"line 72 230 72 40",    "line 72 230 590 230", "line 62 242 62 50",
                     "line 60 240 580 240",  "line 62 240 72 230",  "line 62 50 72 40",
                     "line 580 240 590 230", "line 72 40 590 40",   "line 590 40 590 230"};
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + 9), box);
  // Tick 1 at 240 - 19 with its grey wall line at 45 degrees, then the half tick at
  // 240 - 9 with a light grey one.
  const Calls first_tick = {
      "line 60 221 62 221",      "pen #808080 1",      "line 62 221 72 211", "restore-pen",
      "font 12 0 700 \"Arial\"", "text 46 215 \"1\"",  "restore-font",       "line 60 231 62 231",
      "pen #e1e1e1 1",           "line 62 231 72 221", "restore-pen"};
  EXPECT_EQ(Calls(calls.begin() + 9, calls.begin() + 20), first_tick);
  EXPECT_EQ(Starting(calls, "line 60 50 "), Calls{"line 60 50 62 50"});  // the tenth at the top
  const Calls category(calls.end() - 5, calls.end());
  EXPECT_EQ(category,
            (Calls{"line 580 242 580 240", "line 580 240 590 230", "font 12 0 700 \"Arial\"",
                   "text 281 248 \"all months\"", "restore-font"}));
}

TEST(DepthFrame, EveryDrawStartsFromTheFullLayout) {
  ChartCtrl chart = FramedChart(kLineGraph3d, 10, 1);
  DrawCalls(chart, Size{600, 310});
  DrawCalls(chart, Size{600, 310});
  EXPECT_EQ(chart.layout().plot_width, 518);
  EXPECT_EQ(chart.layout().plot_height, 190);
}

}  // namespace
}  // namespace kestrune::charts
