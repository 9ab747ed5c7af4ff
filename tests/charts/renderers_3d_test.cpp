// The three-dimensional renderers, grouped by renderer.
#include <gtest/gtest.h>

#include <algorithm>

#include "chart_test_support.h"
#include "charts/graph_type.h"

namespace kestrune::charts {
namespace {

using testing::Calls;
using testing::DrawCalls;
using testing::GraphCalls;
using testing::SeriesOf;
using testing::Starting;

ChartCtrl ScaledChart(int type, int maximum, int step) {
  ChartCtrl chart(type);
  EXPECT_TRUE(chart.SetScale(0, maximum, step));
  return chart;
}

// Client 600 x 310 with scale 0..10: depth 10, shrunk plot 518 x 190 from (62, 240), so
// 19 pixels per unit.
constexpr Size kClient{600, 310};

TEST(BarChart3d, BarAtTheScaleMaximumReachesTheBackWallLine) {
  ChartCtrl chart = ScaledChart(kBarChart3d, 10, 1);
  chart.AddSeries(SeriesOf("all months", {10}));
  chart.AddStandardColours(1);
  // One bar truncate(518 * 0.8) = 414 wide around 321; 190 tall; green faces.
  const Calls expected = {"brush #00c000",
                          "pen #00c000 1",
                          "rect 114 50 528 240",
                          "restore-pen",
                          "restore-brush",
                          "brush #009d00",
                          "pen #009d00 1",
                          "polygon 528 50 528 240 538 230 538 40",
                          "restore-pen",
                          "restore-brush",
                          "brush #23e323",
                          "pen #23e323 1",
                          "polygon 114 50 528 50 538 40 124 40",
                          "restore-pen",
                          "restore-brush"};
  EXPECT_EQ(GraphCalls(chart, kClient), expected);
  // The top face's back edge lies on the frame's back top edge.
  EXPECT_EQ(Starting(DrawCalls(chart, kClient), "line 72 40 "), Calls{"line 72 40 590 40"});
}

TEST(StackedBarChart3d, EachSegmentStandsOnTheOneBelow) {
  ChartCtrl chart = ScaledChart(kStackedBarChart3d, 10, 1);
  chart.AddSeries(SeriesOf("all months", {4, -2, 3}));
  chart.AddStandardColours(3);
  const Calls calls = GraphCalls(chart, kClient);
  // 4 and 3 units: 76 and 57 pixels; the negative value is skipped.
  EXPECT_EQ(Starting(calls, "rect"), (Calls{"rect 114 164 528 240", "rect 114 107 528 164"}));
  EXPECT_EQ(
      Starting(calls, "polygon"),
      (Calls{"polygon 528 164 528 240 538 230 538 154", "polygon 114 164 528 164 538 154 124 154",
             "polygon 528 107 528 164 538 154 538 97", "polygon 114 107 528 107 538 97 124 97"}));
  EXPECT_EQ(Starting(calls, "brush"), (Calls{"brush #00c000", "brush #009d00", "brush #23e323",
                                             "brush #c7b1ff", "brush #a48edc", "brush #ead4ff"}));
}

// Client 600 x 350: plot 240 tall, so depth 12; shrunk to 516 x 228 from (62, 280), 22.8
// pixels per unit. One series: its points at x = 517 + 62 = 579.
TEST(LineGraph3d, FourRibbonsShareTheDepthFromBackToFront) {
  ChartCtrl chart = ScaledChart(kLineGraph3d, 10, 1);
  chart.AddSeries(SeriesOf("all months", {1, 2, 3, 4}));  // 22, 45, 68, 91 pixels
  chart.AddStandardColours(4);
  const Calls calls = GraphCalls(chart, Size{600, 350});
  EXPECT_EQ(chart.depth(), 12);
  // Category 0 spans depths 12 to 9 from the origin (62, 280) to (579, 258); it climbs
  // less than 45 degrees, so its face is light.
  const Calls back_ribbon = {
      "pen #000000 2",      "line 74 268 591 246",  "line 71 271 588 249",
      "line 71 271 74 268", "line 588 249 591 246", "restore-pen",
      "pen #000000 1",      "brush #23e323",        "polygon 74 268 71 271 588 249 591 246",
      "restore-brush",      "restore-pen"};
  ASSERT_EQ(calls.size(), 4 * back_ribbon.size());
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + 11), back_ribbon);
  // The back edges of categories 1 to 3: depths 9, 6 and 3.
  EXPECT_EQ(calls[11 + 1], "line 71 271 588 226");
  EXPECT_EQ(calls[22 + 1], "line 68 274 585 206");
  EXPECT_EQ(calls[33 + 1], "line 65 277 582 186");
}

