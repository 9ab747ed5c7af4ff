#include "charts/chart_ctrl.h"

#include <algorithm>
#include <climits>

#include "charts/chart_arithmetic.h"
#include "charts/flat_renderers.h"
#include "charts/graph_type.h"
#include "charts/palette.h"
#include "charts/renderers_3d.h"
#include "charts/text_length.h"

namespace kestrune::charts {
namespace {

constexpr int kTitleStartSize = 24;
constexpr int kLegendHeadingSize = 16;
constexpr int kLegendRowHeight = 18;
constexpr int kNoValuesSize = 16;
constexpr const char* kNoValuesNote = "No purchases to show";
// The legend takes at most this share of the area's width, however long the names.
constexpr int kLegendWidthShare = 4;

// `text` cut to `most` characters (code points), the last three of them "..." when cut.
std::string Shortened(const std::string& text, int most) {
  if (CharacterCount(text) <= most) return text;
  const int kept = std::max(most - 3, 0);
  int count = 0;
  std::size_t end = 0;
  for (; end < text.size(); ++end) {
    const bool starts_character = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
    if (starts_character && count++ == kept) break;
  }
  return text.substr(0, end) + "...";
}

}  // namespace

void ChartCtrl::SetXAxisTitle(std::string text) {
  x_axis_title_length_ = CharacterCount(text);
  x_axis_title_ = std::move(text);
}

void ChartCtrl::SetYAxisTitle(std::string text) {
  y_axis_title_length_ = CharacterCount(text);
  y_axis_title_ = std::move(text);
}

void ChartCtrl::AddLabel(int key, std::string text) {
  longest_label_length_ = std::max(longest_label_length_, CharacterCount(text));
  labels_.Add(key, std::move(text));
  has_labels_ = true;
}

bool ChartCtrl::SetScale(int minimum, int maximum, int step) {
  if (step < 1 || maximum <= minimum) return false;
  const long long range = static_cast<long long>(maximum) - minimum;
  const long long ticks = range / step + (range % step != 0 ? 1 : 0);
  // The frame labels the ticks minimum + j * step and maximum - j * step for j up to the
  // tick count: each label must be an int.
  if (minimum + ticks * step > INT_MAX || maximum - ticks * step < INT_MIN) return false;
  scale_minimum_ = minimum;
  scale_maximum_ = maximum;
  scale_step_ = step;
  tick_count_ = static_cast<int>(ticks);
  return true;
}

Colour ChartCtrl::ColourAt(int position) const {
  if (position < 0 || position >= static_cast<int>(colours_.size())) return kBlack;
  return colours_[static_cast<std::size_t>(position)].colour;
}

void ChartCtrl::AddStandardColours(int category_count) {
  for (const ChartColour& entry : StandardColourEntries(category_count)) {
    AddColour(entry.key, entry.colour);
  }
}

void ChartCtrl::AddSeries(ChartSeries series) {
  category_count_ = std::max(category_count_, series.PointCount());
  series_.push_back(std::move(series));
}

void ChartCtrl::Draw(Canvas& canvas) {
  DrawBackgroundAndTitle(canvas);
  LayOutPlot();
  // The plot ends 10 pixels before the legend box.
  if (has_labels_) layout_.plot_width = DrawLegend(canvas) - layout_.plot_left - 10;
  ApplyQuadrant();
  if (!IsPieType(graph_type_)) DrawFrame(canvas);
  DrawGraph(canvas);
  if (graph_type_ == kBarChart && level_line_) DrawLevelLine(*this, canvas);
}

bool ChartCtrl::HasValues() const {
  return std::any_of(series_.begin(), series_.end(), [](const ChartSeries& s) {
    return std::any_of(s.points().begin(), s.points().end(),
                       [](const ChartPoint& point) { return point.value != 0; });
  });
}

void ChartCtrl::DrawNoValuesNote(Canvas& canvas) {
  const Size client = canvas.ClientSize();
  ScopedFont font(canvas, ArialBold(kNoValuesSize));
  const TextMetrics metrics = canvas.GetTextMetrics();
  canvas.SetTextColour(kBlack);
  const int width = CharacterCount(kNoValuesNote) * metrics.average_char_width;
  canvas.TextOut(Point{(client.width - width) / 2, (client.height - metrics.height) / 2},
                 kNoValuesNote);
}

void ChartCtrl::DrawBackgroundAndTitle(Canvas& canvas) {
  const Size client = canvas.ClientSize();
  {
    ScopedBrush white(canvas, kWhite);
    canvas.Rectangle(Rect{0, 0, client.width, client.height});
  }
  layout_.area_height = client.height - 20;
  layout_.area_width = client.width - 5;
  const int length = CharacterCount(title_);
  ScopedFont font(canvas, ArialBold(FittedFontSize(kTitleStartSize, length, layout_.area_width)));
  const TextMetrics metrics = canvas.GetTextMetrics();
  // Centred on the client width, then moved right by nine characters.
  canvas.TextOut(Point{client.width / 2 + (9 - length / 2) * metrics.average_char_width, 7},
                 title_);
}

void ChartCtrl::LayOutPlot() {
  ChartLayout& l = layout_;
  if (IsPieType(graph_type_)) {
    l.plot_left = 5;
    l.plot_width = l.area_width - 10;
    l.plot_height = l.area_height - 50;
    l.plot_bottom = l.area_height - 5;
    return;
  }
  // Room for the widest scale label: half the value font size per digit.
  const int digits = static_cast<int>(DecimalText(scale_maximum_).size());
  l.plot_left = (value_font_size_ / 2) * digits + 50;
  l.plot_bottom = l.area_height - 50;
  l.plot_height = l.plot_bottom - 40;
  l.plot_width = l.area_width - l.plot_left - 5;
}

void ChartCtrl::ApplyQuadrant() {
  quadrant_ = 1;
  if (graph_type_ != kBarChart) return;
  int smallest_key = 0;
  int smallest_value = 0;
  for (const ChartSeries& s : series_) {
    smallest_key = std::min(smallest_key, s.FirstKey());
    smallest_value = std::min(smallest_value, s.FirstValue());
  }
  const bool key_negative = smallest_key < 0;
  const bool value_negative = smallest_value < 0;
  quadrant_ = value_negative ? (key_negative ? 4 : 3) : (key_negative ? 2 : 1);
  if (key_negative) layout_.plot_left += layout_.plot_width / 2;
  if (value_negative) layout_.plot_bottom -= layout_.plot_height / 2;
}

int ChartCtrl::DrawLegend(Canvas& canvas) {
  const int right = layout_.area_width - 5;
  const int box_height = kLegendRowHeight * category_count_ + 26;
  const int top = layout_.area_height / 2 - box_height / 2;
  const int text_width = std::min(labels_.LongestLength() * Truncate(legend_font_size_ * 0.66),
                                  layout_.area_width / kLegendWidthShare);
  const int left = right - text_width - 25;
  legend_width_ = right - left;
  canvas.Rectangle(Rect{left, top, right, top + box_height});
  {
    ScopedFont heading(canvas, ArialBold(kLegendHeadingSize));
    const TextMetrics metrics = canvas.GetTextMetrics();
    canvas.TextOut(Point{left + legend_width_ / 2 - 3 * metrics.average_char_width, top + 3},
                   "Legend");
  }
  DrawLegendRows(canvas, left, top, right);
  return left;
}

// A name longer than the legend's width is cut with "..." to the characters that fit.
void ChartCtrl::DrawLegendRows(Canvas& canvas, int left, int top, int right) {
  const Font row_font = ArialBold(legend_font_size_);
  int fitting = longest_label_length_;
  const int text_width = right - left - 25;
  if (labels_.LongestLength() * Truncate(legend_font_size_ * 0.66) > text_width) {
    ScopedFont font(canvas, row_font);
    const int average = std::max(canvas.GetTextMetrics().average_char_width, 1);
    fitting = std::min(fitting, std::max(text_width / average, 4));
  }
  const int swatch_left = left + 10 + (legend_font_size_ / 2) * fitting;
  for (int i = 0; i < category_count_; ++i) {
    const int y = top + 25 + kLegendRowHeight * i;
    {
      ScopedFont font(canvas, row_font);
      canvas.TextOut(Point{left + 5, y}, Shortened(labels_.LabelAt(i), fitting));
    }
    ScopedBrush swatch(canvas, ColourAt(i));
    canvas.Rectangle(Rect{swatch_left, y, right - 5, y + 12});
  }
}

void ChartCtrl::DrawGraph(Canvas& canvas) {
  switch (graph_type_) {
    case kBarChart:
      return DrawBarChart(*this, canvas);
    case kLineGraph:
      return DrawLineGraph(*this, canvas);
    case kPieChart:
      return DrawPieChart(*this, canvas);
    case kStackedBarChart:
      return DrawStackedBarChart(*this, canvas);
    case kBarChart3d:
      return DrawBarChart3d(*this, canvas);
    case kLineGraph3d:
      return DrawLineGraph3d(*this, canvas);
    case kPieChart3d:
      return DrawPieChart3d(*this, canvas);
    case kStackedBarChart3d:
      return DrawStackedBarChart3d(*this, canvas);
    default:
      canvas.MessageBox("No graph type to display");
  }
}

}  // namespace kestrune::charts
