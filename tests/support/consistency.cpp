#include "tests/support/consistency.h"

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "database/amounts.h"
#include "database/month_keys.h"
#include "database/sections.h"
#include "database/text_lines.h"

namespace kestrune::testing {
namespace {

// Amounts in cents: month key -> amount, and month key -> person -> amount.
struct Totals {
  std::map<std::string, long> months;
  std::map<std::string, std::map<std::string, long>> persons;
};

long Cents(double amount) {
  return std::lround(amount * 100.0);
}

std::vector<std::string> FileLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return SplitLines(content.str());
}

// What the file's totals and person totals sections say.
Totals Stored(const std::vector<std::string>& lines, SectionMarks totals_section) {
  Totals stored;
  bool in_totals = false, in_persons = false;
  std::string month, person;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line == totals_section.begin) in_totals = true;
    if (line == totals_section.end) in_totals = false;
    if (line == kBeginPersonTotals) in_persons = true;
    if (line == kEndPersonTotals) in_persons = false;
    const bool has_next = i + 1 < lines.size();
    if (in_totals && line != totals_section.begin && has_next) {
      stored.months[line] = Cents(ParseAmount(lines[++i]));
    } else if (in_persons && line.starts_with(kMonthPrefix)) {
      month = line.substr(kMonthPrefix.size());
      stored.persons[month];
    } else if (in_persons && line.starts_with(kPersonPrefix) && has_next) {
      stored.persons[month][line.substr(kPersonPrefix.size())] = Cents(ParseAmount(lines[++i]));
    }
  }
  return stored;
}

void Add(Totals& totals, const PurchaseRecord& purchase) {
  const long cents = Cents(ParseAmount(purchase.sum));
  for (const std::string& key : {MonthKeyOf(purchase), std::string(kAllMonths)}) {
    totals.months[key] += cents;
    totals.persons[key][purchase.person] += cents;
  }
}

void Compare(const std::string& file, const Totals& want, const Totals& got,
             std::vector<std::string>& problems) {
  auto report = [&](const std::string& what, long w, long g) {
    if (w != g) {
      problems.push_back(file + ": " + what + " holds " + std::to_string(g) + " cents, want " +
                         std::to_string(w));
    }
  };
  for (const auto& [key, cents] : want.months) {
    if (!got.months.contains(key)) problems.push_back(file + ": no total for " + key);
    report(key, cents, got.months.contains(key) ? got.months.at(key) : 0);
  }
  for (const auto& [key, cents] : got.months) {
    if (!want.months.contains(key)) report(key, 0, cents);
  }
  for (const auto& [key, persons] : want.persons) {
    for (const auto& [person, cents] : persons) {
      const auto block = got.persons.find(key);
      const bool present = block != got.persons.end() && block->second.contains(person);
      if (!present) problems.push_back(file + ": no entry of " + person + " in " + key);
      report(key + " / " + person, cents, present ? block->second.at(person) : 0);
    }
  }
  for (const auto& [key, persons] : got.persons) {
    for (const auto& [person, cents] : persons) {
      const auto block = want.persons.find(key);
      if (block == want.persons.end() || !block->second.contains(person)) {
        report(key + " / " + person, 0, cents);
      }
    }
  }
}

}  // namespace

std::vector<std::string> CheckTotals(ExpenseDatabase& db) {
  std::vector<std::string> problems;
  for (const std::string& category : db.GetCategoryNames()) {
    Totals category_want;
    for (const std::string& item : db.GetItemNames(category)) {
      const std::string path = db.ItemFilePath(category, item);
      std::vector<PurchaseRecord> purchases;
      ScanPurchases(FileLines(path), kAllMonths, purchases);
      Totals item_want;
      for (const PurchaseRecord& purchase : purchases) {
        Add(item_want, purchase);
        Add(category_want, purchase);
      }
      Compare(path, item_want, Stored(FileLines(path), kItemTotals), problems);
    }
    const std::string path = db.CategoryFilePath(category);
    Compare(path, category_want, Stored(FileLines(path), kCategoryTotals), problems);
  }
  return problems;
}

}  // namespace kestrune::testing
