#pragma once

#include <optional>
#include <string>

#include "charts/statistics.h"
#include "database/expense_database.h"
#include "shell/view_state.h"

namespace kestrune {

// The report pages the view can show.
enum class PageKind { kCategory, kItem, kPerson, kPersonItems, kItemStatistics };

// The view's three pairs of toggle buttons ("Show statistics" / "Show statistics by
// months"); a chart without a pair has one statistic only.
enum class TogglePair { kNone, kA, kB, kC };

// What the main view shows for the current state.
struct ViewDecision {
  enum class Kind { kNothing, kPage, kChart };
  Kind kind = Kind::kNothing;  // kNothing: the view's empty state
  PageKind page = PageKind::kCategory;
  TogglePair pair = TogglePair::kNone;
  // The statistic of the pair's "Show statistics" button (or the only one), and of its
  // "Show statistics by months" button.
  charts::Statistic totals = charts::Statistic::kCategories;
  charts::Statistic by_months = charts::Statistic::kCategories;

  // The statistic the pair's flag (1 totals, 0 by months) picks.
  charts::Statistic StatisticFor(int flag) const { return flag == 0 ? by_months : totals; }
};

// The selected tree node as the decision reads it.
struct SelectedNode {
  int image = 0;
  std::string text;
  std::string parent_text;
};

// Decides from the node kind, the item view and, in the Persons and Statistics folders, the
// selected node (none: the empty state).
ViewDecision DecideView(NodeKind node_kind, ItemView item_view,
                        const std::optional<SelectedNode>& node);

// The request for `statistic` as the view state shows it: the totals or months chart style,
// the names its selection strings hold, with the one-month filter the month at the chooser's
// position (-1 for none; all months for a position outside the book's months) and the
// month limit. Nothing when the state's style does not suit the statistic.
std::optional<charts::StatisticsRequest> StatisticsRequestFor(charts::Statistic statistic,
                                                              const ViewState& state,
                                                              const ExpenseDatabase& db,
                                                              int month_chooser_position);

// Whether the names the decision reads are in the catalogue. A page or chart of a name
// that is not there would create a data file of that name; the view shows nothing instead.
bool SelectionKnown(const ViewDecision& decision, const ViewState& state,
                    const ExpenseDatabase& db);

}  // namespace kestrune
