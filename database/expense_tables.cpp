#include "database/expense_tables.h"

#include "database/amounts.h"

namespace kestrune {

double ExpenseTables::Month(const std::string& key) const {
  const double* amount = months.Find(key);
  return amount ? *amount : 0.0;
}

double ExpenseTables::Person(const std::string& month, const std::string& person) const {
  const AmountTable* block = persons.Find(month);
  const double* amount = block ? block->Find(person) : nullptr;
  return amount ? *amount : 0.0;
}

void ReadExpenseTables(const std::vector<std::string>& lines, SectionMarks totals,
                       ExpenseTables& tables, AmountLines* where) {
  AmountLines ignored;
  AmountLines& found = where ? *where : ignored;
  bool in_totals = false, in_persons = false;
  std::string month;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line == totals.begin) {
      in_totals = true;
    } else if (line == totals.end) {
      in_totals = false;
    } else if (line == kBeginPersonTotals) {
      in_persons = true;
    } else if (line == kEndPersonTotals) {
      in_persons = false;
    } else if (in_totals && AmountFollows(lines, i, totals.end)) {
      tables.months[line] = ParseAmount(lines[++i]);
      found.months[line] = static_cast<int>(i) + 1;
    } else if (in_persons && line.starts_with(kMonthPrefix)) {
      month = line.substr(kMonthPrefix.size());
    } else if (in_persons && line.starts_with(kPersonPrefix) &&
               AmountFollows(lines, i, kEndPersonTotals)) {
      const std::string person = line.substr(kPersonPrefix.size());
      tables.persons[month][person] = ParseAmount(lines[++i]);
      found.persons[{month, person}] = static_cast<int>(i) + 1;
    }
  }
}

}  // namespace kestrune
