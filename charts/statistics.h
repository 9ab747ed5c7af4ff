#pragma once

#include <optional>

#include "charts/chart_ctrl.h"
#include "charts/statistics_request.h"
#include "database/expense_database.h"

namespace kestrune::charts {

// Whether the catalogue holds the item or category the statistic's queries read by name; a
// query would create a data file for an unknown one. The other statistics read only what the
// catalogue lists, so an unknown person or category there shows zeros or no entities.
bool NamesKnown(const ExpenseDatabase& db, const StatisticsRequest& request);

// Builds the requested statistic from the catalogue and the data files. Nothing when the
// style is not one of the statistic's styles or its names are not known: no chart is made
// and no file is read or created. `failure` (optional) gets the first data file that could
// not be read, or ok.
std::optional<ChartCtrl> BuildStatistic(ExpenseDatabase& db, const StatisticsRequest& request,
                                        Status* failure = nullptr);

}  // namespace kestrune::charts
