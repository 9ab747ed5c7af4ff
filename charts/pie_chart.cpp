// The flat pie chart: one pie per series.
#include "charts/flat_renderers.h"
#include "charts/pie_geometry.h"
#include "charts/pie_labels.h"

namespace kestrune::charts {
namespace {

std::string PercentText(int percent) {
  return std::to_string(percent) + "%";
}

void DrawFlatPie(const ChartCtrl& chart, Canvas& canvas, const PieGeometry& pie, int s) {
  const ChartSeries& series = chart.series()[static_cast<std::size_t>(s - 1)];
  const int r = pie.radius;
  const int cy = pie.centre_y;
  const int x0 = PieLeftEdge(chart.layout(), pie, chart.series_count(), s);
  DrawPieCaption(canvas, pie, x0, series.name());
  const std::vector<PieSlice> slices = PieSlices(series, chart.category_count());
  const Rect box{x0, cy - r, x0 + 2 * r, cy + r};
  // Starting a pixel above the left corner lets a single slice close into a full circle.
  Point start{x0, (!slices.empty() && slices.front().category == 0) ? cy - 1 : cy};
  std::vector<PieLabel> labels;
  for (const PieSlice& slice : slices) {
    const Point end = DiamondPoint(x0, cy, r, slice.end_angle);
    {
      ScopedFace face(canvas, chart.ColourAt(slice.category));
      canvas.Pie(box, start, end);
    }
    labels.push_back(MakePieLabel(Point{x0 + r, cy}, DiamondPoint(x0, cy, r, slice.middle_angle),
                                  LabelSide(slice.middle_angle), pie, PercentText(slice.percent)));
    start = end;
  }
  PlaceAndDrawPieLabels(canvas, std::move(labels), pie);
}

}  // namespace

void DrawPieChart(const ChartCtrl& chart, Canvas& canvas) {
  const int series = chart.series_count();
  if (series == 0) return;
  const PieGeometry pie = ComputePieGeometry(chart.layout(), series, canvas.GetTextMetrics());
  if (pie.radius < 1) return;  // no room for a pie
  for (int s = 1; s <= series; ++s) DrawFlatPie(chart, canvas, pie, s);
}

}  // namespace kestrune::charts
