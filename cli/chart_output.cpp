#include "cli/chart_output.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "charts/recording_canvas.h"
#include "database/named_file.h"
#include "cli/cli_run.h"

namespace kestrune::cli {
namespace {

// The metrics a trace answers with, whatever the font, so traces are the same everywhere.
constexpr charts::TextMetrics kTraceMetrics{16, 7, 14};

}  // namespace

bool ParseChartSize(const std::string& text, charts::Size& size) {
  int width = 0;
  int height = 0;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &tail) != 2) return false;
  if (width < 1 || height < 1 || width > kLargestChartSide || height > kLargestChartSide) {
    return false;
  }
  size = charts::Size{width, height};
  return true;
}

std::string ChartTraceText(charts::ChartCtrl& chart, charts::Size size) {
  charts::RecordingCanvas canvas(size, kTraceMetrics);
  chart.Draw(canvas);
  return canvas.Text();
}

int WriteChartImage(charts::ChartCtrl& chart, charts::Size size, const std::string& path,
                    render::ImageFormat format) {
  // Text needs a QGuiApplication; without a display it runs on the offscreen platform.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int argc = 1;
  char name[] = "kestrune-cli";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  const std::optional<QByteArray> bytes = render::EncodeChart(chart, size, format);
  if (!bytes) {
    std::cerr << "Cannot draw the chart as " << path << "\n";
    return kExitDatabase;
  }
  PosixFileSystem fs;
  const Status written = ReplaceNamedFile(fs, path, bytes->toStdString());
  if (!written.ok()) std::cerr << "Cannot write the chart: " << written.message() << "\n";
  return written.ok() ? kExitOk : kExitDatabase;
}

}  // namespace kestrune::cli
