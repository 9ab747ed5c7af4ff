#include "charts/pie_geometry.h"

#include <algorithm>

#include "charts/chart_arithmetic.h"
#include "charts/text_length.h"

namespace kestrune::charts {

PieGeometry ComputePieGeometry(const ChartLayout& layout, int series_count,
                               const TextMetrics& metrics) {
  PieGeometry pie;
  pie.text_height = metrics.height + 6;
  pie.text_width = metrics.max_char_width + 10;
  pie.radius =
      (std::min(layout.plot_width, layout.plot_height) / series_count - 3 * pie.text_width) / 3;
  pie.centre_y = (layout.plot_height + 60) / 2;
  return pie;
}

int PieLeftEdge(const ChartLayout& layout, const PieGeometry& pie, int series_count, int s) {
  if (series_count == 1) return layout.plot_left + layout.plot_width / 2 - pie.radius;
  return (layout.plot_width / series_count / 2) * (2 * s - 1) + layout.plot_left - pie.radius + 15;
}

void DrawPieCaption(Canvas& canvas, const PieGeometry& pie, int x0, const std::string& name) {
  const int r = pie.radius;
  canvas.TextOut(Point{x0 + r - (8 * CharacterCount(name)) / 2,
                       pie.centre_y + Truncate(1.5 * r) + pie.text_height + 15},
                 name);
}

std::vector<PieSlice> PieSlices(const ChartSeries& series, int category_count) {
  double total = 0;
  for (int c = 0; c < category_count; ++c) {
    if (series.ValueFor(c) >= 1) total += series.ValueFor(c);
  }
  std::vector<PieSlice> slices;
  double running = 0;
  for (int c = 0; c < category_count; ++c) {
    const int v = series.ValueFor(c);
    if (v < 1) continue;
    running += v;
    const double end_percent = running / total * 100;
    const double middle_percent = (running - v / 2) / total * 100;
    slices.push_back(PieSlice{c, v, Truncate(end_percent * 360 * 0.01),
                              Truncate(middle_percent * 360 * 0.01), Truncate(v * 100.0 / total)});
  }
  return slices;
}

Point DiamondPoint(int x0, int cy, int r, int angle) {
  const int p = angle * r / 90;
  switch (angle / 90) {
    case 0:
      return Point{x0 + p, cy + p};
    case 1:
      return Point{x0 + p, cy + 2 * r - p};
    case 2:
      return Point{x0 + 4 * r - p, cy + 2 * r - p};
    case 3:
      return Point{x0 + 4 * r - p, cy + p - 4 * r};
    default:
      return Point{x0, cy - 1};
  }
}

int LabelSide(int angle) {
  return std::clamp(angle / 90, 0, 3);
}

}  // namespace kestrune::charts
