#include "database/sections.h"

#include "database/amounts.h"
#include "database/month_keys.h"
#include "database/text_lines.h"

namespace kestrune {

std::string FormatPurchaseLine(const PurchaseRecord& p) {
  return p.year + "|" + p.month + "|" + p.day + "|" + p.person + "|" + p.information + "|" + p.sum;
}

PurchaseRecord ParsePurchaseLine(std::string_view line) {
  std::string* fields[5];
  PurchaseRecord record;
  fields[0] = &record.year;
  fields[1] = &record.month;
  fields[2] = &record.day;
  fields[3] = &record.person;
  fields[4] = &record.information;
  for (std::string* field : fields) {
    const auto bar = line.find('|');
    if (bar == std::string_view::npos) {
      *field = std::string(line);
      return record;
    }
    *field = std::string(line.substr(0, bar));
    line.remove_prefix(bar + 1);
  }
  record.sum = std::string(line);
  return record;
}

std::string MonthKeyOf(const PurchaseRecord& purchase) {
  return MakeMonthKey(purchase.year, purchase.month);
}

bool IsSectionLine(std::string_view line) {
  for (const SectionMarks& marks : {kCategoryTotals, kItemTotals, kPersonTotals, kPurchaseList}) {
    if (line == marks.begin || line == marks.end) return true;
  }
  return false;
}

bool AmountFollows(const std::vector<std::string>& lines, std::size_t at, const char* end) {
  if (at + 1 >= lines.size() || IsSectionLine(lines[at])) return false;
  const std::string& next = lines[at + 1];
  return next != end && !IsSectionLine(next) && !next.starts_with(kMonthPrefix) &&
         !next.starts_with(kPersonPrefix);
}

std::string NewItemTotalsFile() {
  return JoinLines({kBeginItemTotals, kEndItemTotals, kBeginPersonTotals, kEndPersonTotals});
}

std::string NewItemFile() {
  return JoinLines({kBeginItemTotals, kEndItemTotals, kBeginPersonTotals, kEndPersonTotals,
                    kBeginPurchaseList, kEndPurchaseList});
}

std::string AppendEmptySection(const std::string& content, SectionMarks section) {
  return content + "\n" + section.begin + "\n" + section.end;
}

MonthTotalScan ScanMonthTotal(const std::vector<std::string>& lines, SectionMarks section,
                              std::string_view key) {
  MonthTotalScan scan;
  bool ended = false;
  bool take_next = false;
  for (const std::string& line : lines) {
    if (take_next) {
      scan.amount = ParseAmount(line);
      take_next = false;
    }
    if (line == section.begin) scan.section_found = true;
    if (line == section.end) ended = true;
    if (scan.section_found && !ended && line == key) take_next = true;
  }
  return scan;
}

bool ScanPersonTotals(const std::vector<std::string>& lines, std::string_view key,
                      PersonTotals& totals) {
  const std::string wanted_block = std::string(kMonthPrefix) + std::string(key);
  bool inside = false, ended = false, in_month = false, take_next = false;
  std::string person;
  for (const std::string& line : lines) {
    if (take_next) {
      if (auto found = totals.find(person); found != totals.end()) {
        found->second = ParseAmount(line);
      }
      take_next = false;
    }
    if (inside && in_month && !ended && line.starts_with(kPersonPrefix)) {
      person = line.substr(kPersonPrefix.size());
      take_next = true;
    }
    if (line.starts_with(kMonthPrefix) && line != wanted_block) in_month = false;
    if (line == wanted_block) in_month = true;
    if (line == kBeginPersonTotals) inside = true;
    if (line == kEndPersonTotals) ended = true;
  }
  return inside;
}

bool ScanPurchases(const std::vector<std::string>& lines, std::string_view key,
                   std::vector<PurchaseRecord>& purchases) {
  bool inside = false, ended = false;
  const bool all_months = key == kAllMonths;
  for (const std::string& line : lines) {
    if (inside && !ended && line != kEndPurchaseList) {
      PurchaseRecord record = ParsePurchaseLine(line);
      if (all_months || MonthKeyOf(record) == key) purchases.push_back(std::move(record));
    }
    if (line == kBeginPurchaseList) inside = true;
    if (line == kEndPurchaseList) ended = true;
  }
  return inside;
}

}  // namespace kestrune
