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

// Draws the chart at `size` and encodes it as a file of `format` would hold it; nothing when
// it cannot be encoded. The caller writes the bytes, so the file is replaced as every other
// file is.
std::optional<QByteArray> EncodeChart(charts::ChartCtrl& chart, charts::Size size,
                                      ImageFormat format,
                                      std::vector<std::string>* messages = nullptr);

}  // namespace kestrune::render
