#include "database/month_keys.h"

#include <array>
#include <utility>

#include "database/amounts.h"
#include "database/exchange_sort.h"

namespace kestrune {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

Cents YearOf(const std::string& key) {
  return ParseCents(std::string_view(key).substr(0, 4));
}

int MonthOf(const std::string& key) {
  return key.size() > 5 ? MonthNumber(std::string_view(key).substr(5)) : 0;
}

}  // namespace

int MonthNumber(std::string_view month_name) {
  for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
    if (kMonthNames[i] == month_name) return static_cast<int>(i) + 1;
  }
  return 0;
}

std::string_view MonthName(int number) {
  if (number < 1 || number > 12) return {};
  return kMonthNames[static_cast<std::size_t>(number - 1)];
}

std::string MakeMonthKey(std::string_view year, std::string_view month_name) {
  std::string key(year);
  key += ' ';
  key += month_name;
  return key;
}

bool IsMonthKey(std::string_view text) {
  if (text.size() < 6 || text[4] != ' ') return false;
  for (std::size_t i = 0; i < 4; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return MonthNumber(text.substr(5)) != 0;
}

void SortMonthsNewestFirst(std::vector<std::string>& months) {
  std::vector<std::pair<Cents, int>> keys;
  keys.reserve(months.size());
  for (const std::string& key : months) keys.emplace_back(YearOf(key), MonthOf(key));
  ExchangeSort(months, keys);
}

}  // namespace kestrune
