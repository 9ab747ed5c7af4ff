// The three-dimensional pie chart: one pie per series with a thickness.
#include <cmath>

#include "charts/chart_arithmetic.h"
#include "charts/pie_geometry.h"
#include "charts/pie_labels.h"
#include "charts/renderers_3d.h"

namespace kestrune::charts {
namespace {

// Pi rounded to 3.14159, over 180: the rim points are placed with this value, and at the
// quarter angles it moves them by a pixel (180 degrees lands at cx + r - 1).
constexpr double kRadiansPerDegree = 0.017453277777777776;
constexpr int kDarker = -35;

// The point at `angle` degrees on the circle of radius r round `centre`, from the left
// running downwards; 360 closes a pixel above the start.
Point RimPoint(Point centre, int r, int angle) {
  if (angle == 360) return Point{centre.x - r, centre.y - 1};
  const double radians = angle * kRadiansPerDegree;
  return Point{Truncate(centre.x - r * std::cos(radians)),
               Truncate(centre.y + r * std::sin(radians))};
}

struct Pie3d {
  PieGeometry geometry;
  int x0 = 0;         // left edge of the top's square
  int thickness = 0;  // how far the shadow lies right of and below the top
  Point centre;       // of the top
  Point shadow_centre;
  bool starts_at_zero = false;  // the first slice is category 0's
};

Rect TopBox(const Pie3d& pie) {
  const int r = pie.geometry.radius;
  return Rect{pie.x0, pie.centre.y - r, pie.x0 + 2 * r, pie.centre.y + r};
}

Rect ShadowBox(const Pie3d& pie) {
  const Rect top = TopBox(pie);
  const int t = pie.thickness;
  return Rect{top.left + t, top.top + t, top.right + t, top.bottom + t};
}

// Where the first slice starts on the top (or, moved by the thickness, on the shadow).
Point StartPoint(const Pie3d& pie, int offset) {
  return Point{pie.x0 + offset, pie.centre.y + offset - (pie.starts_at_zero ? 1 : 0)};
}

// Where a slice edge meets the top's rim and the shadow's rim.
struct RimEdge {
  Point top;
  Point shadow;
};

RimEdge EdgeAt(const Pie3d& pie, int angle) {
  return RimEdge{RimPoint(pie.centre, pie.geometry.radius, angle),
                 RimPoint(pie.shadow_centre, pie.geometry.radius, angle)};
}

// The side face between two edges, then the shadow slice under it.
void DrawVisibleSide(Canvas& canvas, const Pie3d& pie, Colour colour, RimEdge from, RimEdge to) {
  ScopedFace face(canvas, colour);
  const Point side[] = {from.shadow, to.shadow, to.top, from.top};
  canvas.Polygon(side);
  canvas.Pie(ShadowBox(pie), from.shadow, to.shadow);
}

// A slice wholly in the upper half: its shadow slice, then the triangle closing it to the top.
void DrawHiddenSide(Canvas& canvas, const Pie3d& pie, Colour colour, RimEdge from, RimEdge to) {
  ScopedFace face(canvas, colour);
  canvas.Pie(ShadowBox(pie), from.shadow, to.shadow);
  const Point behind[] = {to.shadow, to.top, from.top};
  canvas.Polygon(behind);
}

// Side faces and shadow slices. While a slice reaches into the lower half its side face
// shows, in its own darker shade; slices wholly in the upper half lie behind the top and
// take the shade of the slice that crossed into the upper half.
void DrawSides(const ChartCtrl& chart, Canvas& canvas, const Pie3d& pie,
               const std::vector<PieSlice>& slices) {
  RimEdge previous{StartPoint(pie, 0), StartPoint(pie, pie.thickness)};
  int previous_quarter = 0;
  Colour remembered = kBlack;
  for (const PieSlice& slice : slices) {
    const int quarter = slice.end_angle / 90;
    const RimEdge edge = EdgeAt(pie, slice.end_angle);
    if (quarter < 2 || previous_quarter < 2) {
      const Colour dark = Shade(chart.ColourAt(slice.category), kDarker);
      if (quarter >= 2) remembered = dark;
      DrawVisibleSide(canvas, pie, dark, previous, edge);
    } else {
      DrawHiddenSide(canvas, pie, remembered, previous, edge);
    }
    previous = edge;
    previous_quarter = quarter;
  }
}

void DrawTop(const ChartCtrl& chart, Canvas& canvas, const Pie3d& pie,
             const std::vector<PieSlice>& slices) {
  Point previous = StartPoint(pie, 0);
  for (const PieSlice& slice : slices) {
    const Point end = RimPoint(pie.centre, pie.geometry.radius, slice.end_angle);
    ScopedFace face(canvas, chart.ColourAt(slice.category));
    canvas.Pie(TopBox(pie), previous, end);
    previous = end;
  }
}

void DrawLabels(Canvas& canvas, const Pie3d& pie, const std::vector<PieSlice>& slices) {
  std::vector<PieLabel> labels;
  for (const PieSlice& slice : slices) {
    const Point middle = RimPoint(pie.centre, pie.geometry.radius, slice.middle_angle);
    labels.push_back(MakePieLabel(pie.centre, middle, LabelSide(slice.middle_angle), pie.geometry,
                                  std::to_string(slice.percent) + "%"));
  }
  PlaceAndDrawPieLabels(canvas, std::move(labels), pie.geometry);
}

void DrawOnePie3d(const ChartCtrl& chart, Canvas& canvas, const PieGeometry& geometry, int s) {
  const ChartSeries& series = chart.series()[static_cast<std::size_t>(s - 1)];
  ScopedPen pen(canvas, kBlack, 1);
  ScopedBrush brush(canvas, kWhite);
  Pie3d pie;
  pie.geometry = geometry;
  pie.x0 = PieLeftEdge(chart.layout(), geometry, chart.series_count(), s);
  pie.thickness = Truncate(geometry.radius * chart.depth_ratio());
  pie.centre = Point{pie.x0 + geometry.radius, geometry.centre_y};
  pie.shadow_centre = Point{pie.centre.x + pie.thickness, pie.centre.y + pie.thickness};
  DrawPieCaption(canvas, geometry, pie.x0, series.name());
  const std::vector<PieSlice> slices = PieSlices(series, chart.category_count());
  pie.starts_at_zero = !slices.empty() && slices.front().category == 0;
  DrawSides(chart, canvas, pie, slices);
  DrawTop(chart, canvas, pie, slices);
  DrawLabels(canvas, pie, slices);
}

}  // namespace

void DrawPieChart3d(const ChartCtrl& chart, Canvas& canvas) {
  const int series = chart.series_count();
  if (series == 0) return;
  const PieGeometry geometry = ComputePieGeometry(chart.layout(), series, canvas.GetTextMetrics());
  if (geometry.radius < 1) return;  // no room for a pie
  for (int s = 1; s <= series; ++s) DrawOnePie3d(chart, canvas, geometry, s);
}

}  // namespace kestrune::charts
