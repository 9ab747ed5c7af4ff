#include "charts/flat_renderers.h"

#include <algorithm>
#include <optional>

#include "charts/chart_arithmetic.h"

namespace kestrune::charts {
namespace {

// The flat renderers keep ten pixels of the plot's height free at the top.
double FlatPixelsPerUnit(const ChartCtrl& chart) {
  return PixelsPerUnit(chart.layout().plot_height - 10, chart.scale_minimum(),
                       chart.scale_maximum());
}

int GroupCentre(const ChartLayout& l, int group, int s) {
  return l.plot_left - group / 2 + s * group;
}

int ValueOf(const ChartCtrl& chart, int s, int c) {
  return chart.series()[static_cast<std::size_t>(s - 1)].ValueFor(c);
}

void FillRectangle(Canvas& canvas, Colour colour, const Rect& box) {
  ScopedBrush brush(canvas, colour);
  canvas.Rectangle(box);
}

// A bar standing on the base line, or (with the base line at mid-height) hanging from it
// for a negative height; either way no taller than the plot allows.
void DrawBar(Canvas& canvas, const ChartCtrl& chart, int x1, int width, int c, int height) {
  const ChartLayout& l = chart.layout();
  const Colour colour = chart.ColourAt(c);
  if (chart.quadrant() < 3) {
    const int top = height > l.plot_height ? l.plot_bottom - l.plot_height : l.plot_bottom - height;
    FillRectangle(canvas, colour, Rect{x1, top, x1 + width, l.plot_bottom});
    return;
  }
  const int half = l.plot_height / 2;
  if (height >= 0) {
    FillRectangle(canvas, colour,
                  Rect{x1, l.plot_bottom - std::min(height, half), x1 + width, l.plot_bottom});
  } else {
    FillRectangle(canvas, colour,
                  Rect{x1, l.plot_bottom, x1 + width, l.plot_bottom + std::min(-height, half)});
  }
}

// A point's marker and, from the second marker on, the line from the previous one. The
// line stops short of both markers; the marker drawn after it covers its end.
void DrawLinePoint(Canvas& canvas, Colour colour, const std::optional<Point>& previous, Point at) {
  ScopedBrush brush(canvas, colour);
  if (previous) {
    ScopedPen pen(canvas, colour, 1);
    canvas.Line(Point{previous->x + 2, previous->y - 1}, Point{at.x - 3, at.y - 1});
  }
  canvas.Ellipse(Rect{at.x - 3, at.y - 3, at.x + 3, at.y + 3});
}

}  // namespace

void DrawBarChart(const ChartCtrl& chart, Canvas& canvas) {
  const int series = chart.series_count();
  const int categories = chart.category_count();
  if (series == 0 || categories == 0) return;
  const ChartLayout& l = chart.layout();
  const int group = l.plot_width / series;
  const int bar = Truncate(group * 0.6 / categories);
  const int cluster = categories * bar;
  const double k = FlatPixelsPerUnit(chart);
  // Only with the base line at mid-height do negative values get a bar.
  const bool keep_negative = chart.quadrant() >= 3;
  for (int s = 1; s <= series; ++s) {
    const int centre = GroupCentre(l, group, s);
    for (int c = 0; c < categories; ++c) {
      const int value = ValueOf(chart, s, c);
      if (value < 0 && !keep_negative) continue;
      const int x1 = c * bar - cluster / 2 + centre;
      DrawBar(canvas, chart, x1, bar, c, ValueHeight(value, chart.scale_minimum(), k));
    }
  }
}

void DrawLevelLine(const ChartCtrl& chart, Canvas& canvas) {
  constexpr Colour kLevelColour = Rgb(208, 0, 0);
  const ChartLayout& l = chart.layout();
  const LevelLine& level = *chart.level_line();
  const int height = ValueHeight(level.value, chart.scale_minimum(), FlatPixelsPerUnit(chart));
  const int y = l.plot_bottom - std::min(height, l.plot_height);
  {
    ScopedPen pen(canvas, kLevelColour, 2);
    canvas.Line(Point{l.plot_left, y}, Point{l.plot_left + l.plot_width, y});
  }
  ScopedFont font(canvas, ArialBold(chart.value_font_size()));
  canvas.SetTextColour(kLevelColour);
  canvas.TextOut(Point{l.plot_left + 5, y - chart.value_font_size() - 4}, level.caption);
  canvas.SetTextColour(kBlack);
}

void DrawLineGraph(const ChartCtrl& chart, Canvas& canvas) {
  const int series = chart.series_count();
  if (series == 0) return;
  const ChartLayout& l = chart.layout();
  const int group = l.plot_width / series;
  const double k = FlatPixelsPerUnit(chart);
  for (int c = 0; c < chart.category_count(); ++c) {
    std::optional<Point> previous;
    for (int s = 1; s <= series; ++s) {
      const int value = ValueOf(chart, s, c);
      if (value < 0) continue;
      const int height =
          LinePointHeight(value, chart.scale_minimum(), chart.scale_maximum(), k, l.plot_bottom);
      const Point at{GroupCentre(l, group, s), l.plot_bottom - height};
      DrawLinePoint(canvas, chart.ColourAt(c), previous, at);
      previous = at;
    }
  }
}

void DrawStackedBarChart(const ChartCtrl& chart, Canvas& canvas) {
  const int series = chart.series_count();
  if (series == 0) return;
  const ChartLayout& l = chart.layout();
  const int group = l.plot_width / series;
  const int bar = Truncate(group * 0.6);
  const double k = FlatPixelsPerUnit(chart);
  for (int s = 1; s <= series; ++s) {
    const int left = GroupCentre(l, group, s) - bar / 2;
    int running_top = l.plot_bottom;
    for (int c = 0; c < chart.category_count(); ++c) {
      const int value = ValueOf(chart, s, c);
      if (value < 0) continue;
      const int height = std::min(ValueHeight(value, chart.scale_minimum(), k), l.plot_height);
      FillRectangle(canvas, chart.ColourAt(c),
                    Rect{left, running_top - height, left + bar, running_top});
      running_top -= height;
    }
  }
}

}  // namespace kestrune::charts
