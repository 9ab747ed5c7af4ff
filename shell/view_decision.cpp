#include "shell/view_decision.h"

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

ViewDecision DecideItem(int item_view) {
  switch (item_view) {
    case 1:
      return Page(PageKind::kItem);
    case 2:
      return Chart(TogglePair::kA, Statistic::kItemPersons, Statistic::kItemPersonsByMonths);
    case 3:
      return Single(Statistic::kItemByMonths);
    default:
      return {};
  }
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

bool StatisticNamesKnown(Statistic statistic, const ViewState& state, const ExpenseDatabase& db) {
  switch (statistic) {
    case Statistic::kItemPersons:
    case Statistic::kItemPersonsByMonths:
    case Statistic::kItemByMonths:
      return db.ItemExists(state.SelectedCat, state.SelectedItem);
    case Statistic::kCategoryPersons:
    case Statistic::kCategoryPersonsByMonths:
      return db.CategoryExists(state.SelectedStatisticMenu);
    case Statistic::kHouseholdItemPersons:
    case Statistic::kHouseholdItemPersonsByMonths:
      return db.ItemExists(state.SelectedStatisticMenu, state.SelectedStatisticMenuChild);
    default:
      // The others read only categories and items the catalogue lists.
      return true;
  }
}

}  // namespace

ViewDecision DecideView(int node_kind, int item_view, const std::optional<SelectedNode>& node) {
  switch (node_kind) {
    case 1:
      return Page(PageKind::kCategory);
    case 2:
      return DecideItem(item_view);
    case 3:
      return node ? DecidePersons(*node) : ViewDecision{};
    case 4:
      return node ? DecideStatistics(*node) : ViewDecision{};
    default:
      return {};
  }
}

charts::StatisticsInput StatisticsInputFor(const ViewState& state, int month_chooser_position) {
  charts::StatisticsInput input;
  input.Chart = state.Chart;
  input.month_Chart = state.month_Chart;
  input.Show = state.Show;
  input.month_chooser_position = month_chooser_position;
  input.ShowAllMonths = state.ShowAllMonths;
  input.MonthsNum = state.MonthsNum;
  input.SelectedCat = state.SelectedCat;
  input.SelectedItem = state.SelectedItem;
  input.SelectedPerson = state.SelectedPerson;
  input.SelectedPersonMenuChild = state.SelectedPersonMenuChild;
  input.SelectedStatisticMenu = state.SelectedStatisticMenu;
  input.SelectedStatisticMenuChild = state.SelectedStatisticMenuChild;
  return input;
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
      return db.CategoryExists(state.SelectedCat);
    case PageKind::kItem:
      return db.ItemExists(state.SelectedCat, state.SelectedItem);
    case PageKind::kPerson:
    case PageKind::kPersonItems:
      return db.PersonExists(state.SelectedPerson);
    case PageKind::kItemStatistics:
      return true;
  }
  return true;
}

}  // namespace kestrune
