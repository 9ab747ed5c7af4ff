#include "shell/view_decision.h"

#include "database/month_keys.h"
#include "shell/tree_content.h"

namespace kestrune {
namespace {

using charts::Statistic;

ViewDecision Page(PageKind page) {
  ViewDecision decision;
  decision.kind = ViewDecision::Kind::kPage;
  decision.page = page;
  return decision;
}

ViewDecision Chart(TogglePair pair, Statistic totals, Statistic by_months) {
  ViewDecision decision;
  decision.kind = ViewDecision::Kind::kChart;
  decision.pair = pair;
  decision.totals = totals;
  decision.by_months = by_months;
  return decision;
}

ViewDecision Single(Statistic statistic) {
  return Chart(TogglePair::kNone, statistic, statistic);
}

ViewDecision DecideItem(ItemView item_view) {
  switch (item_view) {
    case ItemView::List:
      return Page(PageKind::kItem);
    case ItemView::Persons:
      return Chart(TogglePair::kA, Statistic::kItemPersons, Statistic::kItemPersonsByMonths);
    case ItemView::Statistics:
      return Single(Statistic::kItemByMonths);
  }
  return {};
}

ViewDecision DecidePersons(const SelectedNode& node) {
  switch (node.image) {
    case kPersonImage:
      return Page(PageKind::kPerson);
    case kStatisticsImage:
      if (node.text == kCategoryStatisticsNode) {
        return Chart(TogglePair::kB, Statistic::kPersonCategories,
                     Statistic::kPersonCategoriesByMonths);
      }
      if (node.text == kItemStatisticsNode) return Page(PageKind::kPersonItems);
      return {};
    case kCategoryImage:
      return Chart(TogglePair::kC, Statistic::kPersonItems, Statistic::kPersonItemsByMonths);
    case kMonthsImage:
      return Single(node.text == kMonthStatisticsNode ? Statistic::kPersonCategoriesByMonths
                                                      : Statistic::kPersonCategoriesInMonth);
    default:
      return {};
  }
}

ViewDecision DecideStatisticsRoot(const SelectedNode& node) {
  if (node.image == kStatisticsImage && node.text == kCategoryStatisticsNode) {
    return Chart(TogglePair::kB, Statistic::kCategories, Statistic::kCategoriesByMonths);
  }
  if (node.image == kStatisticsImage && node.text == kItemStatisticsNode) {
    return Page(PageKind::kItemStatistics);
  }
  if (node.image == kPersonImage && node.text == kPersonStatisticsNode) {
    return Chart(TogglePair::kA, Statistic::kPersons, Statistic::kPersonsByMonths);
  }
  if (node.image == kMonthsImage && node.text == kMonthStatisticsNode) {
    return Single(Statistic::kMonths);
  }
  return {};
}

ViewDecision DecideStatistics(const SelectedNode& node) {
  if (ViewDecision root = DecideStatisticsRoot(node); root.kind != ViewDecision::Kind::kNothing) {
    return root;
  }
  switch (node.image) {
    case kMonthsImage:
      // The one months node below a root: a category's budget chart.
      if (node.text == kBudgetChartNode) return Single(Statistic::kBudgetByMonths);
      return {};
    case kCategoryImage:
      if (node.parent_text == kCategoryStatisticsNode) {
        return Chart(TogglePair::kC, Statistic::kCategoryItems, Statistic::kCategoryItemsByMonths);
      }
      if (node.parent_text == kItemStatisticsNode) {
        return Chart(TogglePair::kC, Statistic::kCategoryPersons,
                     Statistic::kCategoryPersonsByMonths);
      }
      return {};
    case kItemImage:
      return Chart(TogglePair::kA, Statistic::kHouseholdItemPersons,
                   Statistic::kHouseholdItemPersonsByMonths);
    case kPersonImage:
      return Chart(TogglePair::kB, Statistic::kHouseholdPersonCategories,
                   Statistic::kHouseholdPersonCategoriesByMonths);
    default:
      return {};
  }
}

// The statistic with the names the selection strings of its tree node hold.
charts::StatisticsRequest NamesOf(Statistic statistic, const ViewState& state) {
  charts::StatisticsRequest request;
  request.statistic = statistic;
  switch (statistic) {
    case Statistic::kItemPersons:
    case Statistic::kItemPersonsByMonths:
    case Statistic::kItemByMonths:
      request.category = state.selectedCategory;
      request.item = state.selectedItem;
      break;
    case Statistic::kHouseholdItemPersons:
    case Statistic::kHouseholdItemPersonsByMonths:
      request.item = state.selectedStatisticMenuChild;
      [[fallthrough]];
    case Statistic::kCategoryPersons:
    case Statistic::kCategoryPersonsByMonths:
    case Statistic::kCategoryItems:
    case Statistic::kCategoryItemsByMonths:
    case Statistic::kBudgetByMonths:
      request.category = state.selectedStatisticMenu;
      break;
    case Statistic::kHouseholdPersonCategories:
    case Statistic::kHouseholdPersonCategoriesByMonths:
      request.person = state.selectedStatisticMenu;
      break;
    case Statistic::kPersonItems:
    case Statistic::kPersonItemsByMonths:
      request.category = state.selectedPersonMenuChild;
      [[fallthrough]];
    case Statistic::kPersonCategories:
    case Statistic::kPersonCategoriesByMonths:
      request.person = state.selectedPerson;
      break;
    case Statistic::kPersonCategoriesInMonth:
      request.person = state.selectedPerson;
      request.month_key = state.selectedPersonMenuChild;
      break;
    default:
      break;  // the others read no names
  }
  return request;
}

// The month of the month filter: the chooser's month with `Show` 2, else all months.
std::string FilteredMonth(const ViewState& state, const ExpenseDatabase& db, int position) {
  const int month_count = static_cast<int>(db.GetMonths().size());
  if (state.monthFilter != MonthFilter::OneMonth || position < 0 || position >= month_count)
    return std::string(kAllMonths);
  return db.MonthKeyAt(position);
}

bool StatisticNamesKnown(Statistic statistic, const ViewState& state, const ExpenseDatabase& db) {
  return charts::NamesKnown(db, NamesOf(statistic, state));
}

}  // namespace

ViewDecision DecideView(NodeKind node_kind, ItemView item_view,
                        const std::optional<SelectedNode>& node) {
  switch (node_kind) {
    case NodeKind::Category:
      return Page(PageKind::kCategory);
    case NodeKind::Item:
      return DecideItem(item_view);
    case NodeKind::Persons:
      return node ? DecidePersons(*node) : ViewDecision{};
    case NodeKind::Statistics:
      return node ? DecideStatistics(*node) : ViewDecision{};
  }
  return {};
}

std::optional<charts::StatisticsRequest> StatisticsRequestFor(Statistic statistic,
                                                              const ViewState& state,
                                                              const ExpenseDatabase& db,
                                                              int month_chooser_position) {
  // The budget chart has one style of its own: bars with the budget as a line across.
  const charts::ChartStyle style = statistic == Statistic::kBudgetByMonths
                                       ? charts::ChartStyle::kBar
                                   : charts::IsByMonths(statistic) ? state.monthsChart
                                                                   : state.totalsChart;
  if (!charts::StyleSuits(style, statistic)) return std::nullopt;
  charts::StatisticsRequest request = NamesOf(statistic, state);
  request.style = style;
  if (statistic != Statistic::kPersonCategoriesInMonth) {
    request.month_key = FilteredMonth(state, db, month_chooser_position);
  }
  if (!state.showAllMonths) request.months_shown = state.monthsShown;
  return request;
}

bool SelectionKnown(const ViewDecision& decision, const ViewState& state,
                    const ExpenseDatabase& db) {
  switch (decision.kind) {
    case ViewDecision::Kind::kNothing:
      return true;
    case ViewDecision::Kind::kChart:
      return StatisticNamesKnown(decision.totals, state, db) &&
             StatisticNamesKnown(decision.by_months, state, db);
    case ViewDecision::Kind::kPage:
      break;
  }
  switch (decision.page) {
    case PageKind::kCategory:
      return db.CategoryExists(state.selectedCategory);
    case PageKind::kItem:
      return db.ItemExists(state.selectedCategory, state.selectedItem);
    case PageKind::kPerson:
    case PageKind::kPersonItems:
      return db.PersonExists(state.selectedPerson);
    case PageKind::kItemStatistics:
      return true;
  }
  return true;
}

}  // namespace kestrune
