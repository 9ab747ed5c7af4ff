#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "charts/chart_ctrl.h"
#include "database/expense_database.h"
#include "shell/view_decision.h"
#include "shell/view_state.h"

namespace kestrune {

// Everything one build of the main view reads, copied from the window when the build is
// asked for, so that it can run on another thread while the window goes on changing the
// book: the catalogue is a snapshot; the data files are read as they are when it runs.
struct ViewRequest {
  ViewDecision decision;  // from the tree's current node
  ViewState state;
  std::shared_ptr<ExpenseDatabase> book;
  int pageMonth = -1;        // see ViewHost::pageMonth
  int chooserPosition = -1;  // see ViewHost::monthChooserPosition
  int toggleFlag = 1;        // the decision's pair: 1 its totals, 0 its statistic by months
  std::string pagePath;
};

// What a build made for the view to show.
struct ViewBuild {
  // The request's decision, or the empty state when the selection names nothing in the
  // catalogue (a page or chart of it would create a data file of that name).
  ViewDecision decision;
  bool welcome = false;  // the empty state greets the user
  // The page file's write; a page that failed leaves the view as it was.
  Status written = Status::Ok();
  std::optional<charts::ChartCtrl> chart;
  std::vector<std::string> messages;  // data files that could not be read
};

// Builds what the request shows: a page is written to the page file (an empty page, and
// the failure among the messages, when a data file cannot be read), a chart is built from
// the data files. Reads only the request and the data files, writes only the page file:
// safe on any thread.
ViewBuild BuildView(const ViewRequest& request);

}  // namespace kestrune
