#pragma once

#include <optional>
#include <string>
#include <vector>

#include "database/expense_database.h"
#include "shell/view_state.h"

namespace kestrune {

// The images of the tree and the folder bar. A node's image is its kind: the selection
// rules and the view decide by image and text.
enum TreeImage : int {
  kCategoryImage = 0,
  kPersonImage = 1,
  kStatisticsImage = 2,  // the statistics of categories or items
  kMonthsImage = 3,
  kItemImage = 4,
  kSpareImage = 5,  // in the image list, shown by no node
};

// The three folders of the folder bar, in their order.
enum class Folder : int { kCategories = 0, kPersons = 1, kStatistics = 2 };
inline constexpr int kFolderCount = 3;

// "Categories", "Persons", "Statistics".
const char* FolderName(Folder folder);
// The folder of that name; none for any other text.
std::optional<Folder> FolderNamed(const std::string& name);

// One node of the navigation tree as a fill creates it.
struct TreeNode {
  std::string text;
  int image = 0;
  bool expanded = false;
  bool selected = false;  // the node the selection strings name
  std::vector<TreeNode> children;
};

// The nodes of a folder's tree, marked with the one the view state selects. In the
// Categories folder an item node is selected only once the tree has been filled at the
// view's first showing (`tree_filled`).
std::vector<TreeNode> TreeContent(Folder folder, const ExpenseDatabase& db, const ViewState& state,
                                  bool tree_filled);

// One entry of a folder of the folder bar.
struct FolderEntry {
  std::string text;
  int image = 0;
};

std::vector<FolderEntry> FolderEntries(Folder folder, const ExpenseDatabase& db);

}  // namespace kestrune
