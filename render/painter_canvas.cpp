#include "render/painter_canvas.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrune::render {
namespace {

constexpr int kDefaultFontHeight = 16;

QColor ToQColor(charts::Colour colour) {
  return QColor(charts::RedOf(colour), charts::GreenOf(colour), charts::BlueOf(colour));
}

// The box a shape fills: its right and bottom edges lie just outside, so a stroked Qt rect
// (which grows by the pen) is one pixel narrower and shorter than the edge distances.
QRectF ShapeBox(const charts::Rect& box) {
  return QRectF(box.left, box.top, box.right - box.left - 1, box.bottom - box.top - 1);
}

bool IsEmpty(const charts::Rect& box) {
  return box.right <= box.left || box.bottom <= box.top;
}

// Angle in degrees, counter-clockwise from three o'clock, of the radial from `centre`
// through `p` (screen y grows downwards).
double RadialAngle(QPointF centre, charts::Point p) {
  return std::atan2(centre.y() - p.y, p.x - centre.x()) * 180.0 / std::numbers::pi;
}

}  // namespace

QFont QtFontFor(const charts::Font& wanted) {
  QFont font(wanted.face == "Arial" ? QStringLiteral("Liberation Sans")
                                    : QString::fromStdString(wanted.face));
  const int weight = wanted.weight <= 0 ? 400 : std::clamp(wanted.weight, 1, 1000);
  font.setWeight(static_cast<QFont::Weight>(weight));
  const int height = std::max(1, std::abs(wanted.height));
  font.setPixelSize(height);
  // The cell is taller than the em square Qt sizes by; scale so the cell fits `height`.
  const double cell = QFontMetricsF(font).height();
  if (cell > 0)
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * height / cell))));
  return font;
}

PainterCanvas::PainterCanvas(QPainter& painter, charts::Size client,
                             std::function<void(const std::string&)> on_message)
    : painter_(painter),
      client_(client),
      on_message_(std::move(on_message)),
      brushes_{QColor(Qt::white)},
      pens_{PenState{QColor(Qt::black), 1}},
      fonts_{FontState{QtFontFor(charts::Font{kDefaultFontHeight, 0, 400, "Arial"}), 0}},
      text_colour_(Qt::black) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setBrush(brushes_.back());
  ApplyPen();
}

void PainterCanvas::SelectSolidBrush(charts::Colour colour) {
  brushes_.push_back(ToQColor(colour));
  painter_.setBrush(brushes_.back());
}

void PainterCanvas::RestoreBrush() {
  if (brushes_.size() > 1) brushes_.pop_back();
  painter_.setBrush(brushes_.back());
}

void PainterCanvas::SelectSolidPen(charts::Colour colour, int width) {
  pens_.push_back(PenState{ToQColor(colour), std::max(1, width)});
  ApplyPen();
}

void PainterCanvas::RestorePen() {
  if (pens_.size() > 1) pens_.pop_back();
  ApplyPen();
}

// One-pixel lines leave out their last pixel; wider pens have round ends and joins.
void PainterCanvas::ApplyPen() {
  const PenState& pen = pens_.back();
  const bool thin = pen.width <= 1;
  painter_.setPen(QPen(pen.colour, pen.width, Qt::SolidLine, thin ? Qt::FlatCap : Qt::RoundCap,
                       thin ? Qt::MiterJoin : Qt::RoundJoin));
}

void PainterCanvas::SelectFont(const charts::Font& font) {
  fonts_.push_back(FontState{QtFontFor(font), font.escapement});
}

void PainterCanvas::RestoreFont() {
  if (fonts_.size() > 1) fonts_.pop_back();
}

void PainterCanvas::SetTextColour(charts::Colour colour) {
  text_colour_ = ToQColor(colour);
}

charts::TextMetrics PainterCanvas::GetTextMetrics() const {
  const QFontMetricsF metrics(fonts_.back().font, painter_.device());
  return charts::TextMetrics{static_cast<int>(std::lround(metrics.height())),
                             static_cast<int>(std::lround(metrics.averageCharWidth())),
                             static_cast<int>(std::lround(metrics.maxWidth()))};
}

void PainterCanvas::Rectangle(const charts::Rect& box) {
  if (!IsEmpty(box)) painter_.drawRect(ShapeBox(box));
}

void PainterCanvas::Ellipse(const charts::Rect& box) {
  if (!IsEmpty(box)) painter_.drawEllipse(ShapeBox(box));
}

void PainterCanvas::Pie(const charts::Rect& box, charts::Point start, charts::Point end) {
  if (IsEmpty(box)) return;
  const QPointF centre((box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0);
  const double from = RadialAngle(centre, start);
  double span = RadialAngle(centre, end) - from;
  if (span <= 0) span += 360.0;  // equal radials make the whole ellipse
  const QRectF shape = ShapeBox(box);
  QPainterPath path(shape.center());
  path.arcTo(shape, from, span);
  path.closeSubpath();
  painter_.drawPath(path);
}

void PainterCanvas::Polygon(std::span<const charts::Point> points) {
  QPolygon polygon;
  for (const charts::Point& p : points) polygon << QPoint(p.x, p.y);
  painter_.drawPolygon(polygon, Qt::OddEvenFill);
}

void PainterCanvas::Line(charts::Point from, charts::Point to) {
  painter_.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void PainterCanvas::TextOut(charts::Point at, std::string_view text) {
  const FontState& font = fonts_.back();
  painter_.save();
  painter_.setFont(font.font);
  painter_.setPen(text_colour_);
  painter_.translate(at.x, at.y);
  // Escapement turns counter-clockwise on screen; Qt's rotation runs clockwise.
  if (font.escapement != 0) painter_.rotate(-font.escapement / 10.0);
  const QFontMetricsF metrics(font.font, painter_.device());
  painter_.drawText(QPointF(0, metrics.ascent()),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  painter_.restore();
}

void PainterCanvas::MessageBox(std::string_view text) {
  messages_.emplace_back(text);
  if (on_message_) on_message_(messages_.back());
}

}  // namespace kestrune::render
