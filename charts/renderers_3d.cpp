#include "charts/renderers_3d.h"

#include <algorithm>

#include "charts/chart_arithmetic.h"

namespace kestrune::charts {
namespace {

constexpr int kDarker = -35;
constexpr int kLighter = 35;
constexpr int kRibbonDarker = -55;

// The three-dimensional plot has no ten-pixel reserve at the top.
double DepthPixelsPerUnit(const ChartCtrl& chart) {
  return PixelsPerUnit(chart.layout().plot_height, chart.scale_minimum(), chart.scale_maximum());
}

int BoxHeight(const ChartCtrl& chart, int value, double k) {
  return std::min(ValueHeight(value, chart.scale_minimum(), k), chart.layout().plot_height);
}

int ValueOf(const ChartCtrl& chart, int s, int c) {
  return chart.series()[static_cast<std::size_t>(s - 1)].ValueFor(c);
}

// A point seen `offset` pixels deep.
Point Deep(Point p, int offset) {
  return Point{p.x + offset, p.y - offset};
}

void DrawFace(Canvas& canvas, Colour colour, std::initializer_list<Point> corners) {
  ScopedFace face(canvas, colour);
  canvas.Polygon(std::span<const Point>(corners.begin(), corners.size()));
}

// A box from x1 to x2 between `top` and `bottom`: front, right side, top.
void DrawBox(Canvas& canvas, Colour colour, int x1, int x2, int top, int bottom, int d) {
  {
    ScopedFace front(canvas, colour);
    canvas.Rectangle(Rect{x1, top, x2, bottom});
  }
  DrawFace(canvas, Shade(colour, kDarker),
           {Point{x2, top}, Point{x2, bottom}, Point{x2 + d, bottom - d}, Point{x2 + d, top - d}});
  DrawFace(canvas, Shade(colour, kLighter),
           {Point{x1, top}, Point{x2, top}, Point{x2 + d, top - d}, Point{x1 + d, top - d}});
}

struct Ribbon {
  int back = 0;   // depth offset of the back edge
  int front = 0;  // depth offset of the front edge
  Colour dark = 0;
  Colour light = 0;
};

// Edges and caps in a two-pixel black pen, then the face in a one-pixel black pen: dark
// when the segment climbs steeper than 45 degrees, light when less steep or falling, and
// at exactly 45 degrees only the end cap once more.
void DrawRibbonSegment(Canvas& canvas, const Ribbon& ribbon, Point from, Point to) {
  {
    ScopedPen edges(canvas, kBlack, 2);
    canvas.Line(Deep(from, ribbon.back), Deep(to, ribbon.back));
    canvas.Line(Deep(from, ribbon.front), Deep(to, ribbon.front));
    canvas.Line(Deep(from, ribbon.front), Deep(from, ribbon.back));
    canvas.Line(Deep(to, ribbon.front), Deep(to, ribbon.back));
  }
  ScopedPen outline(canvas, kBlack, 1);
  const int rise = from.y - to.y;
  const int run = to.x - from.x;
  if (rise == run) {
    canvas.Line(Deep(to, ribbon.front), Deep(to, ribbon.back));
    return;
  }
  ScopedBrush fill(canvas, rise > run ? ribbon.dark : ribbon.light);
  const Point face[] = {Deep(from, ribbon.back), Deep(from, ribbon.front), Deep(to, ribbon.front),
                        Deep(to, ribbon.back)};
  canvas.Polygon(face);
}

void DrawRibbon(const ChartCtrl& chart, Canvas& canvas, int c, const Ribbon& ribbon) {
  const ChartLayout& l = chart.layout();
  const int group = l.plot_width / chart.series_count();
  const double k = DepthPixelsPerUnit(chart);
  Point previous{l.plot_left, l.plot_bottom};
  for (int s = 1; s <= chart.series_count(); ++s) {
    const int value = ValueOf(chart, s, c);
    if (value < 0) continue;
    const int height =
        LinePointHeight(value, chart.scale_minimum(), chart.scale_maximum(), k, l.plot_bottom);
    const Point at{(group + 1) * s + l.plot_left, l.plot_bottom - height};
    DrawRibbonSegment(canvas, ribbon, previous, at);
    previous = at;
  }
}

}  // namespace

void DrawBarChart3d(const ChartCtrl& chart, Canvas& canvas) {
  const int series = chart.series_count();
  const int categories = chart.category_count();
  if (series == 0 || categories == 0) return;
  const ChartLayout& l = chart.layout();
  const int group = l.plot_width / series;
  const int bar = Truncate(group * 0.8 / categories);
  const int cluster = categories * bar;
  const double k = DepthPixelsPerUnit(chart);
  for (int s = 1; s <= series; ++s) {
    const int centre = l.plot_left - group / 2 + s * group;
    for (int c = 0; c < categories; ++c) {
      const int value = ValueOf(chart, s, c);
      if (value < 0) continue;
      const int x1 = c * bar - cluster / 2 + centre;
      DrawBox(canvas, chart.ColourAt(c), x1, x1 + bar, l.plot_bottom - BoxHeight(chart, value, k),
              l.plot_bottom, chart.depth());
    }
  }
}

void DrawStackedBarChart3d(const ChartCtrl& chart, Canvas& canvas) {
  const int series = chart.series_count();
  if (series == 0) return;
  const ChartLayout& l = chart.layout();
  const int group = l.plot_width / series;
  const int bar = Truncate(group * 0.8);
  const double k = DepthPixelsPerUnit(chart);
  for (int s = 1; s <= series; ++s) {
    const int x1 = l.plot_left - group / 2 + s * group - bar / 2;
    int running_top = l.plot_bottom;
    for (int c = 0; c < chart.category_count(); ++c) {
      const int value = ValueOf(chart, s, c);
      if (value < 0) continue;
      const int new_top = running_top - BoxHeight(chart, value, k);
      DrawBox(canvas, chart.ColourAt(c), x1, x1 + bar, new_top, running_top, chart.depth());
      running_top = new_top;
    }
  }
}

void DrawLineGraph3d(const ChartCtrl& chart, Canvas& canvas) {
  const int categories = chart.category_count();
  if (chart.series_count() == 0 || categories == 0) return;
  // Each ribbon takes an equal slice of the depth, category 0 furthest back.
  const int slice = chart.depth() / categories;
  for (int c = 0; c < categories; ++c) {
    const Colour colour = chart.ColourAt(c);
    const Ribbon ribbon{slice * (categories - c), slice * (categories - c - 1),
                        Shade(colour, kRibbonDarker), Shade(colour, kLighter)};
    DrawRibbon(chart, canvas, c, ribbon);
  }
}

}  // namespace kestrune::charts
