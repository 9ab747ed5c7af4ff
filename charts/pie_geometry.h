#pragma once

#include <string>
#include <vector>

#include "charts/canvas.h"
#include "charts/chart_layout.h"
#include "charts/chart_series.h"

namespace kestrune::charts {

// The size and vertical place shared by all pies of a chart, from the plot and the
// current font: text height H = character height + 6, text width W = maximum character
// width + 10, radius r = (min(plot width, plot height) / S - 3W) / 3 and centre y
// (plot height + 60) / 2.
struct PieGeometry {
  int text_height = 0;
  int text_width = 0;
  int radius = 0;
  int centre_y = 0;
};

PieGeometry ComputePieGeometry(const ChartLayout& layout, int series_count,
                               const TextMetrics& metrics);

// Left edge of the bounding square of pie s (1 .. S): centred in the plot for a single
// pie, else centred on the (2s - 1)/(2S) mark of the plot width plus 15 pixels.
int PieLeftEdge(const ChartLayout& layout, const PieGeometry& pie, int series_count, int s);

// Draws the series name under pie whose square starts at `x0`, in the current font.
void DrawPieCaption(Canvas& canvas, const PieGeometry& pie, int x0, const std::string& name);

// One slice: its category, value, the whole-degree angles where it ends and where its
// middle lies (counted from the left, running down and round), and its percentage.
struct PieSlice {
  int category = 0;
  int value = 0;
  int end_angle = 0;
  int middle_angle = 0;
  int percent = 0;
};

// The slices of a series over categories 0 .. count-1, in order. Values below 1 get no
// slice; the total counts only the values that get one, so the last slice always ends at
// 360 degrees.
std::vector<PieSlice> PieSlices(const ChartSeries& series, int category_count);

// The point for `angle` (0..360) on the diamond inscribed in the square from (x0, cy - r)
// to (x0 + 2r, cy + r), proportional to the angle along each side: left corner at 0,
// bottom at 90, right at 180, top at 270; 360 gives (x0, cy - 1), just above the start.
Point DiamondPoint(int x0, int cy, int r, int angle);

// Which side of the pie an angle's label goes to: the quarter angle / 90, where 360 (a
// last slice's middle when its value is 1) counts with the upper-left quarter.
int LabelSide(int angle);

}  // namespace kestrune::charts
