#include "database/sections.h"

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
  // Views of the markers, so that a line is compared without measuring them each time.
  static constexpr std::string_view kMarkers[] = {
      kBeginCategoryTotals, kEndCategoryTotals, kBeginItemTotals,   kEndItemTotals,
      kBeginPersonTotals,   kEndPersonTotals,   kBeginPurchaseList, kEndPurchaseList};
  if (line.empty() || (line[0] != 'b' && line[0] != 'e')) return false;
  for (std::string_view marker : kMarkers) {
    if (line == marker) return true;
  }
  return false;
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

}  // namespace kestrune
