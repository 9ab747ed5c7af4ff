#pragma once

#include <optional>

#include "charts/chart_ctrl.h"
#include "charts/statistics_request.h"
#include "database/expense_database.h"

namespace kestrune::charts {

// Builds the requested statistic from the catalogue and the data files. Nothing when the
// style is not one of the statistic's styles: no chart is made and no file is read. The
// names requested are assumed to exist: the queries would create files for unknown ones.
std::optional<ChartCtrl> BuildStatistic(ExpenseDatabase& db, const StatisticsRequest& request);

}  // namespace kestrune::charts
