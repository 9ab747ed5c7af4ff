#pragma once

#include <array>
#include <string_view>

namespace kestrune::charts {

// The graph type codes a chart is created with; each selects one renderer.
inline constexpr int kBarChart = 0;
inline constexpr int kLineGraph = 1;
inline constexpr int kPieChart = 2;
inline constexpr int kStackedBarChart = 20;
inline constexpr int kBarChart3d = 30;
inline constexpr int kLineGraph3d = 31;
inline constexpr int kPieChart3d = 32;
inline constexpr int kStackedBarChart3d = 320;

inline constexpr std::array<int, 8> kGraphTypes = {
    kBarChart,   kLineGraph,   kPieChart,   kStackedBarChart,
    kBarChart3d, kLineGraph3d, kPieChart3d, kStackedBarChart3d};

// Pies get no frame and a layout of their own.
constexpr bool IsPieType(int type) {
  return type == kPieChart || type == kPieChart3d;
}

// The types drawn in the three-dimensional frame (the 3D pie has no frame).
constexpr bool HasDepthFrame(int type) {
  return type == kBarChart3d || type == kLineGraph3d || type == kStackedBarChart3d;
}

// The menu text of a graph type ("Bar chart", "3D pie chart", ...); empty for an unknown
// code.
std::string_view GraphTypeName(int type);

}  // namespace kestrune::charts
