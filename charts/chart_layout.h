#pragma once

namespace kestrune::charts {

// Where a chart draws, recomputed by every Draw from the client size. The plot's left edge
// is the value axis and its bottom the category axis (the base line); the plot runs up
// from the bottom and right from the left edge.
struct ChartLayout {
  int area_width = 0;   // client width - 5
  int area_height = 0;  // client height - 20
  int plot_left = 0;
  int plot_bottom = 0;
  int plot_width = 0;
  int plot_height = 0;
};

}  // namespace kestrune::charts
