#pragma once

#include <string>
#include <vector>

#include "charts/chart_ctrl.h"
#include "charts/recording_canvas.h"

namespace kestrune::charts::testing {

using Calls = std::vector<std::string>;

// The metrics every chart test draws with: character height 16, average width 7,
// maximum width 14 (so a pie's text height is 22 and text width 24).
inline constexpr TextMetrics kMetrics{16, 7, 14};

// Every call of one Draw at `size`.
inline Calls DrawCalls(ChartCtrl& chart, Size size) {
  RecordingCanvas canvas(size, kMetrics);
  chart.Draw(canvas);
  return canvas.calls();
}

// Only the renderer's calls: Draw lays the chart out (and the frame shrinks it for
// depth), then the graph is drawn once more on a fresh canvas.
inline Calls GraphCalls(ChartCtrl& chart, Size size) {
  RecordingCanvas layout(size, kMetrics);
  chart.Draw(layout);
  RecordingCanvas canvas(size, kMetrics);
  chart.DrawGraph(canvas);
  return canvas.calls();
}

// The calls that start with `prefix`, in order.
inline Calls Starting(const Calls& calls, const std::string& prefix) {
  Calls out;
  for (const std::string& call : calls) {
    if (call.rfind(prefix, 0) == 0) out.push_back(call);
  }
  return out;
}

// The calls after the first one equal to `marker` (none when it is missing).
inline Calls After(const Calls& calls, const std::string& marker) {
  for (size_t i = 0; i < calls.size(); ++i) {
    if (calls[i] == marker) return Calls(calls.begin() + static_cast<long>(i) + 1, calls.end());
  }
  return {};
}

// A series with the given values keyed 0, 1, 2, ...
inline ChartSeries SeriesOf(const std::string& name, const std::vector<int>& values) {
  ChartSeries series(name);
  for (size_t i = 0; i < values.size(); ++i) series.AddPoint(static_cast<int>(i), values[i]);
  return series;
}

}  // namespace kestrune::charts::testing