// Client 124 x 310 with scale 0..190 by 19: depth 10, shrunk plot 36 x 190 from (68, 240),
// one pixel per unit; four series make groups of 9, points 10 apart at 78, 88, 98, 108.
TEST(LineGraph3d, FaceShadeFollowsTheSlope) {
  ChartCtrl chart = ScaledChart(kLineGraph3d, 190, 19);
  for (int value : {20, 30, 35, 10}) chart.AddSeries(SeriesOf("m", {value}));
  chart.AddStandardColours(1);
  const Calls calls = GraphCalls(chart, Size{124, 310});
  // Climbing 20 over 10: dark (55 darker); 5 over 10 and falling: light (35 lighter).
  EXPECT_EQ(Starting(calls, "brush"), (Calls{"brush #008900", "brush #23e323", "brush #23e323"}));
  EXPECT_EQ(Starting(calls, "polygon")[0], "polygon 78 230 68 240 78 220 88 210");
  // Climbing 10 over 10, exactly 45 degrees: no face, the end cap drawn once more.
  const Calls level(calls.begin() + 11, calls.begin() + 20);
  EXPECT_EQ(level, (Calls{"pen #000000 2", "line 88 210 98 200", "line 78 220 88 210",
                          "line 78 220 88 210", "line 88 210 98 200", "restore-pen",
                          "pen #000000 1", "line 88 210 98 200", "restore-pen"}));
}

// Client 415 x 370: the flat pie's square (129, 104)-(281, 256) around (205, 180), radius
// 76, thickness truncate(76 * 0.05) = 3.
TEST(PieChart3d, OneSliceDrawsSideShadowTopAndLabel) {
  ChartCtrl chart(kPieChart3d);
  chart.AddSeries(SeriesOf("all months", {42, 0}));
  chart.AddStandardColours(2);
  const Calls expected = {
      "pen #000000 1", "brush #ffffff", "text 165 331 \"all months\"",
      // The side face in the darker shade, degenerate for a full circle, and the shadow.
      "brush #009d00", "pen #009d00 1", "polygon 132 182 132 182 129 179 129 179",
      "pie 132 107 284 259 132 182 132 182", "restore-pen", "restore-brush",
      // The top over it.
      "brush #00c000", "pen #00c000 1", "pie 129 104 281 256 129 179 129 179", "restore-pen",
      "restore-brush",
      // The middle at 180 degrees on the rim: cos and sin of 3.14159 put it at (280, 180).
      "brush #000000", "line 242 180 318 142", "text 323 120 \"100%\"", "restore-brush",
      "restore-brush", "restore-pen"};
  EXPECT_EQ(GraphCalls(chart, Size{415, 370}), expected);
}

// Slices ending at 180, 270 and 360 degrees: the first crosses into the upper half, the
// two after it lie wholly there and are drawn in its shade, as shadow slice and triangle.
TEST(PieChart3d, SlicesBehindTheTopTakeTheShadeOfTheSliceThatCrossedIntoIt) {
  ChartCtrl chart(kPieChart3d);
  chart.AddSeries(SeriesOf("all months", {50, 25, 25}));
  chart.AddStandardColours(3);
  const Calls calls = GraphCalls(chart, Size{415, 370});
  EXPECT_EQ(Starting(calls, "brush"),
            (Calls{"brush #ffffff", "brush #009d00", "brush #009d00", "brush #009d00",
                   "brush #00c000", "brush #00c0c0", "brush #c7b1ff", "brush #000000"}));
  const Calls faces = Starting(calls, "polygon");
  ASSERT_EQ(faces.size(), 3u);
  // At 270 degrees: shadow rim (208, 107), top rim (205, 104), back to the top at 180.
  EXPECT_EQ(faces[1], "polygon 208 107 205 104 280 180");
  EXPECT_EQ(std::count(faces[2].begin(), faces[2].end(), ' '), 6);
}

}  // namespace
}  // namespace kestrune::charts
