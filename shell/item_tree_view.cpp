#include "shell/item_tree_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/caption_bar.h"
#include "shell/shell_icons.h"

namespace kestrune {
namespace {

constexpr int kTitleHeight = 19;
constexpr int kImageRole = Qt::UserRole + 1;
// The pane follows the width of its names between these bounds; longer names are cut.
constexpr int kMinPaneWidth = 140;
constexpr int kMaxPaneWidth = 320;

std::string TextOf(const QTreeWidgetItem* item) {
  return item ? item->text(0).toStdString() : std::string();
}

// Every node of the tree in tree order (depth first, parents before children).
void CollectNodes(QTreeWidgetItem* item, std::vector<QTreeWidgetItem*>& nodes) {
  nodes.push_back(item);
  for (int i = 0; i < item->childCount(); ++i) CollectNodes(item->child(i), nodes);
}

std::vector<QTreeWidgetItem*> AllNodes(QTreeWidget* tree) {
  std::vector<QTreeWidgetItem*> nodes;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) CollectNodes(tree->topLevelItem(i), nodes);
  return nodes;
}

// Items must be in the tree before they can be expanded.
void ApplyExpansion(const TreeNode& node, QTreeWidgetItem* item) {
  item->setExpanded(node.expanded);
  for (size_t i = 0; i < node.children.size(); ++i) {
    ApplyExpansion(node.children[i], item->child(static_cast<int>(i)));
  }
}

}  // namespace

int ImageOf(const QTreeWidgetItem* item) {
  return item ? item->data(0, kImageRole).toInt() : -1;
}

NodeInfo NodeInfoOf(const QTreeWidgetItem* item) {
  NodeInfo info;
  info.text = TextOf(item);
  info.image = ImageOf(item);
  const QTreeWidgetItem* parent = item->parent();
  if (parent) {
    info.parent_text = TextOf(parent);
    info.parent_image = ImageOf(parent);
    info.grandparent_text = TextOf(parent->parent());
  }
  return info;
}

ItemTreeView::ItemTreeView(TreeHost& host, QWidget* parent)
    : QWidget(parent), host_(host), tree_(new QTreeWidget(this)) {
  setObjectName("treePane");
  tree_->setObjectName("navigationTree");
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(true);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);
  tree_->setIconSize(QSize(16, 16));
  // A long name is cut with "..." at the pane's edge and shown whole in its tooltip.
  tree_->header()->setSectionResizeMode(QHeaderView::Stretch);
  tree_->setTextElideMode(Qt::ElideRight);
  tree_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { onSelectionChanged(current); });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(createTitleStrip());
  layout->addWidget(tree_, 1);
}

QWidget* ItemTreeView::createTitleStrip() {
  auto* strip = new QWidget(this);
  strip->setFixedHeight(kTitleHeight);
  strip->setAutoFillBackground(true);
  strip->setBackgroundRole(QPalette::Button);
  auto* title = new QLabel(tr("Folder List"), strip);
  auto* close = new QToolButton(strip);
  close->setObjectName("closeTreePane");
  close->setText(QString::fromUtf8("\u00d7"));
  close->setToolTip(tr("Hide the folder list"));
  close->setAutoRaise(true);
  close->setFixedSize(kTitleHeight - 2, kTitleHeight - 2);
  connect(close, &QToolButton::clicked, this, &ItemTreeView::closeRequested);
  auto* layout = new QHBoxLayout(strip);
  layout->setContentsMargins(4, 0, 1, 0);
  layout->addWidget(title, 1);
  layout->addWidget(close);
  return strip;
}

QTreeWidgetItem* ItemTreeView::createItem(const TreeNode& node, QTreeWidgetItem*& selected) {
  auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(node.text)));
  item->setIcon(0, TreeIcon(node.image));
  item->setToolTip(0, PlainToolTip(item->text(0)));
  item->setData(0, kImageRole, node.image);
  for (const TreeNode& child : node.children) item->addChild(createItem(child, selected));
  if (node.selected && !selected) selected = item;
  return item;
}

void ItemTreeView::fillTree(const std::string& folder_name) {
  const std::optional<Folder> folder = FolderNamed(folder_name);
  if (!folder) return;
  if (*folder == Folder::kCategories) {
    if (host_.viewState().nodeKind != NodeKind::Category) host_.setNodeKind(NodeKind::Category);
  } else {
    host_.setNodeKind(*folder == Folder::kPersons ? NodeKind::Persons : NodeKind::Statistics);
  }
  const std::vector<TreeNode> nodes =
      TreeContent(*folder, host_.database(), host_.viewState(), host_.treeFilled());
  QTreeWidgetItem* selected = nullptr;
  {
    // Emptying the tree reports selection changes that would overwrite the strings.
    const QSignalBlocker quiet(tree_);
    tree_->clear();
    for (const TreeNode& node : nodes) {
      QTreeWidgetItem* item = createItem(node, selected);
      tree_->addTopLevelItem(item);
      ApplyExpansion(node, item);
    }
  }
  if (selected) tree_->setCurrentItem(selected);
}

QSize ItemTreeView::sizeHint() const {
  int widest = 0;
  for (QTreeWidgetItem* node : AllNodes(tree_)) {
    int depth = 0;
    for (const QTreeWidgetItem* up = node->parent(); up; up = up->parent()) ++depth;
    const int text = tree_->fontMetrics().horizontalAdvance(node->text(0));
    widest =
        std::max(widest, (depth + 1) * tree_->indentation() + tree_->iconSize().width() + text);
  }
  const int frame = 2 * tree_->frameWidth() + 16;
  return QSize(std::clamp(widest + frame, kMinPaneWidth, kMaxPaneWidth),
               QWidget::sizeHint().height());
}

bool ItemTreeView::selectNodeByText(const QString& text, const QString& parent_text) {
  // A name may stand under several parents (a category under every person); the one
  // under the current node's root is meant first.
  std::vector<QTreeWidgetItem*> nodes;
  if (QTreeWidgetItem* root = tree_->currentItem()) {
    while (root->parent()) root = root->parent();
    CollectNodes(root, nodes);
  }
  const std::vector<QTreeWidgetItem*> all = AllNodes(tree_);
  nodes.insert(nodes.end(), all.begin(), all.end());
  for (QTreeWidgetItem* node : nodes) {
    if (node->text(0) != text) continue;
    if (!parent_text.isEmpty() && (!node->parent() || node->parent()->text(0) != parent_text)) {
      continue;
    }
    tree_->setCurrentItem(node);
    node->setExpanded(true);
    return true;
  }
  return false;
}

void ItemTreeView::onSelectionChanged(QTreeWidgetItem* selected) {
  if (!selected) return;
  const NodeInfo node = NodeInfoOf(selected);
  const SelectionEffects effects = ApplyTreeSelection(host_.viewState(), node, host_.database());
  if (effects.collapse_persons) collapsePersons();
  selected->setExpanded(true);
  if (effects.node_kind_changed) host_.setNodeKind(host_.viewState().nodeKind);
  host_.nodeSelected(selected->text(0), node.image);
}

void ItemTreeView::collapsePersons() {
  const ExpenseDatabase& db = host_.database();
  for (QTreeWidgetItem* node : AllNodes(tree_)) {
    if (ImageOf(node) == kPersonImage && db.PersonExists(TextOf(node))) node->setExpanded(false);
  }
}

}  // namespace kestrune
