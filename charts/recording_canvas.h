#pragma once

#include <string>
#include <vector>

#include "charts/canvas.h"

namespace kestrune::charts {

// A canvas that draws nothing and writes down every call, one line of text per call, for
// tests and for tracing what a chart draws. The line format is stable:
//   brush #rrggbb            restore-brush
//   pen #rrggbb WIDTH        restore-pen
//   font HEIGHT ESCAPEMENT WEIGHT "FACE"   restore-font
//   text-colour #rrggbb
//   rect L T R B             ellipse L T R B
//   pie L T R B X1 Y1 X2 Y2  polygon X1 Y1 X2 Y2 ...
//   line X1 Y1 X2 Y2         text X Y "TEXT"
//   message "TEXT"
// Texts are quoted, with `"` and `\` escaped by a backslash and a line break written \n. Queries
// (client size, text metrics) are not written down; they answer with the fixed values given at
// construction.
class RecordingCanvas final : public Canvas {
 public:
  RecordingCanvas(Size client, TextMetrics metrics) : client_(client), metrics_(metrics) {}

  // Every call so far, in order.
  const std::vector<std::string>& calls() const { return calls_; }
  // All calls joined, each ending with a line break.
  std::string Text() const;

  Size ClientSize() const override { return client_; }
  void SelectSolidBrush(Colour colour) override;
  void RestoreBrush() override;
  void SelectSolidPen(Colour colour, int width) override;
  void RestorePen() override;
  void SelectFont(const Font& font) override;
  void RestoreFont() override;
  void SetTextColour(Colour colour) override;
  TextMetrics GetTextMetrics() const override { return metrics_; }
  void Rectangle(const Rect& box) override;
  void Ellipse(const Rect& box) override;
  void Pie(const Rect& box, Point start, Point end) override;
  void Polygon(std::span<const Point> points) override;
  void Line(Point from, Point to) override;
  void TextOut(Point at, std::string_view text) override;
  void MessageBox(std::string_view text) override;

 private:
  Size client_;
  TextMetrics metrics_;
  std::vector<std::string> calls_;
};

// "#rrggbb" of a 0x00BBGGRR colour.
std::string ColourText(Colour colour);

// `text` in double quotes, with `"` and `\` escaped and a line break written \n.
std::string QuotedText(std::string_view text);

}  // namespace kestrune::charts
