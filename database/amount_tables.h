#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "database/amounts.h"

namespace kestrune {

// A map that remembers the order its keys came in: new lines are written in that order.
template <typename Value>
class OrderedTable {
 public:
  // The value under `key`, inserted (default value, at the end) when absent.
  Value& operator[](const std::string& key) {
    auto [it, inserted] = values_.try_emplace(key);
    if (inserted) keys_.push_back(key);
    return it->second;
  }
  const Value* Find(const std::string& key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? nullptr : &found->second;
  }
  const std::vector<std::string>& keys() const { return keys_; }

 private:
  std::vector<std::string> keys_;
  std::map<std::string, Value> values_;
};

using AmountTable = OrderedTable<Cents>;

// The amounts of one file's totals (month key -> amount) and person totals (month key ->
// person -> amount), as moving or removing an item or a person and the integrity check
// need them.
struct ExpenseTables {
  AmountTable months;
  OrderedTable<AmountTable> persons;

  // 0 for a key or person the tables lack.
  Cents Month(const std::string& key) const {
    const Cents* amount = months.Find(key);
    return amount ? *amount : 0;
  }
  Cents Person(const std::string& month, const std::string& person) const {
    const AmountTable* block = persons.Find(month);
    const Cents* amount = block ? block->Find(person) : nullptr;
    return amount ? *amount : 0;
  }
};

// The line, from 1, of each amount read: month totals by key, person amounts by (month,
// person). A key read twice keeps the line of its last amount, the one that counts.
struct AmountLines {
  std::map<std::string, int> months;
  std::map<std::pair<std::string, std::string>, int> persons;
};

}  // namespace kestrune
