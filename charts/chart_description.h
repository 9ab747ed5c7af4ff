#pragma once

#include <string>

#include "charts/chart_ctrl.h"

namespace kestrune::charts {

// The filled chart as text, one fact a line, for checking a chart without looking at pixels:
//   title "TEXT"                x-axis title "TEXT"          y-axis title "TEXT"
//   graph type CODE "NAME"      scale minimum MIN maximum MAX step STEP ticks COUNT
//   label KEY "TEXT"            (one line per label, in list order)
//   colour KEY #rrggbb          (one line per colour entry, in list order)
//   series "NAME" KEY:VALUE ... (one line per series, its points in order)
// Texts are quoted as the recording canvas quotes them.
std::string DescribeChart(const ChartCtrl& chart);

}  // namespace kestrune::charts
