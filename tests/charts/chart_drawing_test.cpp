// What a reader sees in a drawn chart: bars and points at their values on the scale, slices
// in proportion, a legend entry per category, everything inside the window.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <numeric>

#include "chart_test_support.h"
#include "charts/graph_type.h"

namespace kestrune::charts {
namespace {

using testing::DrawShapes;
using testing::GraphShapes;
using testing::OfKind;
using testing::SeriesOf;
using testing::Shape;
using Shapes = std::vector<Shape>;

// The value axis as drawn: its top, its base line, and the height of each labelled value
// (the short tick beside the number's middle).
struct Axis {
  int top = 0, low = 0, bottom = 0;  // the axis line's ends; the base line
  std::map<int, int> marks;
  // Pixels per unit from the lowest labelled value to the highest.
  double PerUnit() const {
    const auto low = marks.begin(), high = std::prev(marks.end());
    return double(low->second - high->second) / (high->first - low->first);
  }
};

// The value axis of `drawing`, the last Draw of `chart`, checked to label every step of the
// scale evenly up the axis.
Axis ValueAxis(const Shapes& drawing, const ChartCtrl& chart) {
  const int x = chart.layout().plot_left;
  Axis axis;
  axis.bottom = chart.layout().plot_bottom;
  const Shapes lines = OfKind(drawing, "line");
  for (const Shape& line : lines) {
    if (line.n[0] == x && line.n[2] == x && axis.top == 0) {
      axis.top = std::min(line.n[1], line.n[3]);
      axis.low = std::max(line.n[1], line.n[3]);
    }
  }
  for (const Shape& label : OfKind(drawing, "text")) {
    const bool number =
        !label.text.empty() && label.text.find_first_not_of("-0123456789") == std::string::npos;
    if (label.n[0] >= x || !number) continue;
    int best = -1000;
    for (const Shape& tick : lines) {
      const bool short_tick = tick.n[1] == tick.n[3] && tick.n[0] >= x - 3 && tick.n[2] <= x + 3;
      const int middle = label.n[1] + label.font / 2;
      if (short_tick && std::abs(tick.n[1] - middle) < std::abs(best - middle)) best = tick.n[1];
    }
    axis.marks[std::stoi(label.text)] = best;
  }
  // Every step up to the scale's maximum is labelled, the labels evenly spaced.
  for (auto mark = axis.marks.begin(); std::next(mark) != axis.marks.end(); ++mark) {
    EXPECT_EQ(std::next(mark)->first - mark->first, chart.scale_step());
    EXPECT_NEAR(mark->second - std::next(mark)->second, chart.scale_step() * axis.PerUnit(), 1);
  }
  EXPECT_EQ(axis.marks.rbegin()->first, chart.scale_maximum());
  EXPECT_GE(axis.marks.rbegin()->second, axis.top);
  return axis;
}

// Checks every bar (a rect in the graph) against its value: present for values >= 0 (and
// hanging below a mid-height base line for negative ones), standing on `base`, as tall as
// the value on the scale or cut at the axis' end, in its category's colour, left to right.
::testing::AssertionResult BarsMatch(const Shapes& bars, const ChartCtrl& chart,
                                     const std::vector<int>& values, const Axis& axis) {
  const int base = axis.bottom;
  size_t b = 0;
  for (size_t c = 0; c < values.size(); ++c) {
    const int v = values[c];
    if (v < 0 && chart.quadrant() == 1) continue;
    if (b == bars.size()) return ::testing::AssertionFailure() << "no bar for " << v;
    const Shape& bar = bars[b++];
    const int end = v < 0 ? bar.n[3] : bar.n[1], start = v < 0 ? bar.n[1] : bar.n[3];
    const double wanted = base - v * axis.PerUnit();
    const bool cut =
        (wanted < axis.top && end == axis.top) || (wanted > axis.low && end == axis.low);
    if (start != base || (!cut && std::abs(end - wanted) >= 1.5))
      return ::testing::AssertionFailure()
             << "bar of " << v << " spans " << bar.n[1] << ".." << bar.n[3] << ", base " << base;
    if (bar.brush != ColourText(chart.ColourAt(static_cast<int>(c))))
      return ::testing::AssertionFailure() << "bar of " << v << " in " << bar.brush;
    if (b > 1 && bar.n[0] < bars[b - 2].n[2])
      return ::testing::AssertionFailure() << "bar of " << v << " overlaps the one before";
  }
  if (b != bars.size()) return ::testing::AssertionFailure() << bars.size() - b << " bars too many";
  return ::testing::AssertionSuccess();
}

// A chart of `type` with the named months' series, a colour per category of the first, and
// the scale 0..`maximum` by a tenth of it unless `maximum` is 0.
ChartCtrl ChartOf(int type, const std::vector<std::pair<std::string, std::vector<int>>>& months,
                  int maximum = 0) {
  ChartCtrl chart(type);
  EXPECT_TRUE(maximum == 0 || chart.SetScale(0, maximum, maximum / 10));
  for (const auto& [name, values] : months) chart.AddSeries(SeriesOf(name, values));
  chart.AddStandardColours(static_cast<int>(months.front().second.size()));
  return chart;
}

TEST(ChartBars, EachBarStandsOnTheBaseLineAsTallAsItsValueOnTheScale) {
  struct Case {
    int type;
    std::vector<int> values;
    Size client;
    int maximum;
  };
  // Sizes where the scale's ticks fall on whole pixels.
  for (const Case& c : {Case{kBarChart, {50, 0, 100, -5, 120, 30, 1}, {678, 370}, 100},
                        Case{kBarChart, {-40, 30, 200, -100}, {683, 370}, 100},
                        Case{kBarChart3d, {5, 0, 10, -5, 12, 3, 1}, {600, 310}, 10}}) {
    ChartCtrl chart = ChartOf(c.type, {{"all months", c.values}}, c.maximum);
    const Axis axis = ValueAxis(DrawShapes(chart, c.client), chart);
    EXPECT_TRUE(BarsMatch(OfKind(GraphShapes(chart, c.client), "rect"), chart, c.values, axis))
        << "type " << c.type << ", first value " << c.values[0];
  }
}

TEST(ChartBars, StackedSegmentsStandOnEachOtherAsTallAsTheirValues) {
  for (int type : {kStackedBarChart, kStackedBarChart3d}) {
    ChartCtrl chart = ChartOf(type, {{"2004 May", {4, 0, 3}}, {"2004 April", {1, -4, 2}}}, 10);
    const Axis axis = ValueAxis(DrawShapes(chart, {600, 310}), chart);
    const Shapes segments = OfKind(GraphShapes(chart, {600, 310}), "rect");
    ASSERT_EQ(segments.size(), 5u) << type;  // the negative value is left out
    const int heights[] = {4, 0, 3, 1, 2}, categories[] = {0, 1, 2, 0, 2};
    for (size_t i = 0; i < segments.size(); ++i) {
      const Shape& s = segments[i];
      EXPECT_LT(std::abs(s.n[3] - s.n[1] - heights[i] * axis.PerUnit()), 1.5) << type << " " << i;
      EXPECT_EQ(s.n[3], i == 0 || i == 3 ? axis.bottom : segments[i - 1].n[1]) << type << " " << i;
      EXPECT_EQ(s.brush, ColourText(chart.ColourAt(categories[i])));
    }
    EXPECT_GT(segments[3].n[0], segments[0].n[2]);  // the second month's stack stands apart
  }
}

TEST(ChartLines, EachPointIsMarkedAtItsValueOnTheScale) {
  ChartCtrl chart =
      ChartOf(kLineGraph, {{"2004 May", {0, 20, -3}}, {"2004 April", {40, -3, 90}}}, 220);
  const Axis axis = ValueAxis(DrawShapes(chart, {678, 370}), chart);
  const Shapes markers = OfKind(GraphShapes(chart, {678, 370}), "ellipse");
  const int values[] = {0, 40, 20, 90}, categories[] = {0, 0, 1, 2};
  ASSERT_EQ(markers.size(), 4u);
  for (size_t i = 0; i < markers.size(); ++i) {
    const double middle = (markers[i].n[1] + markers[i].n[3]) / 2.0;
    EXPECT_LE(std::abs(middle - (axis.bottom - values[i] * axis.PerUnit())), 1) << values[i];
    EXPECT_EQ(markers[i].brush, ColourText(chart.ColourAt(categories[i])));
  }
}

// A pie's slices as angles in degrees, counter-clockwise from the right.
struct Slice {
  double from, sweep;
  std::string brush;
};

double Angle(const Shape& pie, int x, int y) {
  const double cx = (pie.n[0] + pie.n[2]) / 2.0, cy = (pie.n[1] + pie.n[3]) / 2.0;
  return std::fmod(std::atan2(cy - y, x - cx) * 180 / M_PI + 360, 360);
}

// The slices drawn on the top face: the pies in the box furthest up and left.
std::vector<Slice> TopSlices(const Shapes& graph) {
  Shapes pies = OfKind(graph, "pie");
  int left = 1 << 30;
  for (const Shape& pie : pies) left = std::min(left, pie.n[0]);
  std::vector<Slice> slices;
  for (const Shape& pie : pies) {
    if (pie.n[0] != left) continue;
    const double from = Angle(pie, pie.n[4], pie.n[5]), to = Angle(pie, pie.n[6], pie.n[7]);
    const double sweep = std::fmod(to - from + 360, 360);
    slices.push_back({from, sweep < 1 ? 360 : sweep, pie.brush});
  }
  return slices;
}

TEST(ChartPies, SlicesFillTheCircleInProportionWithTheirPercentages) {
  const std::vector<std::vector<int>> cases = {{50, 25, 25}, {1, 1, 98}, {3, 0, 5, 2}, {42}};
  for (int type : {kPieChart, kPieChart3d}) {
    for (const std::vector<int>& values : cases) {
      ChartCtrl chart = ChartOf(type, {{"all months", values}});
      const Shapes graph = GraphShapes(chart, {415, 370});
      const std::vector<Slice> slices = TopSlices(graph);
      const int total = std::accumulate(values.begin(), values.end(), 0);
      std::vector<double> shares;
      std::vector<std::string> colours;
      for (size_t c = 0; c < values.size(); ++c) {
        if (values[c] <= 0) continue;
        shares.push_back(100.0 * values[c] / total);
        colours.push_back(ColourText(chart.ColourAt(static_cast<int>(c))));
      }
      ASSERT_EQ(slices.size(), shares.size()) << type << " " << values[0];
      double turned = 0;
      for (size_t i = 0; i < slices.size(); ++i) {
        // Within a hundredth of the circle: the rim points are whole pixels.
        EXPECT_NEAR(slices[i].sweep, 3.6 * shares[i], 3.6) << type << " " << values[0] << " " << i;
        EXPECT_NEAR(std::fmod(slices[0].from + turned, 360), slices[i].from, 3.6);
        EXPECT_EQ(slices[i].brush, colours[i]);
        turned += slices[i].sweep;
      }
      EXPECT_NEAR(turned, 360, 1);
      Shapes labels;
      for (const Shape& text : OfKind(graph, "text"))
        if (text.text.ends_with('%')) labels.push_back(text);
      ASSERT_EQ(labels.size(), shares.size());
      for (size_t i = 0; i < labels.size(); ++i) {
        EXPECT_NEAR(std::stoi(labels[i].text), shares[i], 1) << labels[i].text;
        // The flat pie's labels never overprint each other.
        for (size_t j = 0; j < i && type == kPieChart; ++j) {
          EXPECT_FALSE(std::abs(labels[i].n[0] - labels[j].n[0]) < 24 &&
                       std::abs(labels[i].n[1] - labels[j].n[1]) < 22)
              << type << ": " << labels[i].text << " over " << labels[j].text;
        }
      }
    }
  }
}

TEST(ChartPies, EachMonthGetsItsOwnPieWithItsNameUnderIt) {
  ChartCtrl chart(kPieChart);
  for (const char* name : {"A", "B", "C"}) chart.AddSeries(SeriesOf(name, {4}));
  chart.AddSeries(SeriesOf("D", {0, -3}));  // nothing to show: the name alone
  chart.AddStandardColours(1);
  const Shapes graph = GraphShapes(chart, {1215, 770});
  const Shapes pies = OfKind(graph, "pie");
  ASSERT_EQ(pies.size(), 3u);
  for (size_t i = 0; i < pies.size(); ++i) {
    EXPECT_TRUE(i == 0 || pies[i].n[0] > pies[i - 1].n[2]) << i;
    bool named = false;
    for (const Shape& text : OfKind(graph, "text")) {
      named |= text.text == std::string(1, char('A' + i)) && text.n[1] > pies[i].n[3] &&
               text.n[0] > pies[i].n[0] && text.n[0] < pies[i].n[2];
    }
    EXPECT_TRUE(named) << i;
  }
  int named_d = 0;
  for (const Shape& text : OfKind(graph, "text")) named_d += text.text == "D";
  EXPECT_EQ(named_d, 1);
}

// Every type with labels, titles and two months: all drawn inside the window, each
// category listed in the legend beside a swatch of its colour, each month and title
// written, and a second Draw draws the same.
TEST(ChartDraw, EveryTypeDrawsInsideTheWindowWithALegendEntryPerCategory) {
  const char* labels[] = {"Food", "Rent", "Gas"};
  for (int type : kGraphTypes) {
    ChartCtrl chart = ChartOf(type, {{"2004 May", {40, 10, 30}}, {"2004 April", {20, 5, 15}}});
    chart.SetTitle("Statistics by months");
    chart.SetYAxisTitle("Expenses");
    chart.SetXAxisTitle("Months");
    for (int i = 0; i < 3; ++i) chart.AddLabel(i, labels[i]);
    RecordingCanvas first(Size{800, 600}, testing::kMetrics);
    chart.Draw(first);
    const Shapes drawing = testing::ReadShapes(first.calls());
    for (const Shape& shape : drawing) {
      for (size_t i = 0; i < shape.n.size(); ++i) {
        EXPECT_TRUE(shape.n[i] >= 0 && shape.n[i] <= (i % 2 ? 600 : 800))
            << type << ": " << shape.kind << " " << shape.text;
      }
    }
    std::map<std::string, Shape> texts;
    for (const Shape& text : OfKind(drawing, "text")) texts[text.text] = text;
    for (int i = 0; i < 3; ++i) {
      ASSERT_TRUE(texts.count(labels[i])) << type << " " << labels[i];
      int swatches = 0;
      for (const Shape& rect : OfKind(drawing, "rect")) {
        swatches += rect.brush == ColourText(chart.ColourAt(i)) &&
                    rect.n[1] == texts[labels[i]].n[1] && rect.n[0] > texts[labels[i]].n[0];
      }
      EXPECT_EQ(swatches, 1) << type << " " << labels[i];
    }
    for (const char* text : {"Statistics by months", "2004 May", "2004 April"})
      EXPECT_TRUE(texts.count(text)) << type << " " << text;
    EXPECT_EQ(texts.count("Expenses") + texts.count("Months"), IsPieType(type) ? 0u : 2u);
    RecordingCanvas second(Size{800, 600}, testing::kMetrics);
    chart.Draw(second);
    EXPECT_EQ(second.calls(), first.calls()) << type;
  }
}

TEST(ChartDraw, TheTitleShrinksInStepsOfTwoUntilItFitsTheWidth) {
  for (int length : {20, 40, 45, 30}) {
    ChartCtrl chart(kBarChart);
    chart.SetTitle(std::string(length, 'x'));
    const int width = length == 30 ? 25 : 405, area = width - 5;
    const Shapes drawing = DrawShapes(chart, Size{width, 300});
    const Shape title = OfKind(drawing, "text").front();
    ASSERT_EQ(title.text, std::string(length, 'x'));
    // A title character is half the font's height wide.
    EXPECT_TRUE(title.font / 2 * length <= area || title.font == 2) << length;
    EXPECT_TRUE(title.font == 24 || (title.font / 2 + 1) * length > area) << length;
  }
}

// A 126-character name: the legend keeps to a quarter of the area and the name is cut
// whole characters short, ending "..."; "Gas" stays whole.
TEST(ChartDraw, ALongLegendNameIsCutAndTheLegendKeepsToAQuarterOfTheWidth) {
  ChartCtrl chart(kBarChart);
  const std::string long_name = "Ä" + std::string(125, 'x');
  chart.AddLabel(0, long_name);
  chart.AddLabel(1, "Gas");
  chart.AddSeries(SeriesOf("all months", {1, 2}));
  chart.AddStandardColours(2);
  const Shapes drawing = DrawShapes(chart, Size{800, 600});
  EXPECT_LT(chart.layout().plot_left + chart.layout().plot_width, 790 - chart.legend_width());
  bool cut = false, gas = false;
  for (const Shape& text : OfKind(drawing, "text")) {
    // The cut name's characters (two bytes for the "Ä") at 7 pixels each.
    const size_t width = (text.text.size() - 1) * 7;
    cut |= text.text.ends_with("...") && width > 150 && width <= 795 / 4 &&
           long_name.starts_with(text.text.substr(0, text.text.size() - 3));
    gas |= text.text == "Gas";
  }
  EXPECT_TRUE(cut && gas);
}

TEST(ChartDraw, NothingToShowOrAnUnknownTypeIsSaidInWords) {
  ChartCtrl zeros(kPieChart);
  zeros.AddSeries(SeriesOf("all months", {0, 0}));
  EXPECT_FALSE(zeros.HasValues());
  RecordingCanvas canvas(Size{400, 300}, testing::kMetrics);
  zeros.DrawNoValuesNote(canvas);
  EXPECT_EQ(OfKind(testing::ReadShapes(canvas.calls()), "text").at(0).text, "No purchases to show");
  zeros.AddSeries(SeriesOf("2024 March", {0, 4}));
  EXPECT_TRUE(zeros.HasValues());

  ChartCtrl unknown(99);
  unknown.AddSeries(SeriesOf("all months", {5}));
  const Shapes drawing = DrawShapes(unknown, Size{600, 400});
  EXPECT_EQ(drawing.back().kind + " " + drawing.back().text, "message No graph type to display");
  EXPECT_TRUE(OfKind(GraphShapes(unknown, Size{600, 400}), "rect").empty());
}

}  // namespace
}  // namespace kestrune::charts
