#include "charts/graph_type.h"

namespace kestrune::charts {

std::string_view GraphTypeName(int type) {
  switch (type) {
    case kBarChart:
      return "Bar chart";
    case kLineGraph:
      return "Line graph";
    case kPieChart:
      return "Pie chart";
    case kStackedBarChart:
      return "Stacked bar chart";
    case kBarChart3d:
      return "3D bar chart";
    case kLineGraph3d:
      return "3D line graph";
    case kPieChart3d:
      return "3D pie chart";
    case kStackedBarChart3d:
      return "3D stacked bar chart";
    default:
      return {};
  }
}

}  // namespace kestrune::charts
