#include "charts/chart_description.h"

#include <sstream>

#include "charts/graph_type.h"
#include "charts/recording_canvas.h"

namespace kestrune::charts {

std::string DescribeChart(const ChartCtrl& chart) {
  std::ostringstream out;
  out << "title " << QuotedText(chart.title()) << "\n";
  out << "x-axis title " << QuotedText(chart.x_axis_title()) << "\n";
  out << "y-axis title " << QuotedText(chart.y_axis_title()) << "\n";
  out << "graph type " << chart.graph_type() << " " << QuotedText(GraphTypeName(chart.graph_type()))
      << "\n";
  out << "scale minimum " << chart.scale_minimum() << " maximum " << chart.scale_maximum()
      << " step " << chart.scale_step() << " ticks " << chart.tick_count() << "\n";
  for (const ChartLabel& label : chart.labels().labels()) {
    out << "label " << label.key << " " << QuotedText(label.text) << "\n";
  }
  for (const ChartColour& colour : chart.colours()) {
    out << "colour " << colour.key << " " << ColourText(colour.colour) << "\n";
  }
  for (const ChartSeries& series : chart.series()) {
    out << "series " << QuotedText(series.name());
    for (const ChartPoint& point : series.points()) out << " " << point.key << ":" << point.value;
    out << "\n";
  }
  if (const std::optional<LevelLine>& level = chart.level_line()) {
    out << "level " << level->value << " " << QuotedText(level->caption) << "\n";
  }
  return out.str();
}

}  // namespace kestrune::charts
