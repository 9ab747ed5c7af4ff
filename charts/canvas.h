#pragma once

#include <span>
#include <string>
#include <string_view>

#include "charts/colour.h"

namespace kestrune::charts {

// Device pixels, y growing downwards.
struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
};

// A rectangle by its edges; the right and bottom edges lie just outside what is painted.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// What a chart asks of a font. Escapement is in tenths of a degree: 0 reads left to
// right, 900 runs upwards. Weight 700 is bold.
struct Font {
  int height = 0;
  int escapement = 0;
  int weight = 700;
  std::string face = "Arial";
};

// Metrics of the selected font, in pixels.
struct TextMetrics {
  int height = 0;
  int average_char_width = 0;
  int max_char_width = 0;
};

// The drawing surface a chart draws into: a device context with just the operations the
// charts use. A fresh canvas holds a black one-pixel pen, a white brush, a readable
// default font and black text. Selections nest: each Restore undoes the latest Select of
// its kind. Shapes are outlined with the current pen and filled with the current brush.
class Canvas {
 public:
  Canvas() = default;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  virtual ~Canvas() = default;

  // Extent of the area the chart owns (the window's client area).
  virtual Size ClientSize() const = 0;

  virtual void SelectSolidBrush(Colour colour) = 0;
  virtual void RestoreBrush() = 0;
  virtual void SelectSolidPen(Colour colour, int width) = 0;
  virtual void RestorePen() = 0;
  virtual void SelectFont(const Font& font) = 0;
  virtual void RestoreFont() = 0;
  virtual void SetTextColour(Colour colour) = 0;

  // Metrics of the currently selected font.
  virtual TextMetrics GetTextMetrics() const = 0;

  virtual void Rectangle(const Rect& box) = 0;
  virtual void Ellipse(const Rect& box) = 0;
  // The slice of the ellipse inscribed in `box` between the radial through `start` and the
  // radial through `end`, running counter-clockwise on screen; equal radials give the whole
  // ellipse.
  virtual void Pie(const Rect& box, Point start, Point end) = 0;
  virtual void Polygon(std::span<const Point> points) = 0;
  virtual void Line(Point from, Point to) = 0;
  // Text in the current font and text colour; `at` is the top-left corner of the text
  // before any escapement turns it.
  virtual void TextOut(Point at, std::string_view text) = 0;

  // Tells the user something (an OK-only message box on screen).
  virtual void MessageBox(std::string_view text) = 0;
};

// Keeps a solid brush selected for its own lifetime.
class ScopedBrush {
 public:
  ScopedBrush(Canvas& canvas, Colour colour) : canvas_(canvas) { canvas_.SelectSolidBrush(colour); }
  ScopedBrush(const ScopedBrush&) = delete;
  ScopedBrush& operator=(const ScopedBrush&) = delete;
  ~ScopedBrush() { canvas_.RestoreBrush(); }

 private:
  Canvas& canvas_;
};

// Keeps a solid pen selected for its own lifetime.
class ScopedPen {
 public:
  ScopedPen(Canvas& canvas, Colour colour, int width) : canvas_(canvas) {
    canvas_.SelectSolidPen(colour, width);
  }
  ScopedPen(const ScopedPen&) = delete;
  ScopedPen& operator=(const ScopedPen&) = delete;
  ~ScopedPen() { canvas_.RestorePen(); }

 private:
  Canvas& canvas_;
};

// Keeps a font selected for its own lifetime.
class ScopedFont {
 public:
  ScopedFont(Canvas& canvas, const Font& font) : canvas_(canvas) { canvas_.SelectFont(font); }
  ScopedFont(const ScopedFont&) = delete;
  ScopedFont& operator=(const ScopedFont&) = delete;
  ~ScopedFont() { canvas_.RestoreFont(); }

 private:
  Canvas& canvas_;
};

// A face of uniform colour: filled with `colour` and outlined with a one-pixel pen of the
// same colour, so the face shows no black edge.
class ScopedFace {
 public:
  ScopedFace(Canvas& canvas, Colour colour) : brush_(canvas, colour), pen_(canvas, colour, 1) {}

 private:
  ScopedBrush brush_;
  ScopedPen pen_;
};

// Arial bold of the given height, the font of every chart text.
inline Font ArialBold(int height, int escapement = 0) {
  return Font{height, escapement, 700, "Arial"};
}

}  // namespace kestrune::charts
