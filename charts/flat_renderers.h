#pragma once

#include "charts/canvas.h"
#include "charts/chart_ctrl.h"

namespace kestrune::charts {

// The flat renderers. Each draws the chart's data inside the plot that Draw laid out, one
// group per series along the category axis (series s = 1 .. S, group width G = plot width
// / S, group centre at plot left - G/2 + s*G), and changes nothing in the chart. A chart
// without series or categories draws nothing. Negative values are skipped except by the
// bar chart with its base line at mid-height.

// One cluster of bars per series, 60% of the group wide, a bar per category.
void DrawBarChart(const ChartCtrl& chart, Canvas& canvas);

// The chart's level line across the whole plot, in red, at its value's height (at most the
// plot's top), its caption in bold above the line's left end.
void DrawLevelLine(const ChartCtrl& chart, Canvas& canvas);

// One line per category across the groups, with a round marker at each group.
void DrawLineGraph(const ChartCtrl& chart, Canvas& canvas);

// One stack per series, 60% of the group wide, category 0 at the bottom.
void DrawStackedBarChart(const ChartCtrl& chart, Canvas& canvas);

// One pie per series side by side, slices counter-clockwise from the left, each slice
// labelled with its percentage on a leader line; labels that would overlap are moved
// apart. Uses the canvas's current font for captions and labels.
void DrawPieChart(const ChartCtrl& chart, Canvas& canvas);

}  // namespace kestrune::charts
