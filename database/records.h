#pragma once

#include <map>
#include <string>
#include <vector>

#include "database/amounts.h"

namespace kestrune {

// The pseudo-person of purchases made for the whole household.
inline constexpr const char* kForAll = "for all";

struct ItemEntry {
  std::string name;
  std::string information;
};

struct CategoryRecord {
  std::string name;
  std::string information;
  std::vector<ItemEntry> items;  // in the order of the category file's item list
};

struct PersonRecord {
  std::string name;
  std::string information;
};

// One purchase: six text fields, joined by "|" in the purchase list.
struct PurchaseRecord {
  std::string year;         // "%Y"
  std::string month;        // "%B", English
  std::string day;          // "%d"
  std::string person;       // a person's name or "for all"
  std::string information;  // free text
  std::string sum;          // "%5.2f"

  bool operator==(const PurchaseRecord&) const = default;
};

// A purchase together with the category and item it belongs to: one row of an export or an
// import.
struct BookPurchase {
  std::string category;
  std::string item;
  PurchaseRecord purchase;
};

// Person name -> amount. Callers put in the persons they want, each with 0; a query fills them.
using PersonTotals = std::map<std::string, Cents>;

}  // namespace kestrune
