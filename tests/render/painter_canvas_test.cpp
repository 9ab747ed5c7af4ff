// The QPainter canvas keeps the device-context conventions the chart layout relies on.
#include "render/painter_canvas.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <functional>

#include "charts/chart_ctrl.h"

namespace kestrune::render {
namespace {

using charts::Point;
using charts::Rect;
using charts::Rgb;

constexpr QRgb kWhitePixel = 0xffffffff;
constexpr QRgb kBlackPixel = 0xff000000;
constexpr QRgb kRedPixel = 0xffff0000;

// A white picture of the given size with what `draw` draws on it.
QImage Painted(int width, int height, const std::function<void(PainterCanvas&)>& draw) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PainterCanvas canvas(painter, charts::Size{width, height});
    draw(canvas);
  }
  return image;
}

TEST(PainterCanvas, RectangleLeavesOutItsRightAndBottomEdges) {
  const QImage image = Painted(40, 40, [](PainterCanvas& canvas) {
    canvas.SelectSolidBrush(Rgb(255, 0, 0));
    canvas.Rectangle(Rect{10, 10, 20, 20});
    canvas.RestoreBrush();
  });
  EXPECT_EQ(image.pixel(10, 10), kBlackPixel);  // outline in the default pen
  EXPECT_EQ(image.pixel(19, 19), kBlackPixel);
  EXPECT_EQ(image.pixel(15, 15), kRedPixel);
  EXPECT_EQ(image.pixel(20, 15), kWhitePixel);
  EXPECT_EQ(image.pixel(15, 20), kWhitePixel);
}

// The pie's quarters (upper left, upper right, lower left, lower right), "R" where red.
std::string PieQuarters(Point start, Point end) {
  const QImage image = Painted(41, 41, [&](PainterCanvas& canvas) {
    canvas.SelectSolidBrush(Rgb(255, 0, 0));
    canvas.SelectSolidPen(Rgb(255, 0, 0), 1);
    canvas.Pie(Rect{0, 0, 41, 41}, start, end);
  });
  std::string red;
  for (const QPoint p : {QPoint(12, 12), QPoint(28, 12), QPoint(12, 28), QPoint(28, 28)}) {
    red += image.pixel(p) == kRedPixel ? "R" : "-";
  }
  return red;
}

TEST(PainterCanvas, PieRunsCounterClockwiseFromStartToEnd) {
  // From the left corner to the bottom: the lower-left quarter only.
  EXPECT_EQ(PieQuarters(Point{0, 20}, Point{20, 40}), "--R-");
  EXPECT_EQ(PieQuarters(Point{0, 19}, Point{0, 19}), "RRRR");  // equal radials: a whole pie
}

// Escapement 900 turns the text to run upwards from its anchor, its top facing left.
TEST(PainterCanvas, UpwardTextRunsUpFromItsAnchorInLiberationSans) {
  const QImage image = Painted(60, 140, [](PainterCanvas& canvas) {
    canvas.SelectFont(charts::ArialBold(16, 900));
    canvas.TextOut(Point{20, 120}, "Expenses");
  });
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != kWhitePixel) ink |= QRect(x, y, 1, 1);
    }
  }
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 20);
  EXPECT_LE(ink.right(), 20 + 16);
  EXPECT_LE(ink.bottom(), 120);
  EXPECT_GT(ink.height(), 3 * ink.width());
  // Arial is Liberation Sans, with the cell height asked.
  const QFont font = QtFontFor(charts::ArialBold(24));
  EXPECT_EQ(font.family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(font.weight(), QFont::Bold);
  EXPECT_NEAR(QFontMetricsF(font).height(), 24.0, 1.5);
}

TEST(PainterCanvas, MessagesAreKeptAndPassedOn) {
  QImage image(10, 10, QImage::Format_RGB32);
  QPainter painter(&image);
  std::string shown;
  PainterCanvas canvas(painter, charts::Size{10, 10},
                       [&shown](const std::string& text) { shown = text; });
  charts::ChartCtrl chart(7);
  chart.Draw(canvas);
  EXPECT_EQ(shown, "No graph type to display");
  EXPECT_EQ(canvas.messages(), std::vector<std::string>{"No graph type to display"});
}

}  // namespace
}  // namespace kestrune::render
