#pragma once

#include <string>

#include "charts/chart_ctrl.h"
#include "render/chart_image.h"

namespace kestrune::cli {

// The ways a chart command hands a chart out: an image file, or its drawing calls as text.

// The largest width or height a chart is drawn at.
inline constexpr int kLargestChartSide = 8192;

// Reads WIDTHxHEIGHT (each 1 to kLargestChartSide) into `size`; false for anything else.
bool ParseChartSize(const std::string& text, charts::Size& size);

// Draws the chart on the recording canvas at `size` with fixed metrics (character height 16,
// average width 7, maximum width 14) and returns every call, one a line.
std::string ChartTraceText(charts::ChartCtrl& chart, charts::Size size);

// Draws the chart at `size` into `path` in `format`. Creates the QGuiApplication text needs
// (on the offscreen platform when no other is set), so none may exist yet. The file is
// replaced as ReplaceNamedFile does (a folder, device or FIFO there is refused). Returns the
// exit status: 0, or 3 with a message when the file cannot be written.
int WriteChartImage(charts::ChartCtrl& chart, charts::Size size, const std::string& path,
                    render::ImageFormat format);

}  // namespace kestrune::cli
