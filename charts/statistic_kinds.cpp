#include "charts/statistic_kinds.h"

#include <algorithm>
#include <climits>

#include "charts/chart_arithmetic.h"

namespace kestrune::charts {

ChartCtrl StartChart(int graph_type, std::string title, std::string x_axis_title,
                     const std::vector<std::string>& entities, int spare_key) {
  ChartCtrl chart(graph_type);
  chart.SetTitle(std::move(title));
  if (!x_axis_title.empty()) chart.SetXAxisTitle(std::move(x_axis_title));
  chart.SetYAxisTitle(kYAxisTitle);
  for (int i = 0; i < static_cast<int>(entities.size()); ++i) {
    chart.AddLabel(i, entities[static_cast<std::size_t>(i)]);
  }
  // Always accepted: a step of 1 over a range of 10.
  static_cast<void>(chart.SetScale(0, 10, 1));
  chart.AddLabel(spare_key, kSpareLabel);
  return chart;
}

void ScaleRaiser::Offer(ChartCtrl& chart, double value) {
  if (!(value > largest_)) return;
  largest_ = value;
  const double top = value * 1.1;
  const long long step = Truncate(top * 0.1);
  // The frame labels its ticks step, 2 × step, ... up to the tick count, the ceiling of
  // maximum / step, and spreads them over the whole plot; bars are drawn against the
  // maximum. A maximum between two ticks would draw every bar taller than the labels say,
  // so it is raised to the last tick.
  const long long ticks = (Truncate(top) + step - 1) / step;
  const int maximum = static_cast<int>(std::min<long long>(ticks * step, INT_MAX));
  // Always accepted: a value above 10 gives a maximum of at least 11 and a step of at least 1.
  static_cast<void>(chart.SetScale(0, maximum, static_cast<int>(step)));
}

void AddTotalsSeries(ChartCtrl& chart, std::string series_name, const std::vector<double>& values) {
  ChartSeries series(std::move(series_name));
  ScaleRaiser scale;
  for (int i = 0; i < static_cast<int>(values.size()); ++i) {
    const double value = ChartValue(values[static_cast<std::size_t>(i)]);
    scale.Offer(chart, value);
    series.AddPoint(i, Truncate(value));
  }
  chart.AddSeries(std::move(series));
}

void AddMonthSeries(ChartCtrl& chart, const std::vector<std::string>& months,
                    const MonthValues& values) {
  if (months.empty()) {
    chart.AddSeries(ChartSeries(kNoDataSeries));
    return;
  }
  ScaleRaiser scale;
  for (const std::string& month : months) {
    ChartSeries series(month);
    double sum = 0.0;
    const std::vector<double> month_values = values(month);
    for (int i = 0; i < static_cast<int>(month_values.size()); ++i) {
      const double value = ChartValue(month_values[static_cast<std::size_t>(i)]);
      series.AddPoint(i, Truncate(value));
      sum += value;
    }
    scale.Offer(chart, ChartValue(sum));
    chart.AddSeries(std::move(series));
  }
}

std::vector<std::string> MonthsShown(const std::vector<std::string>& months,
                                     std::optional<int> limit) {
  if (!limit) return months;
  const std::size_t count = static_cast<std::size_t>(std::max(*limit, 0));
  return std::vector<std::string>(
      months.begin(), months.begin() + static_cast<long>(std::min(count, months.size())));
}

}  // namespace kestrune::charts
