#include "server/book_views.h"

#include <algorithm>
#include <tuple>

#include "database/month_keys.h"
#include "database/sections.h"

namespace kestrune::server {
namespace {

// Sorts newest first by year, month and day (as numbers), keeping the order within a day.
void SortByDate(std::vector<ListedPurchase>& listed) {
  const auto key = [](const ListedPurchase& p) {
    return std::make_tuple(std::atoi(p.purchase.year.c_str()), MonthNumber(p.purchase.month),
                           std::atoi(p.purchase.day.c_str()));
  };
  std::stable_sort(
      listed.begin(), listed.end(),
      [&](const ListedPurchase& a, const ListedPurchase& b) { return key(a) > key(b); });
}

Status PurchasesOfMonth(const ExpenseDatabase& db, const std::string& month_key,
                        std::vector<ListedPurchase>& listed) {
  for (const std::string& category : db.GetCategoryNames()) {
    for (const std::string& item : db.GetItemNames(category)) {
      std::vector<PurchaseRecord> purchases;
      if (Status read = db.ItemPurchases(month_key, category, item, purchases); !read.ok()) {
        return read;
      }
      for (PurchaseRecord& p : purchases) {
        listed.push_back({category, item, FormatPurchaseLine(p), std::move(p)});
      }
    }
  }
  return Status::Ok();
}

}  // namespace

Status NewestPurchases(const ExpenseDatabase& db, size_t count,
                       std::vector<ListedPurchase>& listed) {
  for (const std::string& month_key : db.GetMonths()) {
    if (listed.size() >= count) break;
    if (Status read = PurchasesOfMonth(db, month_key, listed); !read.ok()) return read;
  }
  SortByDate(listed);
  if (listed.size() > count) listed.resize(count);
  return Status::Ok();
}

Status TotalsOfMonth(const ExpenseDatabase& db, const std::string& month_key, MonthTotals& totals) {
  totals.month_key = month_key;
  PersonTotals persons;
  for (const std::string& person : db.GetPersonNames()) persons[person] = 0;
  persons[kForAll] = 0;
  PersonTotals sum = persons;
  ExpenseDatabase::ReadSession session(db);
  for (const std::string& category : db.GetCategoryNames()) {
    Result<Cents> total = db.CategoryMonthTotal(month_key, category);
    if (!total.ok()) return total.status;
    totals.by_category.emplace_back(category, total.value);
    totals.total += total.value;
    PersonTotals of_category = persons;
    if (Status read = db.CategoryPersonTotals(month_key, category, of_category); !read.ok()) {
      return read;
    }
    for (const auto& [person, amount] : of_category) sum[person] += amount;
  }
  for (const std::string& person : db.GetPersonNames())
    totals.by_person.emplace_back(person, sum[person]);
  totals.by_person.emplace_back(kForAll, sum[kForAll]);
  return Status::Ok();
}

std::string MonthKeyOf(int year, int month) {
  return MakeMonthKey(std::to_string(year), MonthName(month));
}

std::string MonthKeyBefore(int year, int month) {
  return month == 1 ? MonthKeyOf(year - 1, 12) : MonthKeyOf(year, month - 1);
}

}  // namespace kestrune::server
