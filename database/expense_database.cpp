#include "database/expense_database.h"

#include "database/month_keys.h"

namespace kestrune {

namespace {
const SystemClock kSystemClock;
}  // namespace

ExpenseDatabase::ExpenseDatabase(FileSystem& fs) : fs_(fs), clock_(&kSystemClock) {}

std::unique_ptr<ExpenseDatabase> ExpenseDatabase::Snapshot(FileSystem& fs) const {
  auto copy = std::make_unique<ExpenseDatabase>(fs);
  copy->clock_ = clock_;
  copy->keep_undo_ = keep_undo_;
  copy->currency_ = currency_;
  copy->folder_ = folder_;
  copy->categories_ = categories_;
  copy->persons_ = persons_;
  copy->months_ = months_;
  return copy;
}

std::string ExpenseDatabase::CategoryIndexPath() const {
  return folder_ + "/KSDBCategories.txt";
}

std::string ExpenseDatabase::PersonIndexPath() const {
  return folder_ + "/KSDBPersons.txt";
}

std::string ExpenseDatabase::MonthsIndexPath() const {
  return folder_ + "/KSDBMonths.txt";
}

std::string ExpenseDatabase::CategoryFilePath(const std::string& category) const {
  return folder_ + "/categories/" + category + ".txt";
}

std::string ExpenseDatabase::ItemFilePath(const std::string& category,
                                          const std::string& item) const {
  return folder_ + "/items/" + category + " " + item + ".txt";
}

std::string ExpenseDatabase::PersonFilePath(const std::string& person) const {
  return folder_ + "/persons/" + person + ".txt";
}

std::vector<std::string> ExpenseDatabase::GetCategoryNames() const {
  std::vector<std::string> names;
  for (const auto& [name, record] : categories_) names.push_back(name);
  return names;
}

std::vector<std::string> ExpenseDatabase::GetPersonNames() const {
  std::vector<std::string> names;
  for (const auto& [name, record] : persons_) names.push_back(name);
  return names;
}

const CategoryRecord* ExpenseDatabase::FindCategory(const std::string& name) const {
  const auto found = categories_.find(name);
  return found == categories_.end() ? nullptr : &found->second;
}

std::vector<std::string> ExpenseDatabase::GetItemNames(const std::string& category) const {
  std::vector<std::string> names;
  if (const CategoryRecord* record = FindCategory(category)) {
    for (const ItemEntry& item : record->items) names.push_back(item.name);
  }
  return names;
}

bool ExpenseDatabase::CategoryExists(const std::string& name) const {
  return categories_.contains(name);
}

bool ExpenseDatabase::PersonExists(const std::string& name) const {
  return persons_.contains(name);
}

bool ExpenseDatabase::ItemExists(const std::string& category, const std::string& item) const {
  const CategoryRecord* record = FindCategory(category);
  if (record == nullptr) return false;
  for (const ItemEntry& entry : record->items) {
    if (entry.name == item) return true;
  }
  return false;
}

std::string ExpenseDatabase::GetCategoryInfo(const std::string& name) const {
  const CategoryRecord* record = FindCategory(name);
  return record ? record->information : std::string();
}

std::string ExpenseDatabase::GetPersonInfo(const std::string& name) const {
  const auto found = persons_.find(name);
  return found == persons_.end() ? std::string() : found->second.information;
}

std::string ExpenseDatabase::GetItemInfo(const std::string& category,
                                         const std::string& item) const {
  if (const CategoryRecord* record = FindCategory(category)) {
    for (const ItemEntry& entry : record->items) {
      if (entry.name == item) return entry.information;
    }
  }
  return {};
}

std::string ExpenseDatabase::GetCategoryNameAt(int position) const {
  if (position < 0 || position >= static_cast<int>(categories_.size())) return {};
  return std::next(categories_.begin(), position)->first;
}

std::string ExpenseDatabase::GetItemNameAt(int category_position, int item_position) const {
  const CategoryRecord* record = FindCategory(GetCategoryNameAt(category_position));
  if (record == nullptr || item_position < 0 ||
      item_position >= static_cast<int>(record->items.size())) {
    return {};
  }
  return record->items[static_cast<std::size_t>(item_position)].name;
}

std::string ExpenseDatabase::GetPersonNameAt(int position) const {
  const int count = static_cast<int>(persons_.size());
  if (position == count) return kForAll;
  if (position < 0 || position > count) return {};
  return std::next(persons_.begin(), position)->first;
}

int ExpenseDatabase::GetCategoryIndex(const std::string& name) const {
  const auto found = categories_.find(name);
  if (found == categories_.end()) return -1;
  return static_cast<int>(std::distance(categories_.begin(), found));
}

bool ExpenseDatabase::HasCategories() const {
  if (categories_.contains("") || categories_.contains(" ")) return false;
  return !categories_.empty();
}

bool ExpenseDatabase::HasItems() const {
  if (!HasCategories()) return false;
  for (const auto& [name, category] : categories_) {
    if (!category.items.empty()) return true;
  }
  return false;
}

std::string ExpenseDatabase::MonthKeyAt(int position) const {
  if (position < 0) return std::string(kAllMonths);
  // A position the months no longer reach (a stale choice) names no month: nothing is found.
  if (position >= static_cast<int>(months_.size())) return {};
  return months_[static_cast<std::size_t>(position)];
}

int ExpenseDatabase::MonthNumber(const std::string& month_name) {
  return kestrune::MonthNumber(month_name);
}

}  // namespace kestrune
