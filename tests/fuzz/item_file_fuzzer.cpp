// Item files: every section reader and edit. Lines outside the sections are never touched.
#include "database/amounts.h"
#include "database/expense_tables.h"
#include "database/maintenance_edits.h"
#include "database/section_edits.h"
#include "tests/fuzz/fuzz_properties.h"

namespace {

using namespace kestrune;

void CheckEditsKeepOutsideLines(const std::vector<std::string>& lines) {
  const auto outside = fuzz::OutsideSections(lines, kItemTotals);
  const TotalsChange record{"2004 January", "Anna", 1.5, " 1.50"};
  fuzz::Require(
      fuzz::OutsideSections(ChangeTotals(lines, kItemTotals, record), kItemTotals) == outside,
      "recording keeps the lines outside the sections");
  ExpenseTables tables;
  ReadExpenseTables(lines, kItemTotals, tables);
  fuzz::Require(
      fuzz::OutsideSections(ShiftAmounts(lines, kItemTotals, tables, -1.0), kItemTotals) == outside,
      "subtracting keeps the lines outside the sections");
  fuzz::Require(fuzz::OutsideSections(MakeRoom(lines, kItemTotals, tables), kItemTotals) == outside,
                "making room keeps the lines outside the sections");
  PersonTotals persons{{"Anna", 0.0}, {"for all", 0.0}};
  ScanPersonTotals(lines, "2004 January", persons);
  DropMonth(lines, kItemTotals, "2004 January", 1.0, persons);
  RemovePerson(lines, kItemTotals, "Anna", tables);
  RenamePerson(lines, "Anna", "Bob");
}

// A file the integrity check calls sound stays sound after recording and repair edit it.
void CheckSoundStaysSound(std::vector<std::string> lines) {
  if (FindSectionFault(lines, kItemTotals)) return;
  EnsureSections(lines, {kItemTotals, kPersonTotals, kPurchaseList});
  InsertPurchaseLine(lines, "2004|January|05|Anna|x| 1.50");
  lines = ChangeTotals(lines, kItemTotals, {"2004 January", "Anna", 0.0, " 0.00"});
  ExpenseTables tables;
  ReadExpenseTables(lines, kItemTotals, tables);
  lines = SetAmounts(MakeRoom(lines, kItemTotals, tables), kItemTotals, tables);
  const std::optional<SectionFault> fault = FindSectionFault(lines, kItemTotals);
  fuzz::Require(!fault, "a sound file stays sound when recording and repair edit it");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> lines = fuzz::Lines(data, size);
  ScanMonthTotal(lines, kItemTotals, "all months");
  std::vector<PurchaseRecord> purchases;
  ScanPurchases(lines, "all months", purchases);
  CheckEditsKeepOutsideLines(lines);
  CheckSoundStaysSound(lines);
  std::vector<std::string> with_purchase = lines;
  EnsureSections(with_purchase, {kItemTotals, kPersonTotals, kPurchaseList});
  const std::string line = "2004|January|05|Anna|x| 1.50";
  InsertPurchaseLine(with_purchase, line);
  fuzz::Require(RemovePurchaseLine(with_purchase, ParsePurchaseLine(line)),
                "an inserted purchase can be removed again");
  return 0;
}
