// Item files: the model gives back every line, finds the same fault in what it wrote, and its
// edits keep a sound file sound, its outside lines in place and its totals those of its
// purchases.
#include "database/expense_file.h"
#include "database/month_keys.h"
#include "tests/fuzz/fuzz_properties.h"

namespace {

using namespace kestrune;

bool SameFault(const std::optional<SectionFault>& a, const std::optional<SectionFault>& b) {
  return a.has_value() == b.has_value() && (!a || (a->line == b->line && a->what == b->what));
}

// The totals the purchases make, with every key and person the file already has.
ExpenseTables Recomputed(const ExpenseFile& file) {
  ExpenseTables tables;
  file.ReadTables(tables);
  for (const std::string& key : tables.months.keys()) tables.months[key] = 0;
  for (const std::string& key : tables.persons.keys())
    for (const std::string& person : tables.persons[key].keys()) tables.persons[key][person] = 0;
  for (const PurchaseRecord& purchase : file.Purchases(kAllMonths)) {
    const Cents sum = ParseCents(purchase.sum);
    for (const std::string& key : {std::string(kAllMonths), MonthKeyOf(purchase)}) {
      tables.months[key] += sum;
      tables.persons[key][purchase.person] += sum;
    }
  }
  return tables;
}

void CheckEditsOfASoundFile(const std::string& text) {
  ExpenseFile file(text, kItemTotals);
  for (SectionMarks section : {kItemTotals, kPersonTotals, kPurchaseList})
    file.EnsureSection(section);
  const std::vector<std::string> lines = SplitLines(file.Format());
  const PurchaseRecord purchase{"2004", "January", "05", "Anna", "x", " 1.50"};
  file.ChangeTotals({"2004 January", "Anna", 150, " 1.50"});
  file.InsertPurchase(purchase);
  const ExpenseTables want = Recomputed(file);
  file.MakeRoom(want);
  file.SetAmounts(want);
  const ExpenseFile repaired(file.Format(), kItemTotals);
  fuzz::Require(!repaired.Fault(), "a sound file stays sound when recording and repair edit it");
  ExpenseTables got;
  repaired.ReadTables(got);
  for (const std::string& key : want.months.keys())
    fuzz::Require(got.Month(key) == want.Month(key), "repaired totals are the purchases' sums");
  fuzz::Require(fuzz::OutsideSections(SplitLines(repaired.Format()), kItemTotals) ==
                    fuzz::OutsideSections(lines, kItemTotals),
                "edits keep the lines outside the sections");
  fuzz::Require(file.RemovePurchase(purchase), "a recorded purchase can be deleted again");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const ExpenseFile file(text, kItemTotals);
  const std::string written = file.Format();
  fuzz::Require(written == JoinEndedLines(SplitLines(text)), "writing gives back every line");
  const std::optional<SectionFault> fault = file.Fault();
  fuzz::Require(SameFault(ExpenseFile(written, kItemTotals).Fault(), fault),
                "what was written has the same fault");
  if (!fault) CheckEditsOfASoundFile(written);
  return 0;
}
