#pragma once

#include "charts/canvas.h"
#include "charts/chart_ctrl.h"

namespace kestrune::charts {

// The three-dimensional renderers: the flat graphs with an oblique depth running up and to
// the right at 45 degrees. Bars, stacks and ribbons draw in the plot the depth frame has
// shrunk and use its depth (chart.depth()), so DrawFrame of the same Draw must run first.
// Faces are filled and outlined in one colour: the category colour in front, 35 darker on
// the right, 35 lighter on top (see Shade). A chart without series draws nothing; negative
// values are skipped.

// One cluster of boxes per series, 80% of the group wide.
void DrawBarChart3d(const ChartCtrl& chart, Canvas& canvas);

// One stack of boxes per series, 80% of the group wide, category 0 at the bottom.
void DrawStackedBarChart3d(const ChartCtrl& chart, Canvas& canvas);

// One ribbon per category, from the back (category 0) to the front, each starting at the
// origin and passing through a point per series at the group boundaries; a segment face
// is dark when it climbs steeper than 45 degrees, light otherwise.
void DrawLineGraph3d(const ChartCtrl& chart, Canvas& canvas);

// One pie per series laid out as the flat pie, with a thickness of r times the depth
// ratio: side faces and the shadow below, then the top slices, then the percentage labels.
void DrawPieChart3d(const ChartCtrl& chart, Canvas& canvas);

}  // namespace kestrune::charts
