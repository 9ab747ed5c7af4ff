// The edits of a category or item file: recording and deleting purchases, taking out months
// and persons, and the maintenance's moves of amounts. Amounts an edit writes are "%5.2f".
#include <algorithm>
#include <map>

#include "database/catalogue_files.h"
#include "database/expense_file.h"
#include "database/month_keys.h"
#include "database/same_section.h"

namespace kestrune {
namespace {

std::string MonthLine(std::string_view key) {
  return std::string(kMonthPrefix) + std::string(key);
}

std::string PersonLine(std::string_view person) {
  return std::string(kPersonPrefix) + std::string(person);
}

bool IsMonthLine(std::string_view line) {
  return line.starts_with(kMonthPrefix);
}

std::string_view KeyOf(std::string_view month_line) {
  return month_line.substr(kMonthPrefix.size());
}

std::string_view PersonOf(std::string_view person_line) {
  return person_line.substr(kPersonPrefix.size());
}

}  // namespace

void ExpenseFile::Shift(Entry& entry, Cents delta) {
  if (entry.amount) entry.amount = Own(FormatFileCents(ParseCents(*entry.amount) + delta));
}

void ExpenseFile::AppendSection(Part part, Section& section) {
  layout_.push_back({part, {}});
  section.present = section.ended = true;
}

void ExpenseFile::EnsureSection(SectionMarks marks) {
  Complete();
  if (Has(marks)) return;
  if (SameSection(marks, kPurchaseList)) {
    layout_.push_back({Part::kPurchases, {}});
    purchases_.present = purchases_.ended = purchases_.split = true;
  } else if (Section* section = SectionOf(marks)) {
    AppendSection(SameSection(marks, kPersonTotals) ? Part::kPersons : Part::kTotals, *section);
  }
}

void ExpenseFile::ChangeTotals(const TotalsChange& change) {
  Complete();
  const std::optional<std::string_view> created =
      change.create_with ? std::optional(Own(*change.create_with)) : std::nullopt;
  bool all_found = false, key_found = false;
  for (Entry& entry : totals_.entries) {
    const bool all = entry.line == kAllMonths;
    if (!all && entry.line != change.month_key) continue;
    Shift(entry, change.delta);
    (all ? all_found : key_found) = (all ? all_found : key_found) || entry.amount.has_value();
  }
  if (created && totals_.ended) {
    if (!all_found) totals_.entries.push_back({Own(std::string(kAllMonths)), created});
    if (!key_found) totals_.entries.push_back({Own(change.month_key), created});
  }

  const std::string person = PersonLine(change.person);
  std::vector<Entry> out;
  bool wanted = false, found = false, all_block = false, key_block = false;
  auto close_block = [&] {
    if (created && wanted && !found) out.push_back({Own(person), created});
    wanted = false;
  };
  for (Entry& entry : persons_.entries) {
    if (IsMonthLine(entry.line)) {
      close_block();
      const std::string_view key = KeyOf(entry.line);
      wanted = key == kAllMonths || key == change.month_key;
      all_block = all_block || key == kAllMonths;
      key_block = key_block || key == change.month_key;
      found = false;
    } else if (wanted && entry.line == person) {
      Shift(entry, change.delta);
      found = found || entry.amount.has_value();
    }
    out.push_back(entry);
  }
  if (persons_.ended) {
    close_block();
    for (const auto& [missing, key] : {std::pair{!all_block, std::string(kAllMonths)},
                                       std::pair{!key_block, change.month_key}}) {
      if (!created || !missing) continue;
      out.push_back({Own(MonthLine(key)), std::nullopt});
      out.push_back({Own(person), created});
    }
  }
  persons_.entries = std::move(out);
}

void ExpenseFile::InsertPurchase(const PurchaseRecord& purchase) {
  Complete();
  if (!purchases_.present) return;
  SplitPurchases();
  purchases_.lines.insert(purchases_.lines.begin(), Own(FormatPurchaseLine(purchase)));
}

bool ExpenseFile::RemovePurchase(const PurchaseRecord& purchase) {
  Complete();
  SplitPurchases();
  auto& lines = purchases_.lines;
  const auto found = std::find_if(lines.begin(), lines.end(), [&](std::string_view line) {
    return ParsePurchaseLine(line) == purchase;
  });
  if (found == lines.end()) return false;
  lines.erase(found);
  return true;
}

void ExpenseFile::EraseBlock(std::string_view key) {
  Complete();
  std::vector<Entry> out;
  bool dropped = false;
  for (const Entry& entry : persons_.entries) {
    if (IsMonthLine(entry.line)) dropped = KeyOf(entry.line) == key;
    if (!dropped) out.push_back(entry);
  }
  persons_.entries = std::move(out);
}

void ExpenseFile::DropMonth(std::string_view key, const std::vector<std::string>& persons) {
  Complete();
  const Cents total = MonthTotal(key);
  std::map<std::string, Cents, std::less<>> taken;
  for (const std::string& person : persons) taken[person] = 0;
  for (const auto& [person, amount] : PersonAmounts(key)) {
    if (const auto found = taken.find(person); found != taken.end()) found->second = amount;
  }
  std::erase_if(totals_.entries, [&](const Entry& entry) { return entry.line == key; });
  for (Entry& entry : totals_.entries) {
    if (entry.line == kAllMonths) Shift(entry, -total);
  }
  EraseBlock(key);
  bool all_block = false;
  for (Entry& entry : persons_.entries) {
    if (IsMonthLine(entry.line)) all_block = KeyOf(entry.line) == kAllMonths;
    if (!all_block || !entry.line.starts_with(kPersonPrefix)) continue;
    if (const auto found = taken.find(PersonOf(entry.line)); found != taken.end()) {
      Shift(entry, -found->second);
    }
  }
  SplitPurchases();
  std::erase_if(purchases_.lines,
                [&](std::string_view line) { return MonthKeyOf(ParsePurchaseLine(line)) == key; });
}

void ExpenseFile::EmptySections() {
  Complete();
  totals_.entries.clear();
  persons_.entries.clear();
  purchases_.split = true;
  purchases_.lines.clear();
}

void ExpenseFile::RewriteAmounts(const ExpenseTables& tables, Cents old_weight,
                                 Cents table_weight) {
  Complete();
  auto rewrite = [&](Entry& entry, Cents amount) {
    if (!entry.amount) return;
    entry.amount =
        Own(FormatFileCents(old_weight * ParseCents(*entry.amount) + table_weight * amount));
  };
  for (Entry& entry : totals_.entries) rewrite(entry, tables.Month(std::string(entry.line)));
  std::string month;
  for (Entry& entry : persons_.entries) {
    if (IsMonthLine(entry.line)) month = KeyOf(entry.line);
    if (entry.line.starts_with(kPersonPrefix)) {
      rewrite(entry, tables.Person(month, std::string(PersonOf(entry.line))));
    }
  }
}

void ExpenseFile::ShiftAmounts(const ExpenseTables& tables, int sign) {
  Complete();
  RewriteAmounts(tables, 1, sign);
}

void ExpenseFile::SetAmounts(const ExpenseTables& tables) {
  Complete();
  RewriteAmounts(tables, 0, 1);
}

void ExpenseFile::MakeRoom(const ExpenseTables& tables) {
  Complete();
  // The persons of the tables' block `key` that `present` lacks, each with "0".
  auto add_missing = [&](std::vector<Entry>& out, std::string_view key,
                         const std::vector<std::string_view>& present) {
    const AmountTable* block = tables.persons.Find(std::string(key));
    for (const std::string& person : block ? block->keys() : std::vector<std::string>{}) {
      if (std::find(present.begin(), present.end(), person) != present.end()) continue;
      out.push_back({Own(PersonLine(person)), Own("0")});
    }
  };
  if (totals_.ended) {
    std::vector<std::string_view> keys;
    for (const Entry& entry : totals_.entries) {
      if (entry.amount) keys.push_back(entry.line);
    }
    for (const std::string& key : tables.months.keys()) {
      if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
        totals_.entries.push_back({Own(key), Own("0")});
      }
    }
  }
  std::vector<Entry> out;
  std::optional<std::string_view> month;
  std::vector<std::string_view> months, present;
  for (const Entry& entry : persons_.entries) {
    if (IsMonthLine(entry.line)) {
      if (month) add_missing(out, *month, present);
      month = KeyOf(entry.line);
      months.push_back(*month);
      present.clear();
    } else if (entry.line.starts_with(kPersonPrefix)) {
      present.push_back(PersonOf(entry.line));
    }
    out.push_back(entry);
  }
  if (persons_.ended) {
    if (month) add_missing(out, *month, present);
    for (const std::string& key : tables.persons.keys()) {
      if (std::find(months.begin(), months.end(), key) != months.end()) continue;
      out.push_back({Own(MonthLine(key)), std::nullopt});
      add_missing(out, key, {});
    }
  }
  persons_.entries = std::move(out);
}

