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
    state.selectedItem = kNothingSelected;
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
    Select(person, node.text, menu, kNothingSelected, child, kNothingSelected);
  } else if (menu_node) {
    Select(person, node.parent_text, menu, node.text, child, kNothingSelected);
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
  if (root_node) {
    Select(type, node.text, menu, kNothingSelected, child, kNothingSelected);
  } else if (node.image == kCategoryImage || node.image == kPersonImage ||
             node.image == kMonthsImage) {
    Select(type, node.parent_text, menu, node.text, child, kNothingSelected);
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
    case 1:
    case 2:
      StoreCategoriesSelection(state, node);
      break;
    case 3:
      StorePersonsSelection(state, node);
      break;
    case 4:
      StoreStatisticsSelection(state, node);
      break;
    default:
      break;
  }
}

void SetStatisticView(ViewState& state, const std::string& key) {
  if (state.nodeKind != 4) return;
  if (key == "CAT") state.statisticView = 1;
  if (key == "ITEM") state.statisticView = 2;
  if (key == "PERSON") state.statisticView = 3;
  if (key == "MONTHS") state.statisticView = 4;
}

SelectionEffects ApplyTreeSelection(ViewState& state, const NodeInfo& node,
                                    const ExpenseDatabase& db) {
  if (NodeOrParentIs(node, kCategoryStatisticsNode)) SetStatisticView(state, "CAT");
  if (NodeOrParentIs(node, kItemStatisticsNode) || node.grandparent_text == kItemStatisticsNode) {
    SetStatisticView(state, "ITEM");
  }
  if (NodeOrParentIs(node, kPersonStatisticsNode)) SetStatisticView(state, "PERSON");
  if (NodeOrParentIs(node, kMonthStatisticsNode)) SetStatisticView(state, "MONTHS");

  SelectionEffects effects;
  effects.collapse_persons = db.PersonExists(node.text);
  const int kind = state.nodeKind;
  if (kind == 1 && node.image == kItemImage) state.nodeKind = 2;
  if (kind == 2 && node.image == kCategoryImage) state.nodeKind = 1;
  effects.node_kind_changed = state.nodeKind != kind;
  StoreTreeSelection(state, node);
  return effects;
}

}  // namespace kestrune
