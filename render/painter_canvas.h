#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <functional>
#include <string>
#include <vector>

#include "charts/canvas.h"

namespace kestrune::render {

// A chart canvas on a QPainter (a widget, a QImage, an SVG generator or a printer),
// following the device-context conventions the charts are laid out for:
// - a rectangle, ellipse or pie box covers its left and top edges but not its right and
//   bottom ones;
// - a pie runs counter-clockwise from the radial through its start point to the radial
//   through its end point (equal radials: the whole ellipse);
// - a font height is the character cell's height (ascent plus descent), escapement 900
//   turns the text to run upwards, and "Arial" is drawn in Liberation Sans;
// - text is anchored at the top-left of its cell, drawn without a background.
// Shapes are not antialiased, as on the screen device context. The painter must stay
// active for the canvas's lifetime; the canvas restores the painter's pen, brush and font
// selections it made, not any other painter state.
class PainterCanvas final : public charts::Canvas {
 public:
  // `client` is the chart's area, from (0, 0). Messages go to `on_message` when given
  // (for example a message box in the shell), and are kept in messages() either way.
  PainterCanvas(QPainter& painter, charts::Size client,
                std::function<void(const std::string&)> on_message = {});

  const std::vector<std::string>& messages() const { return messages_; }

  charts::Size ClientSize() const override { return client_; }
  void SelectSolidBrush(charts::Colour colour) override;
  void RestoreBrush() override;
  void SelectSolidPen(charts::Colour colour, int width) override;
  void RestorePen() override;
  void SelectFont(const charts::Font& font) override;
  void RestoreFont() override;
  void SetTextColour(charts::Colour colour) override;
  charts::TextMetrics GetTextMetrics() const override;
  void Rectangle(const charts::Rect& box) override;
  void Ellipse(const charts::Rect& box) override;
  void Pie(const charts::Rect& box, charts::Point start, charts::Point end) override;
  void Polygon(std::span<const charts::Point> points) override;
  void Line(charts::Point from, charts::Point to) override;
  void TextOut(charts::Point at, std::string_view text) override;
  void MessageBox(std::string_view text) override;

 private:
  struct PenState {
    QColor colour;
    int width = 1;
  };
  struct FontState {
    QFont font;
    int escapement = 0;
  };

  void ApplyPen();

  QPainter& painter_;
  charts::Size client_;
  std::function<void(const std::string&)> on_message_;
  std::vector<std::string> messages_;
  std::vector<QColor> brushes_;
  std::vector<PenState> pens_;
  std::vector<FontState> fonts_;
  QColor text_colour_;
};

// The Qt font that draws a chart font: the face mapped ("Arial" to Liberation Sans), the
// weight kept, and a pixel size chosen so the cell height (ascent + descent) is `height`.
QFont QtFontFor(const charts::Font& wanted);

}  // namespace kestrune::render
