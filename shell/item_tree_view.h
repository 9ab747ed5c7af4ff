#pragma once

#include <QTreeWidget>
#include <QWidget>

#include "database/expense_database.h"
#include "shell/tree_content.h"
#include "shell/tree_rules.h"
#include "shell/view_state.h"

namespace kestrune {

// What the tree pane needs of the main frame.
class TreeHost {
 public:
  virtual ViewState& viewState() = 0;
  virtual const ExpenseDatabase& database() const = 0;
  // Whether the view has been shown once (until then no item node is selected).
  virtual bool treeFilled() const = 0;
  // Switches the item toolbar to the buttons of `kind`.
  virtual void setNodeKind(NodeKind kind) = 0;
  // A node was selected and recorded: show it in the caption and refresh the view.
  virtual void nodeSelected(const QString& text, int image) = 0;

 protected:
  ~TreeHost() = default;
};

// The tree pane: a "Folder List" title strip with a close button above the navigation tree,
// which shows the current folder of the folder bar. Selecting a node records it in the
// host's view state.
class ItemTreeView final : public QWidget {
  Q_OBJECT

 public:
  ItemTreeView(TreeHost& host, QWidget* parent);

  // Rebuilds the tree for "Categories", "Persons" or "Statistics" and selects the node the
  // selection strings name; any other name leaves the tree as it is.
  void fillTree(const std::string& folder_name);
  // Selects and expands the first node bearing `text`, looking under the current node's
  // root first, then through the whole tree in order; false when none bears it. With a
  // `parent_text`, only a node under a parent bearing it counts (an item under its category).
  bool selectNodeByText(const QString& text, const QString& parent_text = {});
  QTreeWidget* tree() const { return tree_; }
  // As wide as the widest name needs, within fixed bounds: a long name does not push the
  // view aside.
  QSize sizeHint() const override;

 signals:
  void closeRequested();

 private:
  QWidget* createTitleStrip();
  QTreeWidgetItem* createItem(const TreeNode& node, QTreeWidgetItem*& selected);
  void onSelectionChanged(QTreeWidgetItem* selected);
  void collapsePersons();

  TreeHost& host_;
  QTreeWidget* tree_;
};

// The selection rules' view of a tree item.
NodeInfo NodeInfoOf(const QTreeWidgetItem* item);
// The tree image a node was created with.
int ImageOf(const QTreeWidgetItem* item);

}  // namespace kestrune
