#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "charts/chart_ctrl.h"

namespace kestrune::render {

// Files a chart can be written to.
enum class ImageFormat { kPng, kSvg };

// The format named by a file's extension (".png" or ".svg", any case); none otherwise.
std::optional<ImageFormat> ImageFormatFor(const std::string& path);

// Everything below draws text, so a QGuiApplication must exist.

// Draws the chart on a new image of `size` pixels. Messages the chart shows (an unknown
// graph type) are appended to `messages` when given.
QImage RenderChartImage(charts::ChartCtrl& chart, charts::Size size,
                        std::vector<std::string>* messages = nullptr);

// Draws the chart at `size` and writes it to `path` in `format`; false when the file
// cannot be written.
[[nodiscard]] bool SaveChart(charts::ChartCtrl& chart, charts::Size size, const std::string& path,
                             ImageFormat format, std::vector<std::string>* messages = nullptr);

}  // namespace kestrune::render
