#include "shell/view_build.h"

#include "charts/statistics.h"
#include "pages/page_writers.h"
#include "pages/welcome_page.h"

namespace kestrune {
namespace {

// The page shown when nothing is selected or the selection names nothing in the catalogue.
constexpr const char* kEmptyPage = "<html><body></body></html>";

Result<std::string> PageText(const ViewRequest& request, const ViewDecision& decision) {
  const ExpenseDatabase& db = *request.book;
  const ViewState& state = request.state;
  const int month = request.pageMonth;
  switch (decision.page) {
    case PageKind::kCategory:
      return CategoryPageText(db, state.selectedCategory, month);
    case PageKind::kItem:
      return ItemPageText(db, state.selectedCategory, state.selectedItem, month);
    case PageKind::kPerson:
      return PersonPageText(db, state.selectedPerson, month);
    case PageKind::kPersonItems:
      return PersonItemsPageText(db, state.selectedPerson, month);
    case PageKind::kItemStatistics:
      break;
  }
  return ItemStatisticsPageText(db, month);
}

void BuildPage(const ViewRequest& request, ViewBuild& build) {
  Result<std::string> text;
  if (build.decision.kind == ViewDecision::Kind::kNothing) {
    build.welcome = ShowsWelcome(*request.book);
    text.value = build.welcome ? WelcomePageText(*request.book) : kEmptyPage;
  } else {
    text = PageText(request, build.decision);
  }
  // A data file that cannot be read is named, and the view shows an empty page meanwhile.
  if (!text.ok()) {
    build.messages.push_back(text.status.message());
    text.value = kEmptyPage;
  }
  // The page file is written anew at every refresh: replaced atomically but not flushed.
  PosixFileSystem fs(false);
  build.written = WritePageFile(fs, request.pagePath, text.value);
}

void BuildChart(const ViewRequest& request, ViewBuild& build) {
  const std::optional<charts::StatisticsRequest> statistic =
      StatisticsRequestFor(build.decision.StatisticFor(request.toggleFlag), request.state,
                           *request.book, request.chooserPosition);
  if (!statistic) return;
  Status read = Status::Ok();
  build.chart = charts::BuildStatistic(*request.book, *statistic, &read);
  if (!read.ok()) build.messages.push_back(read.message());
}

}  // namespace

ViewBuild BuildView(const ViewRequest& request) {
  ViewBuild build;
  build.decision = request.decision;
  if (!SelectionKnown(build.decision, request.state, *request.book)) build.decision = {};
  if (build.decision.kind == ViewDecision::Kind::kChart) {
    BuildChart(request, build);
  } else {
    BuildPage(request, build);
  }
  return build;
}

}  // namespace kestrune
