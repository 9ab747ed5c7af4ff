// The flat pie: slices from the left running counter-clockwise, percentage labels.
#include <gtest/gtest.h>

#include "chart_test_support.h"
#include "charts/graph_type.h"

namespace kestrune::charts {
namespace {

using testing::Calls;
using testing::GraphCalls;
using testing::SeriesOf;
using testing::Starting;

// Client 415 x 370: plot left 5, width 400, height 300. Text height 22, text width 24,
// radius (300 - 72) / 3 = 76, centre y 180, left edge 5 + 200 - 76 = 129: the pie's square
// runs from (129, 104) to (281, 256) around (205, 180).
constexpr Size kClient{415, 370};

TEST(PieChart, SingleSliceIsAFullCircleLabelledOneHundredPercent) {
  ChartCtrl chart(kPieChart);
  chart.AddSeries(SeriesOf("all months", {42, 0}));
  chart.AddStandardColours(2);
  const Calls expected = {
      "text 165 331 \"all months\"",  // 205 - 80 / 2, 180 + 114 + 22 + 15
      "brush #00c000", "pen #00c000 1", "pie 129 104 281 256 129 179 129 179", "restore-pen",
      "restore-brush",
      // Middle at 180 degrees: the right corner (281, 180); the leader runs from halfway
      // there r/2 up and right, the text stands above and right of its end.
      "brush #000000", "line 243 180 319 142", "text 324 120 \"100%\"", "restore-brush"};
  EXPECT_EQ(GraphCalls(chart, kClient), expected);
}

TEST(PieChart, SliceNotOfCategoryZeroStartsAtTheLeftCorner) {
  ChartCtrl chart(kPieChart);
  chart.AddSeries(SeriesOf("all months", {0, 0, 5}));
  chart.AddStandardColours(3);
  EXPECT_EQ(Starting(GraphCalls(chart, kClient), "pie"),
            Calls{"pie 129 104 281 256 129 180 129 179"});
}

// Two slices of 1 out of 100 end at 3 and 7 degrees; both labels go to the lower left and
// the second, overlapping the first, moves down by the text height.
TEST(PieChart, OverlappingLabelMovesDownByTheTextHeight) {
  ChartCtrl chart(kPieChart);
  chart.AddSeries(SeriesOf("all months", {1, 1, 98}));
  chart.AddStandardColours(3);
  const Calls calls = GraphCalls(chart, kClient);
  EXPECT_EQ(Starting(calls, "pie"),
            (Calls{"pie 129 104 281 256 129 179 131 182", "pie 129 104 281 256 131 182 134 185",
                   "pie 129 104 281 256 134 185 129 179"}));
  const Calls labels = testing::After(calls, "brush #000000");
  const Calls expected = {
      "line 168 181 93 220", "text 69 220 \"1%\"",
      // Its text at (72, 223) lay inside the first's (69..93, 220..242): moved to 242.
      "line 169 182 96 242", "text 72 242 \"1%\"",
      // 98%: middle at 183 degrees, on the upper right.
      "line 242 179 317 140", "text 322 118 \"98%\"", "restore-brush"};
  EXPECT_EQ(labels, expected);
}

// Client 1215 x 770: plot width 1200, height 700; radius (700 / 3 - 72) / 3 = 53, centre
// y 380; the pies' centres at 200, 600 and 1000 past plot left, plus 15: 220, 620, 1020.
TEST(PieChart, ThreeSeriesSitAtOneThreeAndFiveSixthsOfThePlot) {
  ChartCtrl chart(kPieChart);
  chart.AddSeries(SeriesOf("A", {4}));
  chart.AddSeries(SeriesOf("B", {4}));
  chart.AddSeries(SeriesOf("C", {4}));
  chart.AddStandardColours(1);
  const Calls calls = GraphCalls(chart, Size{1215, 770});
  EXPECT_EQ(Starting(calls, "pie"),
            (Calls{"pie 167 327 273 433 167 379 167 379", "pie 567 327 673 433 567 379 567 379",
                   "pie 967 327 1073 433 967 379 967 379"}));
  // Captions centred under each pie; each label's middle at the right corner (x0 + 106).
  EXPECT_EQ(Starting(calls, "text"),
            (Calls{"text 216 496 \"A\"", "text 304 332 \"100%\"", "text 616 496 \"B\"",
                   "text 704 332 \"100%\"", "text 1016 496 \"C\"", "text 1104 332 \"100%\""}));
}

TEST(PieChart, PieWithoutValuesDrawsOnlyItsCaption) {
  ChartCtrl chart(kPieChart);
  chart.AddSeries(SeriesOf("all months", {0, -3, 0}));
  EXPECT_EQ(GraphCalls(chart, kClient),
            (Calls{"text 165 331 \"all months\"", "brush #000000", "restore-brush"}));
}

}  // namespace
}  // namespace kestrune::charts
