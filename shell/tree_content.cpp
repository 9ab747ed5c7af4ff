#include "shell/tree_content.h"

namespace kestrune {
namespace {

TreeNode Node(std::string text, int image, bool selected, bool expanded = false) {
  TreeNode node;
  node.text = std::move(text);
  node.image = image;
  node.selected = selected;
  node.expanded = expanded;
  return node;
}

std::vector<TreeNode> CategoriesTree(const ExpenseDatabase& db, const ViewState& state,
                                     bool tree_filled) {
  std::vector<TreeNode> roots;
  if (!db.HasCategories()) return roots;
  for (const std::string& category : db.GetCategoryNames()) {
    const bool cat_selected = state.selectedCategory == category;
    TreeNode root =
        Node(category, kCategoryImage, state.selectedItem.empty() && cat_selected, true);
    for (const std::string& item : db.GetItemNames(category)) {
      root.children.push_back(
          Node(item, kItemImage, cat_selected && state.selectedItem == item && tree_filled));
    }
    roots.push_back(std::move(root));
  }
  return roots;
}

// "Category's statistics", "Item's statistics" with the categories and "Statistics by
// months" with the months, under one person.
TreeNode PersonNode(const ExpenseDatabase& db, const ViewState& state, const std::string& person) {
  const bool is_selected_person = state.selectedPerson == person;
  const std::string& menu = state.selectedPersonMenu;
  const std::string& child = state.selectedPersonMenuChild;
  TreeNode root =
      Node(person, kPersonImage, menu.empty() && is_selected_person, is_selected_person);
  root.children.push_back(Node(kCategoryStatisticsNode, kStatisticsImage,
                               is_selected_person && menu == kCategoryStatisticsNode));
  const bool in_items = is_selected_person && menu == kItemStatisticsNode;
  TreeNode items =
      Node(kItemStatisticsNode, kStatisticsImage, in_items && child.empty(), db.HasCategories());
  if (db.HasCategories()) {
    for (const std::string& category : db.GetCategoryNames()) {
      items.children.push_back(Node(category, kCategoryImage, in_items && child == category));
    }
  }
  root.children.push_back(std::move(items));
  const bool in_months = is_selected_person && menu == kMonthStatisticsNode;
  TreeNode months = Node(kMonthStatisticsNode, kMonthsImage, in_months && child.empty(), true);
  for (const std::string& month : db.GetMonths()) {
    months.children.push_back(Node(month, kMonthsImage, in_months && child == month));
  }
  root.children.push_back(std::move(months));
  return root;
}

std::vector<TreeNode> PersonsTree(const ExpenseDatabase& db, const ViewState& state) {
  std::vector<TreeNode> roots;
  if (!db.HasPersons()) return roots;
  for (const std::string& person : db.GetPersonNames()) {
    roots.push_back(PersonNode(db, state, person));
  }
  return roots;
}

TreeNode ItemStatisticsRoot(const ExpenseDatabase& db, const ViewState& state) {
  const std::string& type = state.selectedStatisticType;
  const std::string& menu = state.selectedStatisticMenu;
  const std::string& child = state.selectedStatisticMenuChild;
  const bool is_type = type == kItemStatisticsNode;
  TreeNode root = Node(kItemStatisticsNode, kStatisticsImage, is_type && menu.empty(), true);
  if (!db.HasCategories()) return root;
  for (const std::string& category : db.GetCategoryNames()) {
    const bool in_category = is_type && menu == category;
    TreeNode node = Node(category, kCategoryImage, in_category && child.empty());
    for (const std::string& item : db.GetItemNames(category)) {
      node.children.push_back(Node(item, kItemImage, in_category && child == item));
    }
    root.children.push_back(std::move(node));
  }
  return root;
}

// A category of "Category's statistics", with its budget chart under it. Every category has
// one, budget or not: the tree need not read the budget file at each fill, nor change its
// shape when a budget is set or cleared; without a budget the chart shows the spending alone.
TreeNode CategoryStatisticsNode(const ViewState& state, const std::string& category) {
  const bool chosen = state.selectedStatisticType == kCategoryStatisticsNode &&
                      state.selectedStatisticMenu == category;
  const bool budget = chosen && state.selectedStatisticMenuChild == kBudgetChartNode;
  TreeNode node = Node(category, kCategoryImage, chosen && !budget, chosen);
  node.children.push_back(Node(kBudgetChartNode, kMonthsImage, budget));
  return node;
}

std::vector<TreeNode> StatisticsTree(const ExpenseDatabase& db, const ViewState& state) {
  const std::string& type = state.selectedStatisticType;
  const std::string& menu = state.selectedStatisticMenu;
  std::vector<TreeNode> roots;
  const bool by_category = type == kCategoryStatisticsNode;
  TreeNode categories =
      Node(kCategoryStatisticsNode, kStatisticsImage, by_category && menu.empty(), true);
  if (db.HasCategories()) {
    for (const std::string& category : db.GetCategoryNames()) {
      categories.children.push_back(CategoryStatisticsNode(state, category));
    }
  }
  roots.push_back(std::move(categories));
  roots.push_back(ItemStatisticsRoot(db, state));
  const bool by_person = type == kPersonStatisticsNode;
  TreeNode persons = Node(kPersonStatisticsNode, kPersonImage, by_person && menu.empty(), true);
  if (db.HasPersons()) {
    for (const std::string& person : db.GetPersonNames()) {
      persons.children.push_back(Node(person, kPersonImage, by_person && menu == person));
    }
  }
  roots.push_back(std::move(persons));
  roots.push_back(
      Node(kMonthStatisticsNode, kMonthsImage, type == kMonthStatisticsNode && menu.empty()));
  return roots;
}

}  // namespace

const char* FolderName(Folder folder) {
  switch (folder) {
    case Folder::kCategories:
      return "Categories";
    case Folder::kPersons:
      return "Persons";
    case Folder::kStatistics:
      return "Statistics";
  }
  return "";
}

std::optional<Folder> FolderNamed(const std::string& name) {
  for (Folder folder : {Folder::kCategories, Folder::kPersons, Folder::kStatistics}) {
    if (name == FolderName(folder)) return folder;
  }
  return std::nullopt;
}

std::vector<TreeNode> TreeContent(Folder folder, const ExpenseDatabase& db, const ViewState& state,
                                  bool tree_filled) {
  switch (folder) {
    case Folder::kCategories:
      return CategoriesTree(db, state, tree_filled);
    case Folder::kPersons:
      return PersonsTree(db, state);
    case Folder::kStatistics:
      return StatisticsTree(db, state);
  }
  return {};
}

std::vector<FolderEntry> FolderEntries(Folder folder, const ExpenseDatabase& db) {
  std::vector<FolderEntry> entries;
  switch (folder) {
    case Folder::kCategories:
      if (db.HasCategories()) {
        for (const std::string& name : db.GetCategoryNames())
          entries.push_back({name, kCategoryImage});
      }
      break;
    case Folder::kPersons:
      for (const std::string& name : db.GetPersonNames()) entries.push_back({name, kPersonImage});
      break;
    case Folder::kStatistics:
      entries = {{kCategoryStatisticsNode, kStatisticsImage},
                 {kItemStatisticsNode, kStatisticsImage},
                 {kPersonStatisticsNode, kPersonImage},
                 {kMonthStatisticsNode, kMonthsImage}};
      break;
  }
  return entries;
}

}  // namespace kestrune
