#include "charts/recording_canvas.h"

#include <cstdio>

namespace kestrune::charts {
namespace {

std::string Numbers(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) {
    out += ' ';
    out += std::to_string(v);
  }
  return out;
}

std::string BoxText(const Rect& box) {
  return Numbers({box.left, box.top, box.right, box.bottom});
}

}  // namespace

std::string ColourText(Colour colour) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", RedOf(colour), GreenOf(colour),
                BlueOf(colour));
  return buffer;
}

std::string QuotedText(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";  // keeps one call per line
      continue;
    }
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + '"';
}

std::string RecordingCanvas::Text() const {
  std::string out;
  for (const std::string& call : calls_) out += call + '\n';
  return out;
}

void RecordingCanvas::SelectSolidBrush(Colour colour) {
  calls_.push_back("brush " + ColourText(colour));
}

void RecordingCanvas::RestoreBrush() {
  calls_.push_back("restore-brush");
}

void RecordingCanvas::SelectSolidPen(Colour colour, int width) {
  calls_.push_back("pen " + ColourText(colour) + Numbers({width}));
}

void RecordingCanvas::RestorePen() {
  calls_.push_back("restore-pen");
}

void RecordingCanvas::SelectFont(const Font& font) {
  calls_.push_back("font" + Numbers({font.height, font.escapement, font.weight}) + ' ' +
                   QuotedText(font.face));
}

void RecordingCanvas::RestoreFont() {
  calls_.push_back("restore-font");
}

void RecordingCanvas::SetTextColour(Colour colour) {
  calls_.push_back("text-colour " + ColourText(colour));
}

void RecordingCanvas::Rectangle(const Rect& box) {
  calls_.push_back("rect" + BoxText(box));
}

void RecordingCanvas::Ellipse(const Rect& box) {
  calls_.push_back("ellipse" + BoxText(box));
}

void RecordingCanvas::Pie(const Rect& box, Point start, Point end) {
  calls_.push_back("pie" + BoxText(box) + Numbers({start.x, start.y, end.x, end.y}));
}

void RecordingCanvas::Polygon(std::span<const Point> points) {
  std::string call = "polygon";
  for (const Point& p : points) call += Numbers({p.x, p.y});
  calls_.push_back(call);
}

void RecordingCanvas::Line(Point from, Point to) {
  calls_.push_back("line" + Numbers({from.x, from.y, to.x, to.y}));
}

void RecordingCanvas::TextOut(Point at, std::string_view text) {
  calls_.push_back("text" + Numbers({at.x, at.y}) + ' ' + QuotedText(text));
}

void RecordingCanvas::MessageBox(std::string_view text) {
  calls_.push_back("message " + QuotedText(text));
}

}  // namespace kestrune::charts
