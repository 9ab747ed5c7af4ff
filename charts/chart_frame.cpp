// The frame around the graph: axes (or the 3D box), axis titles, value scale and the
// captions of the series along the category axis.
#include <string>

#include "charts/chart_arithmetic.h"
#include "charts/chart_ctrl.h"
#include "charts/graph_type.h"
#include "charts/text_length.h"

namespace kestrune::charts {
namespace {

constexpr int kAxisTitleStartSize = 16;
constexpr int kUpwards = 900;

// Axis-title height: fitted to the area's longer side's title (Y title against the area
// height when the area is wider than tall, else the X title against the area width).
int AxisTitleSize(const ChartCtrl& chart) {
  const ChartLayout& l = chart.layout();
  if (l.area_width > l.area_height) {
    return FittedFontSize(kAxisTitleStartSize, chart.y_axis_title_length(), l.area_height);
  }
  return FittedFontSize(kAxisTitleStartSize, chart.x_axis_title_length(), l.area_width);
}

// The Y title runs upwards at x = 10, centred on `centre_y`.
void DrawYAxisTitle(Canvas& canvas, const ChartCtrl& chart, int size, int centre_y) {
  if (chart.y_axis_title().empty()) return;
  ScopedFont font(canvas, ArialBold(size, kUpwards));
  const int half = (chart.y_axis_title_length() * canvas.GetTextMetrics().average_char_width) / 2;
  canvas.TextOut(Point{10, centre_y + half}, chart.y_axis_title());
}

// The X title sits under the plot's middle, near the bottom of the area.
void DrawXAxisTitle(Canvas& canvas, const ChartCtrl& chart, int size) {
  if (chart.x_axis_title().empty()) return;
  const ChartLayout& l = chart.layout();
  ScopedFont font(canvas, ArialBold(size));
  const int average = canvas.GetTextMetrics().average_char_width;
  canvas.TextOut(Point{l.plot_left + l.plot_width / 2 - (chart.x_axis_title_length() / 2) * average,
                       l.area_height - 11},
                 chart.x_axis_title());
}

void DrawAxisTitles(Canvas& canvas, const ChartCtrl& chart, int y_title_centre) {
  const int size = AxisTitleSize(chart);
  DrawYAxisTitle(canvas, chart, size, y_title_centre);
  DrawXAxisTitle(canvas, chart, size);
}

// A scale label left of the value axis, its text's middle about level with `tick_y`.
void DrawValueLabel(Canvas& canvas, const ChartCtrl& chart, int value, int tick_y) {
  const std::string text = DecimalText(value);
  const int size = chart.value_font_size();
  ScopedFont font(canvas, ArialBold(size));
  const int x = chart.layout().plot_left - (size / 2) * static_cast<int>(text.size()) - 10;
  canvas.TextOut(Point{x, tick_y - 6}, text);
}

// A series name centred (at eight pixels a character) on `centre_x`.
void DrawSeriesCaption(Canvas& canvas, const ChartCtrl& chart, const std::string& name,
                       int centre_x, int y) {
  ScopedFont font(canvas, ArialBold(chart.label_font_size()));
  canvas.TextOut(Point{centre_x - (8 * CharacterCount(name)) / 2, y}, name);
}

void DrawValueTick(Canvas& canvas, const ChartCtrl& chart, int value, int y) {
  const int left = chart.layout().plot_left;
  canvas.Line(Point{left - 3, y}, Point{left + 3, y});
  DrawValueLabel(canvas, chart, value, y);
}

void DrawFlatValueScale(Canvas& canvas, const ChartCtrl& chart) {
  const ChartLayout& l = chart.layout();
  const int spacing = (l.plot_height - 10) / chart.tick_count();
  for (int j = 1; j <= chart.tick_count(); ++j) {
    DrawValueTick(canvas, chart, chart.scale_minimum() + j * chart.scale_step(),
                  l.plot_bottom - j * spacing);
  }
}

// With the base line at mid-height the ticks run from the top down: the upper half counts
// down from the maximum, "0" marks the base line, the lower half counts down to the
// minimum.
void DrawMidValueScale(Canvas& canvas, const ChartCtrl& chart) {
  const ChartLayout& l = chart.layout();
  const int ticks = chart.tick_count();
  const int spacing = (l.plot_height - 10) / ticks;
  const int top = l.plot_bottom - l.plot_height / 2 + 5;
  for (int j = 0; j <= ticks / 2; ++j) {
    DrawValueTick(canvas, chart, chart.scale_maximum() - j * chart.scale_step(), top + j * spacing);
  }
  DrawValueLabel(canvas, chart, 0, l.plot_bottom);
  for (int j = ticks / 2 + 1; j <= ticks; ++j) {
    DrawValueTick(canvas, chart, chart.scale_minimum() + (ticks - j) * chart.scale_step(),
                  top + j * spacing);
  }
}

// One tick and caption per series, at the middle of its group.
void DrawFlatCategoryAxis(Canvas& canvas, const ChartCtrl& chart, int caption_y) {
  const ChartLayout& l = chart.layout();
  const int count = chart.series_count();
  if (count == 0) return;
  const int group = l.plot_width / count;
  for (int s = 1; s <= count; ++s) {
    const int x = l.plot_left + s * group - group / 2;
    canvas.Line(Point{x, l.plot_bottom - 3}, Point{x, l.plot_bottom + 3});
    DrawSeriesCaption(canvas, chart, chart.series()[static_cast<std::size_t>(s - 1)].name(), x,
                      caption_y);
  }
}

void DrawFlatFrame(Canvas& canvas, const ChartCtrl& chart) {
  const ChartLayout& l = chart.layout();
  // Negative values put the base line at mid-height, the plot spanning half above it and
  // half below.
  const bool mid_base = chart.quadrant() >= 3;
  const int axis_bottom = mid_base ? l.plot_bottom + l.plot_height / 2 : l.plot_bottom;
  const int axis_top = mid_base ? l.plot_bottom - l.plot_height / 2 : l.plot_bottom - l.plot_height;
  {
    ScopedPen axes(canvas, kBlack, 2);
    canvas.Line(Point{l.plot_left, axis_bottom}, Point{l.plot_left, axis_top});
    canvas.Line(Point{l.plot_left, l.plot_bottom},
                Point{l.plot_left + l.plot_width, l.plot_bottom});
  }
  DrawAxisTitles(canvas, chart, mid_base ? l.plot_bottom : l.plot_bottom - l.plot_height / 2);
  if (mid_base) {
    DrawMidValueScale(canvas, chart);
    DrawFlatCategoryAxis(canvas, chart, l.plot_bottom + l.plot_height / 2 + 8);
  } else {
    DrawFlatValueScale(canvas, chart);
    DrawFlatCategoryAxis(canvas, chart, l.plot_bottom + 8);
  }
}

// The floor and walls: back axes, front axes, the depth edges, the back top edge and the
// back right edge.
void DrawBox(Canvas& canvas, const ChartLayout& l, int d) {
  const int left = l.plot_left;
  const int bottom = l.plot_bottom;
  const int right = l.plot_left + l.plot_width;
  const int top = l.plot_bottom - l.plot_height;
  const int overhang = Truncate(0.2 * d);
  canvas.Line(Point{left + d, bottom - d}, Point{left + d, top - d});
  canvas.Line(Point{left + d, bottom - d}, Point{right + d, bottom - d});
  canvas.Line(Point{left, bottom + overhang}, Point{left, top});
  canvas.Line(Point{left - overhang, bottom}, Point{right, bottom});
  canvas.Line(Point{left, bottom}, Point{left + d, bottom - d});
  canvas.Line(Point{left, top}, Point{left + d, top - d});
  canvas.Line(Point{right, bottom}, Point{right + d, bottom - d});
  canvas.Line(Point{left + d, top - d}, Point{right + d, top - d});
  canvas.Line(Point{right + d, top - d}, Point{right + d, bottom - d});
}

// A tick left of the front axis at `y` and its line up the left wall in `colour`.
void DrawWallTick(Canvas& canvas, const ChartLayout& l, int d, int y, Colour colour) {
  canvas.Line(Point{l.plot_left - Truncate(0.2 * d), y}, Point{l.plot_left, y});
  ScopedPen pen(canvas, colour, 1);
  canvas.Line(Point{l.plot_left, y}, Point{l.plot_left + d, y - d});
}

void DrawDepthValueScale(Canvas& canvas, const ChartCtrl& chart, int d) {
  const ChartLayout& l = chart.layout();
  const int spacing = l.plot_height / chart.tick_count();
  for (int j = 1; j <= chart.tick_count(); ++j) {
    const int y = l.plot_bottom - j * spacing;
    DrawWallTick(canvas, l, d, y, kGrey);
    DrawValueLabel(canvas, chart, chart.scale_minimum() + j * chart.scale_step(), y);
    const int half_y =
        l.plot_bottom - Truncate(0.5 * j * spacing) - Truncate(0.5 * (j - 1) * spacing);
    DrawWallTick(canvas, l, d, half_y, kLightGrey);
  }
}

// A tick and a floor line at every group boundary, the caption under the group's middle.
void DrawDepthCategoryAxis(Canvas& canvas, const ChartCtrl& chart, int d) {
  const ChartLayout& l = chart.layout();
  const int count = chart.series_count();
  if (count == 0) return;
  const int group = l.plot_width / count;
  for (int s = 1; s <= count; ++s) {
    const int x = l.plot_left + s * group;
    canvas.Line(Point{x, l.plot_bottom + Truncate(0.2 * d)}, Point{x, l.plot_bottom});
    canvas.Line(Point{x, l.plot_bottom}, Point{x + d, l.plot_bottom - d});
    DrawSeriesCaption(canvas, chart, chart.series()[static_cast<std::size_t>(s - 1)].name(),
                      x - group / 2, l.plot_bottom + 8);
  }
}

void DrawDepthFrame(Canvas& canvas, const ChartCtrl& chart) {
  const ChartLayout& l = chart.layout();
  const int d = chart.depth();
  DrawBox(canvas, l, d);
  DrawAxisTitles(canvas, chart, l.plot_bottom - l.plot_height / 2);
  DrawDepthValueScale(canvas, chart, d);
  DrawDepthCategoryAxis(canvas, chart, d);
}

}  // namespace

void ChartCtrl::DrawFrame(Canvas& canvas) {
  canvas.SetTextColour(kBlack);
  if (HasDepthFrame(graph_type_)) {
    ShrinkForDepth();
    DrawDepthFrame(canvas, *this);
  } else {
    DrawFlatFrame(canvas, *this);
  }
}

void ChartCtrl::ShrinkForDepth() {
  depth_ = Truncate(layout_.plot_height * depth_ratio_);
  layout_.plot_width -= depth_;
  layout_.plot_height -= depth_;
}

}  // namespace kestrune::charts
