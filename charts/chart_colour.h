#pragma once

#include "charts/colour.h"

namespace kestrune::charts {

// One entry of the chart's colour list: the palette slot it came from and its colour.
struct ChartColour {
  int key = 0;
  Colour colour = 0;
};

}  // namespace kestrune::charts
