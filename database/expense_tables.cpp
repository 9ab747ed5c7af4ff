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
                       ExpenseTables& tables) {
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
    } else if (in_persons && line.starts_with(kMonthPrefix)) {
      month = line.substr(kMonthPrefix.size());
    } else if (in_persons && line.starts_with(kPersonPrefix) &&
               AmountFollows(lines, i, kEndPersonTotals)) {
      tables.persons[month][line.substr(kPersonPrefix.size())] = ParseAmount(lines[++i]);
    }
  }
}

}  // namespace kestrune
