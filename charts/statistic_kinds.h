#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "charts/chart_ctrl.h"

namespace kestrune::charts {

// The two kinds of statistics chart, filled from values already read: a totals chart (one
// series, one point per entity) and a chart by months (one series per month). Entity i
// (from 0) is both label key i and point key i. Values are whole amounts when stored as
// points: truncated towards zero.

// The label that widens the legend to eight characters; never a legend row, because the
// legend shows only as many rows as the longest series has points.
inline constexpr const char* kSpareLabel = "12345678";
inline constexpr int kSpareLabelKey = 9;
inline constexpr const char* kYAxisTitle = "Expenses";
inline constexpr const char* kMonthsTitle = "Statictics by months";
inline constexpr const char* kMonthsAxisTitle = "Months";
inline constexpr const char* kNoDataSeries = "No data";

// One value per entity for a month key ("all months" for the grand total).
using MonthValues = std::function<std::vector<double>(const std::string& month_key)>;

// A chart of `graph_type` with its title, "Expenses" on the Y axis, `x_axis_title` (none
// when empty), one label per entity, the scale (0, 10, 1) and the spare label under
// `spare_key`. No series and no colours yet.
ChartCtrl StartChart(int graph_type, std::string title, std::string x_axis_title,
                     const std::vector<std::string>& entities, int spare_key = kSpareLabelKey);

// The rule both kinds raise the scale by: it starts at (0, 10, 1) and, whenever an offered
// value exceeds the largest so far (10 at first), gets the step 0.11 v, truncated, and the
// maximum 1.1 v, truncated and rounded up to a whole number of steps, so that the labelled
// ticks end at the maximum (200 gives (0, 220, 22); 130 gives (0, 154, 14), not 143).
class ScaleRaiser {
 public:
  void Offer(ChartCtrl& chart, double value);

 private:
  double largest_ = 10.0;
};

// A started chart's one series named `series_name`: point i is values[i] (one per value, so
// fewer values than entities leave the later entities without a point). The scale follows
// the largest value. Colours are the caller's.
void AddTotalsSeries(ChartCtrl& chart, std::string series_name, const std::vector<double>& values);

// A started chart's series by months: for each month key in `months` (already limited, newest
// first) a series named with the key holding `values`(key); the scale follows the largest
// monthly sum, so a stacked bar always fits. No months: the one series "No data", no points.
// Colours are the caller's.
void AddMonthSeries(ChartCtrl& chart, const std::vector<std::string>& months,
                    const MonthValues& values);

// The months a chart by months shows: all of `months` without a limit, otherwise the
// `limit` first (newest) ones; none for a limit below 1.
std::vector<std::string> MonthsShown(const std::vector<std::string>& months,
                                     std::optional<int> limit);

}  // namespace kestrune::charts
