#include "charts/chart_series.h"

namespace kestrune::charts {

int ChartSeries::ValueFor(int key) const {
  for (const ChartPoint& point : points_) {
    if (point.key == key) return point.value;
  }
  return 0;
}

}  // namespace kestrune::charts