void ExpenseFile::RemovePerson(const std::string& person, const ExpenseTables& tables) {
  Complete();
  for (Entry& entry : totals_.entries)
    Shift(entry, -tables.Person(std::string(entry.line), person));
  const std::string line = PersonLine(person);
  std::erase_if(persons_.entries, [&](const Entry& entry) { return entry.line == line; });
  SplitPurchases();
  std::erase_if(purchases_.lines,
                [&](std::string_view text) { return ParsePurchaseLine(text).person == person; });
}

void ExpenseFile::RenamePerson(const std::string& old_name, const std::string& new_name) {
  Complete();
  const std::string old_line = PersonLine(old_name);
  for (Entry& entry : persons_.entries) {
    if (entry.line == old_line) entry.line = Own(PersonLine(new_name));
  }
  SplitPurchases();
  for (std::string_view& line : purchases_.lines) {
    PurchaseRecord purchase = ParsePurchaseLine(line);
    if (purchase.person != old_name) continue;
    purchase.person = new_name;
    line = Own(FormatPurchaseLine(purchase));
  }
}

void ExpenseFile::AppendMonthTotal(const std::string& key, Cents amount) {
  Complete();
  totals_.entries.push_back({Own(key), Own(FormatFileCents(amount))});
}

void ExpenseFile::AppendBlock(const std::string& key) {
  Complete();
  persons_.entries.push_back({Own(MonthLine(key)), std::nullopt});
}

