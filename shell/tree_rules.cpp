#include "shell/tree_rules.h"

#include "shell/tree_content.h"

namespace kestrune {
namespace {

void Select(std::string& first, const std::string& first_value, std::string& second,
            const std::string& second_value, std::string& third, const std::string& third_value) {
  first = first_value;
  second = second_value;
  third = third_value;
}

void StoreCategoriesSelection(ViewState& state, const NodeInfo& node) {
  if (node.image == kCategoryImage) {
    state.selectedCategory = node.text;
    state.selectedItem.clear();
  } else if (node.image == kItemImage) {
    state.selectedItem = node.text;
    state.selectedCategory = node.parent_text;
  }
}

void StorePersonsSelection(ViewState& state, const NodeInfo& node) {
  std::string& person = state.selectedPerson;
  std::string& menu = state.selectedPersonMenu;
  std::string& child = state.selectedPersonMenuChild;
  const bool menu_node = node.image == kStatisticsImage ||
                         (node.image == kMonthsImage && node.parent_image == kPersonImage);
  const bool child_node = node.image == kCategoryImage ||
                          (node.image == kMonthsImage && node.parent_image == kMonthsImage);
  if (node.image == kPersonImage) {
    Select(person, node.text, menu, {}, child, {});
  } else if (menu_node) {
    Select(person, node.parent_text, menu, node.text, child, {});
  } else if (child_node) {
    Select(person, node.grandparent_text, menu, node.parent_text, child, node.text);
  }
}

void StoreStatisticsSelection(ViewState& state, const NodeInfo& node) {
  std::string& type = state.selectedStatisticType;
  std::string& menu = state.selectedStatisticMenu;
  std::string& child = state.selectedStatisticMenuChild;
  const bool root_node = node.image == kStatisticsImage ||
                         (node.image == kPersonImage && node.text == kPersonStatisticsNode) ||
                         (node.image == kMonthsImage && node.text == kMonthStatisticsNode);
  const bool budget_node = node.image == kMonthsImage && node.text == kBudgetChartNode &&
                           node.parent_image == kCategoryImage;
  if (root_node) {
    Select(type, node.text, menu, {}, child, {});
  } else if (budget_node) {
    Select(type, node.grandparent_text, menu, node.parent_text, child, node.text);
  } else if (node.image == kCategoryImage || node.image == kPersonImage ||
             node.image == kMonthsImage) {
    Select(type, node.parent_text, menu, node.text, child, {});
  } else if (node.image == kItemImage) {
    Select(type, node.grandparent_text, menu, node.parent_text, child, node.text);
  }
}

bool NodeOrParentIs(const NodeInfo& node, const char* text) {
  return node.text == text || node.parent_text == text;
}

}  // namespace

void StoreTreeSelection(ViewState& state, const NodeInfo& node) {
  switch (state.nodeKind) {
    case NodeKind::Category:
    case NodeKind::Item:
      StoreCategoriesSelection(state, node);
      break;
    case NodeKind::Persons:
      StorePersonsSelection(state, node);
      break;
    case NodeKind::Statistics:
      StoreStatisticsSelection(state, node);
      break;
  }
}

void SetStatisticView(ViewState& state, StatisticView view) {
  if (state.nodeKind == NodeKind::Statistics) state.statisticView = view;
}

SelectionEffects ApplyTreeSelection(ViewState& state, const NodeInfo& node,
                                    const ExpenseDatabase& db) {
  if (NodeOrParentIs(node, kCategoryStatisticsNode) ||
      node.grandparent_text == kCategoryStatisticsNode) {
    SetStatisticView(state, StatisticView::Categories);
  }
  if (NodeOrParentIs(node, kItemStatisticsNode) || node.grandparent_text == kItemStatisticsNode) {
    SetStatisticView(state, StatisticView::Items);
  }
  if (NodeOrParentIs(node, kPersonStatisticsNode)) SetStatisticView(state, StatisticView::Persons);
  if (NodeOrParentIs(node, kMonthStatisticsNode)) SetStatisticView(state, StatisticView::Months);

  SelectionEffects effects;
  effects.collapse_persons = db.PersonExists(node.text);
  const NodeKind kind = state.nodeKind;
  if (kind == NodeKind::Category && node.image == kItemImage) state.nodeKind = NodeKind::Item;
  if (kind == NodeKind::Item && node.image == kCategoryImage) state.nodeKind = NodeKind::Category;
  effects.node_kind_changed = state.nodeKind != kind;
  StoreTreeSelection(state, node);
  return effects;
}

}  // namespace kestrune
