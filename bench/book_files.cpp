// The files of a generated book, as entering it through the normal operations leaves them.
#include <unordered_map>

#include "bench/book_generator.h"
#include "database/amounts.h"
#include "database/catalogue_files.h"
#include "database/database_folder.h"
#include "database/expense_file.h"
#include "database/month_keys.h"
#include "database/text_lines.h"

namespace kestrune {
namespace {

// A person's place in a month block: 0 is "for all", p + 1 the person at position p.
int SlotOf(const GeneratedPurchase& purchase) {
  return purchase.person + 1;
}

std::string SlotName(const GeneratedBook& book, int slot) {
  return slot == 0 ? std::string(kForAll) : book.persons[static_cast<std::size_t>(slot - 1)].name;
}

// The totals sections that recording purchases in order builds up in one file. Recording
// appends a missing entry at the end of its section or block, so entries stand in the order
// they were first made: "all months" before the months, persons as they first bought.
class RunningTotals {
 public:
  void Add(const GeneratedPurchase& purchase) {
    all_.Add(SlotOf(purchase), purchase.cents);
    auto [at, made] = month_at_.try_emplace(purchase.month, months_.size());
    if (made) months_.push_back({purchase.month, {}});
    months_[at->second].block.Add(SlotOf(purchase), purchase.cents);
  }

  // Fills the file's empty totals and person totals.
  void AppendTo(ExpenseFile& file, const GeneratedBook& book) const {
    if (!months_.empty()) file.AppendMonthTotal(std::string(kAllMonths), all_.Total());
    for (const Month& month : months_) {
      file.AppendMonthTotal(GeneratedMonthKey(book.shape, month.month), month.block.Total());
    }
    if (!months_.empty()) all_.AppendTo(file, std::string(kAllMonths), book);
    for (const Month& month : months_) {
      month.block.AppendTo(file, GeneratedMonthKey(book.shape, month.month), book);
    }
  }

 private:
  // One "month: " block: each person's cents, persons in the order they first bought.
  struct Block {
    std::vector<int> slots;
    std::unordered_map<int, std::int64_t> cents;
    void Add(int slot, std::int64_t amount) {
      auto [at, made] = cents.try_emplace(slot, 0);
      if (made) slots.push_back(slot);
      at->second += amount;
    }
    std::int64_t Total() const {
      std::int64_t total = 0;
      for (const auto& [slot, amount] : cents) total += amount;
      return total;
    }
    void AppendTo(ExpenseFile& file, const std::string& key, const GeneratedBook& book) const {
      file.AppendBlock(key);
      for (int slot : slots) file.AppendPersonTotal(SlotName(book, slot), cents.at(slot));
    }
  };
  struct Month {
    int month;
    Block block;
  };

  Block all_;
  std::vector<Month> months_;
  std::unordered_map<int, std::size_t> month_at_;
};

// One item's totals and its purchases, oldest first.
struct ItemBook {
  RunningTotals totals;
  std::vector<const GeneratedPurchase*> purchases;
};

std::string ItemFile(const ItemBook& item, const GeneratedBook& book) {
  ExpenseFile file(NewItemFile(), kItemTotals);
  item.totals.AppendTo(file, book);
  // Each purchase goes to the top of the list.
  for (auto purchase = item.purchases.rbegin(); purchase != item.purchases.rend(); ++purchase) {
    file.AppendPurchase(RecordOf(book, **purchase));
  }
  return file.Format();
}

std::string CategoryFile(const CategoryRecord& category, const RunningTotals& totals,
                         const GeneratedBook& book) {
  ExpenseFile file(NewCategoryFile(category.name, category.information), kCategoryTotals);
  for (auto item = category.items.rbegin(); item != category.items.rend(); ++item) {
    file.InsertItemLine(FormatItemLine(*item));
  }
  totals.AppendTo(file, book);
  return file.Format();
}

std::string IndexOf(const std::vector<std::string>& names) {
  std::string index;
  for (const std::string& name : names) index = AppendToIndex(index, name);
  return index;
}

// The months index: every month with a purchase, newest first.
std::string MonthsIndex(const GeneratedBook& book) {
  std::vector<bool> bought(static_cast<std::size_t>(book.shape.months), false);
  for (const GeneratedPurchase& purchase : book.purchases) {
    bought[static_cast<std::size_t>(purchase.month)] = true;
  }
  std::vector<std::string> keys;
  for (int month = book.shape.months - 1; month >= 0; --month) {
    if (bought[static_cast<std::size_t>(month)])
      keys.push_back(GeneratedMonthKey(book.shape, month));
  }
  return JoinEndedLines(keys);
}

}  // namespace

PurchaseRecord RecordOf(const GeneratedBook& book, const GeneratedPurchase& purchase) {
  const CalendarMonth month = CalendarMonthOf(book.shape, purchase.month);
  const std::string day = std::to_string(purchase.day);
  return {std::to_string(month.year),
          std::string(MonthName(month.number)),
          day.size() < 2 ? "0" + day : day,
          purchase.person < 0 ? std::string(kForAll) : SlotName(book, SlotOf(purchase)),
          GeneratedNote(purchase.note),
          FormatFileCents(purchase.cents)};
}

std::map<std::string, std::string> BookFiles(const GeneratedBook& book) {
  std::vector<std::vector<ItemBook>> items;
  std::vector<RunningTotals> categories(book.categories.size());
  for (const CategoryRecord& category : book.categories) items.emplace_back(category.items.size());
  for (const GeneratedPurchase& purchase : book.purchases) {
    ItemBook& item =
        items[static_cast<std::size_t>(purchase.category)][static_cast<std::size_t>(purchase.item)];
    item.totals.Add(purchase);
    item.purchases.push_back(&purchase);
    categories[static_cast<std::size_t>(purchase.category)].Add(purchase);
  }
  std::map<std::string, std::string> files;
  std::vector<std::string> category_names, person_names;
  for (std::size_t c = 0; c < book.categories.size(); ++c) {
    const CategoryRecord& category = book.categories[c];
    category_names.push_back(category.name);
    files["categories/" + category.name + ".txt"] = CategoryFile(category, categories[c], book);
    for (std::size_t i = 0; i < category.items.size(); ++i) {
      // The normal operations make an item file only when its first purchase is recorded.
      if (items[c][i].purchases.empty()) continue;
      files["items/" + category.name + " " + category.items[i].name + ".txt"] =
          ItemFile(items[c][i], book);
    }
  }
  for (const PersonRecord& person : book.persons) {
    person_names.push_back(person.name);
    files["persons/" + person.name + ".txt"] = NewPersonFile(person.name, person.information);
  }
  files["KSDBCategories.txt"] = IndexOf(category_names);
  files["KSDBPersons.txt"] = IndexOf(person_names);
  files["KSDBMonths.txt"] = MonthsIndex(book);
  return files;
}

Status WriteBook(FileSystem& fs, const std::string& database_folder, const GeneratedBook& book) {
  for (const char* folder : {"/categories", "/items", "/persons"}) {
    if (Status made = fs.MakeFolders(database_folder + folder); !made.ok()) return made;
  }
  const std::map<std::string, std::string> files = BookFiles(book);
  const auto is_index = [](const std::string& path) { return path.find('/') == std::string::npos; };
  for (const bool indexes : {false, true}) {
    for (const auto& [path, content] : files) {
      if (is_index(path) != indexes) continue;
      if (Status written =
              fs.WriteFile(database_folder + "/" + path, content, WorkFolderOf(database_folder));
          !written.ok()) {
        return written;
      }
    }
  }
  return Status::Ok();
}

}  // namespace kestrune
