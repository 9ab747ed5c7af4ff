#pragma once

#include <string>

#include "database/expense_database.h"
#include "shell/view_state.h"

namespace kestrune {

// The selected tree node as the selection rules see it: its text and image and its
// ancestors' texts ("" above a root).
struct NodeInfo {
  std::string text;
  int image = 0;
  std::string parent_text;
  int parent_image = -1;  // -1 for a root
  std::string grandparent_text;
};

// Records the selected node in the selection strings, by NodeKind and the node's image
// (and for a months node, its parent's image). Combinations that name nothing change
// nothing.
void StoreTreeSelection(ViewState& state, const NodeInfo& node);

// The checked statistics command; it changes only while the Statistics folder is shown.
void SetStatisticView(ViewState& state, StatisticView view);

// What the widgets do after a selection has been recorded.
struct SelectionEffects {
  bool node_kind_changed = false;  // the item toolbar must follow state.nodeKind
  bool collapse_persons = false;   // a person was selected: fold every other person
};

// The selection handler's decisions: the statistics command to check, the switch between
// the category and item toolbars in the Categories folder, and the recorded selection.
SelectionEffects ApplyTreeSelection(ViewState& state, const NodeInfo& node,
                                    const ExpenseDatabase& db);

}  // namespace kestrune
