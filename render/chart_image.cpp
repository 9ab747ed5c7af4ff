#include "render/chart_image.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>

#include "render/painter_canvas.h"

namespace kestrune::render {
namespace {

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
  if (text.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<long>(suffix.size()),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) ==
                             std::tolower(static_cast<unsigned char>(b));
                    });
}

void DrawOn(QPainter& painter, charts::ChartCtrl& chart, charts::Size size,
            std::vector<std::string>* messages) {
  PainterCanvas canvas(painter, size);
  chart.Draw(canvas);
  if (messages)
    messages->insert(messages->end(), canvas.messages().begin(), canvas.messages().end());
}

std::optional<QByteArray> EncodeSvg(charts::ChartCtrl& chart, charts::Size size,
                                    std::vector<std::string>* messages) {
  QBuffer buffer;
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(size.width, size.height));
  generator.setViewBox(QRect(0, 0, size.width, size.height));
  // At the CSS 96 pixels per inch the file's physical size is `size` pixels.
  generator.setResolution(96);
  generator.setTitle(QString::fromStdString(chart.title()));
  QPainter painter;
  if (!painter.begin(&generator)) return std::nullopt;
  DrawOn(painter, chart, size, messages);
  if (!painter.end()) return std::nullopt;
  return buffer.data();
}

}  // namespace

std::optional<ImageFormat> ImageFormatFor(const std::string& path) {
  if (EndsWithNoCase(path, ".png")) return ImageFormat::kPng;
  if (EndsWithNoCase(path, ".svg")) return ImageFormat::kSvg;
  return std::nullopt;
}

QImage RenderChartImage(charts::ChartCtrl& chart, charts::Size size,
                        std::vector<std::string>* messages) {
  QImage image(size.width, size.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawOn(painter, chart, size, messages);
  return image;
}

std::optional<QByteArray> EncodeChart(charts::ChartCtrl& chart, charts::Size size,
                                      ImageFormat format, std::vector<std::string>* messages) {
  if (format == ImageFormat::kSvg) return EncodeSvg(chart, size, messages);
  const QImage image = RenderChartImage(chart, size, messages);
  QBuffer buffer;
  if (image.isNull() || !image.save(&buffer, "PNG")) return std::nullopt;
  return buffer.data();
}

}  // namespace kestrune::render