void ExpenseFile::AppendPersonTotal(const std::string& person, Cents amount) {
  Complete();
  persons_.entries.push_back({Own(PersonLine(person)), Own(FormatFileCents(amount))});
}

void ExpenseFile::AppendPurchase(const PurchaseRecord& purchase) {
  Complete();
  SplitPurchases();
  purchases_.lines.push_back(Own(FormatPurchaseLine(purchase)));
}

void ExpenseFile::SetHeaderLine(std::size_t index, const std::string& text) {
  Complete();
  while (layout_.size() <= index) layout_.push_back({Part::kLine, " "});
  layout_[index] = {Part::kLine, Own(text)};
}

void ExpenseFile::InsertItemLine(const std::string& item_line) {
  Complete();
  if (!items_.present) {
    while (layout_.size() < 2) layout_.push_back({Part::kLine, " "});
    layout_.insert(layout_.begin() + 2, {Part::kItemList, {}});
    items_.present = items_.ended = true;
  }
  items_.entries.insert(items_.entries.begin(), {Own(item_line), std::nullopt});
}

void ExpenseFile::DropItem(const std::string& item) {
  Complete();
  std::erase_if(items_.entries, [&](const Entry& entry) {
    return ParseItemLine(std::string(entry.line)).name == item;
  });
}

}  // namespace kestrune
