#pragma once

#include <string>
#include <string_view>

#include "database/expense_database.h"

namespace kestrune {

// The links on a report page are commands. A link target is a bare command name, "Delete
// purchase" or "Edit purchase" followed directly by a purchase line, the name of a
// category, or an item as its category, "/" and its name (ItemLinkTarget): two items may
// share a name in different categories, and a link must open the one it shows. The browser resolves
// a target against the page file's folder, so the view sees the data folder, "/" and the target
// text.

inline constexpr std::string_view kDeleteCategoryLink = "Delete expense category";
inline constexpr std::string_view kDeleteItemLink = "Delete expense item";
inline constexpr std::string_view kEditCategoryLink = "Edit expense category";
inline constexpr std::string_view kEditItemLink = "Edit expense item";
inline constexpr std::string_view kAddItemLink = "Add item";
inline constexpr std::string_view kAddPurchaseLink = "Add purchase";
inline constexpr std::string_view kDeletePurchaseLink = "Delete purchase";
inline constexpr std::string_view kEditPurchaseLink = "Edit purchase";
inline constexpr std::string_view kDeletePersonLink = "Delete person";
inline constexpr std::string_view kEditPersonLink = "Edit person";
inline constexpr std::string_view kAddCategoryLink = "Add expense category";
inline constexpr std::string_view kAddPersonLink = "Add person";

// What following a link asks for.
enum class PageCommand {
  kNone,  // the page file itself, an image, the style sheet, anything else: let it load
  kDeleteCategory,
  kDeleteItem,
  kEditCategory,
  kEditItem,
  kAddItem,
  kAddPurchase,
  kDeletePurchase,
  kEditPurchase,
  kDeletePerson,
  kEditPerson,
  kAddCategory,
  kAddPerson,
  kSelectName,  // a category or item name: select that node of the tree
};

// The fields of the purchase an "Edit purchase" link names, read as the edit dialog takes
// them: year and day as whole numbers, the month's number, the sum as a number; texts that
// are not numbers read as 0.
struct PurchaseToEdit {
  int year = 0;
  int month = 0;  // 1 for January ... 12 for December; 0 for no month name
  int day = 0;
  std::string person;
  std::string information;
  Cents sum = 0;
};

// A recognised link.
struct PageLink {
  PageCommand command = PageCommand::kNone;
  // kDeletePurchase and kEditPurchase: the purchase line after the command name.
  std::string record;
  // kEditPurchase: the record split into its fields.
  PurchaseToEdit purchase;
  // kSelectName: the name, and whether it is an item (of `category`) or a category.
  std::string name;
  std::string category;
  bool names_item = false;
  bool names_category = false;
};

// Which command a navigation target names. `target` is the full target with its percent
// encoding already decoded; `data_folder` is the folder of the page file, without a
// trailing "/". Commands are recognised in a fixed order, the first match wins: the ten
// bare command names and the two purchase commands (matched on their prefix, so a name that
// begins like one of them is taken as that command), then the category and item names of
// `db`: an item target names an item of the catalogue, any other target a category.
// Reads the catalogue only; changes nothing.
// The link target of an item: "CATEGORY/ITEM" (category names hold no "/").
std::string ItemLinkTarget(std::string_view category, std::string_view item);

PageLink ReadPageLink(const ExpenseDatabase& db, std::string_view target,
                      std::string_view data_folder);

}  // namespace kestrune
