#pragma once

#include <optional>
#include <string>
#include <vector>

#include "charts/canvas.h"
#include "charts/chart_colour.h"
#include "charts/chart_label_list.h"
#include "charts/chart_layout.h"
#include "charts/chart_series.h"

namespace kestrune::charts {

// A level drawn as a line across the plot (a monthly budget), with its caption above the
// line's left end.
struct LevelLine {
  int value = 0;
  std::string caption;
};

// The statistics chart: a title, axis titles, category labels and colours, series of
// points and a value scale, drawn on request into a canvas. The chart keeps no drawing
// state between calls: every Draw lays the chart out afresh from the canvas size.
// Lookups while drawing go by list position (the i-th label, the i-th colour), so a
// category's label, colour and points line up because callers add them in category order
// and key each point with its category's position.
class ChartCtrl {
 public:
  // An empty chart of a graph type (see graph_type.h); unknown types draw a message.
  explicit ChartCtrl(int graph_type) : graph_type_(graph_type) {}

  void SetTitle(std::string text) { title_ = std::move(text); }
  // Store an axis title and its length in characters.
  void SetXAxisTitle(std::string text);
  void SetYAxisTitle(std::string text);

  // Appends a category label, marks the chart as having labels (so it gets a legend) and
  // grows the longest label length.
  void AddLabel(int key, std::string text);

  // Sets the value scale; the tick count becomes the ceiling of (maximum - minimum) / step.
  // Refused (false, scale unchanged) unless step >= 1 and maximum > minimum: a zero step
  // or an empty range would divide by zero when drawing; refused too when a tick label
  // would leave the int range.
  [[nodiscard]] bool SetScale(int minimum, int maximum, int step);

  void AddColour(int key, Colour colour) { colours_.push_back(ChartColour{key, colour}); }
  // The colour at list position `position`; black past the end.
  Colour ColourAt(int position) const;
  // Appends the standard palette's colours for categories 0 .. count-1 (see palette.h,
  // including slot 22's two entries).
  void AddStandardColours(int category_count);

  // A level line drawn over the bars of a flat bar chart; the other types draw none.
  void SetLevelLine(LevelLine line) { level_line_ = std::move(line); }
  const std::optional<LevelLine>& level_line() const { return level_line_; }

  // Takes the series; the category count grows to its point count.
  void AddSeries(ChartSeries series);

  // Draws the whole chart into `canvas`: white background, title, layout, legend (when
  // there are labels), the frame (all but pies) and the graph. A legend takes at most a
  // quarter of the width, longer names cut with "...".
  void Draw(Canvas& canvas);
  // Whether any series holds a value other than 0.
  bool HasValues() const;
  // Writes "No purchases to show" in the middle of the canvas, for a chart without values:
  // an empty plot alone would look like a fault.
  void DrawNoValuesNote(Canvas& canvas);
  // Draws the legend at the right of the plot area and returns the x of its left edge.
  // Uses the area size of the current layout.
  int DrawLegend(Canvas& canvas);
  // Draws the graph of the chart's type in the current layout; an unknown type shows the
  // message "No graph type to display" and draws nothing.
  void DrawGraph(Canvas& canvas);
  // Draws axes, axis titles, value scale and series captions in the current layout. For
  // the three-dimensional types it first takes the depth off the plot's width and height
  // and remembers it; the renderer of the same Draw works in that shrunk plot.
  void DrawFrame(Canvas& canvas);

  int graph_type() const { return graph_type_; }
  const std::string& title() const { return title_; }
  const std::string& x_axis_title() const { return x_axis_title_; }
  int x_axis_title_length() const { return x_axis_title_length_; }
  const std::string& y_axis_title() const { return y_axis_title_; }
  int y_axis_title_length() const { return y_axis_title_length_; }
  int value_font_size() const { return value_font_size_; }
  int label_font_size() const { return label_font_size_; }
  int legend_font_size() const { return legend_font_size_; }
  int scale_minimum() const { return scale_minimum_; }
  int scale_maximum() const { return scale_maximum_; }
  int scale_step() const { return scale_step_; }
  int tick_count() const { return tick_count_; }
  int category_count() const { return category_count_; }
  const std::vector<ChartSeries>& series() const { return series_; }
  int series_count() const { return static_cast<int>(series_.size()); }
  const std::vector<ChartColour>& colours() const { return colours_; }
  const ChartLabelList& labels() const { return labels_; }
  bool has_labels() const { return has_labels_; }
  int longest_label_length() const { return longest_label_length_; }
  int legend_width() const { return legend_width_; }
  // 1 normally; 3 when a bar chart's series starts with a negative value (base line at
  // mid-height); 2 and 4 for negative first keys.
  int quadrant() const { return quadrant_; }
  double depth_ratio() const { return depth_ratio_; }
  // The depth the last three-dimensional frame took off the plot.
  int depth() const { return depth_; }
  const ChartLayout& layout() const { return layout_; }

 private:
  void DrawBackgroundAndTitle(Canvas& canvas);
  void LayOutPlot();
  void ApplyQuadrant();
  void DrawLegendRows(Canvas& canvas, int left, int top, int right);
  void ShrinkForDepth();

  int graph_type_;
  std::vector<ChartSeries> series_;
  std::vector<ChartColour> colours_;
  std::string y_axis_title_;
  int y_axis_title_length_ = 0;
  std::string x_axis_title_;
  int x_axis_title_length_ = 0;
  int value_font_size_ = 12;
  int label_font_size_ = 12;
  int legend_font_size_ = 12;
  int scale_minimum_ = 0;
  int scale_maximum_ = 100;
  int scale_step_ = 10;
  int tick_count_ = 10;
  int category_count_ = 0;
  ChartLabelList labels_;
  bool has_labels_ = false;
  int legend_width_ = 0;
  std::string title_;
  int longest_label_length_ = 0;
  int quadrant_ = 1;
  double depth_ratio_ = 0.05;
  int depth_ = 0;
  ChartLayout layout_;
  std::optional<LevelLine> level_line_;
};

}  // namespace kestrune::charts
