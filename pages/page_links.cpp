#include "pages/page_links.h"

#include <charconv>

#include "database/amounts.h"
#include "database/month_keys.h"
#include "database/sections.h"

namespace kestrune {
namespace {

struct CommandRule {
  std::string_view link;
  PageCommand command;
  bool takes_record;  // matched on its prefix; the rest of the target is a purchase line
};

// The order in which the view has always tested the targets.
constexpr CommandRule kCommandRules[] = {
    {kDeleteCategoryLink, PageCommand::kDeleteCategory, false},
    {kDeleteItemLink, PageCommand::kDeleteItem, false},
    {kEditCategoryLink, PageCommand::kEditCategory, false},
    {kEditItemLink, PageCommand::kEditItem, false},
    {kAddItemLink, PageCommand::kAddItem, false},
    {kAddPurchaseLink, PageCommand::kAddPurchase, false},
    {kDeletePurchaseLink, PageCommand::kDeletePurchase, true},
    {kEditPurchaseLink, PageCommand::kEditPurchase, true},
    {kDeletePersonLink, PageCommand::kDeletePerson, false},
    {kEditPersonLink, PageCommand::kEditPerson, false},
    {kAddCategoryLink, PageCommand::kAddCategory, false},
    {kAddPersonLink, PageCommand::kAddPerson, false},
};

// A decimal whole number as the C library's atoi reads it; 0 when there is none.
int WholeNumber(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t\n\v\f\r");
  if (start == std::string_view::npos) return 0;
  text.remove_prefix(start);
  if (text.starts_with('+')) text.remove_prefix(1);
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() ? value : 0;
}

PurchaseToEdit ReadPurchaseToEdit(std::string_view record) {
  const PurchaseRecord fields = ParsePurchaseLine(record);
  return PurchaseToEdit{.year = WholeNumber(fields.year),
                        .month = MonthNumber(fields.month),
                        .day = WholeNumber(fields.day),
                        .person = fields.person,
                        .information = fields.information,
                        .sum = ParseCents(fields.sum)};
}

// An item target; a damaged catalogue may hold a category name with "/", so every category
// the target begins with is tried.
bool ReadItemLink(const ExpenseDatabase& db, std::string_view text, PageLink& link) {
  for (const std::string& category : db.GetCategoryNames()) {
    if (!text.starts_with(category) || text.substr(category.size(), 1) != "/") continue;
    const std::string item(text.substr(category.size() + 1));
    if (!db.ItemExists(category, item)) continue;
    link.command = PageCommand::kSelectName;
    link.name = item;
    link.category = category;
    link.names_item = true;
    return true;
  }
  return false;
}

PageLink ReadNameLink(const ExpenseDatabase& db, std::string_view text) {
  PageLink link;
  if (ReadItemLink(db, text, link)) return link;
  link.names_category = db.CategoryExists(std::string(text));
  if (link.names_category) {
    link.command = PageCommand::kSelectName;
    link.name = text;
  }
  return link;
}

}  // namespace

std::string ItemLinkTarget(std::string_view category, std::string_view item) {
  std::string target(category);
  target += '/';
  target += item;
  return target;
}

PageLink ReadPageLink(const ExpenseDatabase& db, std::string_view target,
                      std::string_view data_folder) {
  if (!target.starts_with(data_folder) || target.substr(data_folder.size(), 1) != "/") return {};
  const std::string_view text = target.substr(data_folder.size() + 1);
  for (const CommandRule& rule : kCommandRules) {
    if (rule.takes_record ? !text.starts_with(rule.link) : text != rule.link) continue;
    PageLink link;
    link.command = rule.command;
    if (rule.takes_record) link.record = text.substr(rule.link.size());
    if (rule.command == PageCommand::kEditPurchase) link.purchase = ReadPurchaseToEdit(link.record);
    return link;
  }
  return ReadNameLink(db, text);
}

}  // namespace kestrune
