#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "charts/chart_ctrl.h"
#include "charts/recording_canvas.h"

namespace kestrune::charts::testing {

// The metrics every chart test draws with: character height 16, average width 7,
// maximum width 14 (so a pie's text height is 22 and text width 24).
inline constexpr TextMetrics kMetrics{16, 7, 14};

// One drawn shape read back from a recording: its kind ("rect", "line", "text", ...), its
// numbers, its text, and the brush and font height it was drawn with.
struct Shape {
  std::string kind;
  std::vector<int> n;
  std::string text;
  std::string brush;
  int font = 0;
};

// The shapes of a recording, in order; selections and restores only set brush and font.
inline std::vector<Shape> ReadShapes(const std::vector<std::string>& calls) {
  std::vector<std::string> brushes{""};
  std::vector<int> fonts{0};
  std::vector<Shape> shapes;
  for (const std::string& call : calls) {
    std::istringstream in(call);
    Shape shape;
    in >> shape.kind;
    if (shape.kind == "brush") {
      brushes.emplace_back();
      in >> brushes.back();
    } else if (shape.kind == "restore-brush") {
      if (brushes.size() > 1) brushes.pop_back();
    } else if (shape.kind == "font") {
      in >> fonts.emplace_back();
    } else if (shape.kind == "restore-font") {
      if (fonts.size() > 1) fonts.pop_back();
    } else if (shape.kind.find('-') == std::string::npos && shape.kind != "pen") {
      for (int value = 0; in >> value;) shape.n.push_back(value);
      if (const size_t quote = call.find('"'); quote != std::string::npos)
        shape.text = call.substr(quote + 1, call.size() - quote - 2);
      shape.brush = brushes.back();
      shape.font = fonts.back();
      shapes.push_back(shape);
    }
  }
  return shapes;
}

// The shapes of one whole Draw at `size`.
inline std::vector<Shape> DrawShapes(ChartCtrl& chart, Size size) {
  RecordingCanvas canvas(size, kMetrics);
  chart.Draw(canvas);
  return ReadShapes(canvas.calls());
}

// Only the graph's shapes: Draw lays the chart out (and the frame shrinks it for depth),
// then the graph is drawn once more on a fresh canvas.
inline std::vector<Shape> GraphShapes(ChartCtrl& chart, Size size) {
  RecordingCanvas layout(size, kMetrics);
  chart.Draw(layout);
  RecordingCanvas canvas(size, kMetrics);
  chart.DrawGraph(canvas);
  return ReadShapes(canvas.calls());
}

// The shapes of one kind, in order.
inline std::vector<Shape> OfKind(const std::vector<Shape>& shapes, const std::string& kind) {
  std::vector<Shape> out;
  for (const Shape& shape : shapes)
    if (shape.kind == kind) out.push_back(shape);
  return out;
}

// A series with the given values keyed 0, 1, 2, ...
inline ChartSeries SeriesOf(const std::string& name, const std::vector<int>& values) {
  ChartSeries series(name);
  for (size_t i = 0; i < values.size(); ++i) series.AddPoint(static_cast<int>(i), values[i]);
  return series;
}

}  // namespace kestrune::charts::testing
