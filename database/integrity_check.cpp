#include "database/integrity_check.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <set>

#include "database/amounts.h"
#include "database/backups.h"
#include "database/change_set.h"
#include "database/expense_tables.h"
#include "database/maintenance_edits.h"
#include "database/month_keys.h"
#include "database/section_edits.h"
#include "database/text_lines.h"

namespace kestrune {
namespace {

long Cents(double amount) {
  return std::lround(amount * 100.0);
}

std::string PersonEntry(const std::string& month, const std::string& person) {
  return month + " / " + person;
}

// What a file holds: entry -> (line from 1, amount).
using StoredEntries = std::map<std::string, std::pair<int, double>>;

StoredEntries ReadStored(const std::vector<std::string>& lines, SectionMarks totals) {
  ExpenseTables tables;
  AmountLines where;
  ReadExpenseTables(lines, totals, tables, &where);
  StoredEntries stored;
  for (const auto& [key, line] : where.months) stored[key] = {line, tables.Month(key)};
  for (const auto& [place, line] : where.persons) {
    const auto& [month, person] = place;
    stored[PersonEntry(month, person)] = {line, tables.Person(month, person)};
  }
  return stored;
}

void AddPurchase(ExpenseTables& tables, const PurchaseRecord& purchase) {
  const double sum = ParseAmount(purchase.sum);
  for (const std::string& key : {std::string(kAllMonths), MonthKeyOf(purchase)}) {
    tables.months[key] += sum;
    tables.persons[key][purchase.person] += sum;
  }
}

// Every entry of either side whose amounts differ to the cent.
void Compare(const std::string& file, const StoredEntries& stored, const ExpenseTables& want,
             std::vector<TotalsDifference>& out) {
  std::map<std::string, double> recomputed;
  for (const std::string& key : want.months.keys()) recomputed[key] = want.Month(key);
  for (const std::string& month : want.persons.keys()) {
    for (const std::string& person : want.persons.Find(month)->keys()) {
      recomputed[PersonEntry(month, person)] = want.Person(month, person);
    }
  }
  std::set<std::string> entries;
  for (const auto& [entry, value] : stored) entries.insert(entry);
  for (const auto& [entry, value] : recomputed) entries.insert(entry);
  std::vector<TotalsDifference> found;
  for (const std::string& entry : entries) {
    const auto held = stored.find(entry);
    const double has = held == stored.end() ? 0.0 : held->second.second;
    const double should = recomputed.contains(entry) ? recomputed[entry] : 0.0;
    if (Cents(has) == Cents(should)) continue;
    found.push_back({file, held == stored.end() ? 0 : held->second.first, entry, has, should});
  }
  // In the order of the file's lines; missing entries last.
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return (a.line == 0 ? INT_MAX : a.line) < (b.line == 0 ? INT_MAX : b.line);
  });
  out.insert(out.end(), found.begin(), found.end());
}

std::vector<std::string> FileLines(FileSystem& fs, const std::string& path) {
  return SplitLines(fs.ReadFile(path).value_or(""));
}

std::string Relative(const ExpenseDatabase& db, const std::string& path) {
  return path.substr(db.database_folder().size() + 1);
}

// The purchases of every item, added up per item and per category.
struct Recomputed {
  std::map<std::string, ExpenseTables> items;       // by item file path
  std::map<std::string, ExpenseTables> categories;  // by category name
  std::set<std::string> months;
};

Recomputed Recompute(const ExpenseDatabase& db, FileSystem& fs) {
  Recomputed sums;
  for (const std::string& category : db.GetCategoryNames()) {
    ExpenseTables& category_tables = sums.categories[category];
    for (const std::string& item : db.GetItemNames(category)) {
      const std::string path = db.ItemFilePath(category, item);
      std::vector<PurchaseRecord> purchases;
      ScanPurchases(FileLines(fs, path), kAllMonths, purchases);
      ExpenseTables& item_tables = sums.items[path];
      for (const PurchaseRecord& purchase : purchases) {
        AddPurchase(item_tables, purchase);
        AddPurchase(category_tables, purchase);
        sums.months.insert(MonthKeyOf(purchase));
      }
    }
  }
  return sums;
}

void CheckIndex(const ExpenseDatabase& db, FileSystem& fs, const std::string& index,
                const std::string& folder, std::vector<std::string>& problems) {
  std::set<std::string> listed;
  for (const std::string& name : FileLines(fs, db.database_folder() + "/" + index)) {
    if (name.empty()) continue;
    listed.insert(name + ".txt");
    if (!fs.Exists(db.database_folder() + "/" + folder + "/" + name + ".txt")) {
      problems.push_back(folder + "/" + name + ".txt: missing (named in " + index + ")");
    }
  }
  for (const std::string& file : fs.ListFolder(db.database_folder() + "/" + folder)) {
    if (!file.starts_with(".") && !listed.contains(file)) {
      problems.push_back(folder + "/" + file + ": not named in " + index);
    }
  }
}

void CheckItemFiles(const ExpenseDatabase& db, FileSystem& fs, const Recomputed& sums,
                    std::vector<std::string>& problems) {
  for (const std::string& file : fs.ListFolder(db.database_folder() + "/items")) {
    if (!file.starts_with(".") && !sums.items.contains(db.database_folder() + "/items/" + file)) {
      problems.push_back("items/" + file + ": belongs to no item of the catalogue");
    }
  }
  const std::vector<std::string> months = db.GetMonths();
  for (const std::string& month : sums.months) {
    if (std::find(months.begin(), months.end(), month) == months.end()) {
      problems.push_back("KSDBMonths.txt: " + month + " has purchases but is not listed");
    }
  }
}

std::string Amount(double amount) {
  return FormatShownAmount(amount);
}

}  // namespace

std::vector<std::string> IntegrityReport::Lines() const {
  std::vector<std::string> lines;
  for (const TotalsDifference& d : differences) {
    const std::string where = d.line > 0 ? d.file + ":" + std::to_string(d.line) : d.file;
    const std::string held = d.line > 0 ? "stored " + Amount(d.stored) : std::string("missing");
    lines.push_back(where + ": " + d.entry + ": " + held + ", recomputed " + Amount(d.recomputed));
  }
  lines.insert(lines.end(), problems.begin(), problems.end());
  return lines;
}

IntegrityReport CheckIntegrity(const ExpenseDatabase& db, FileSystem& fs) {
  IntegrityReport report;
  const Recomputed sums = Recompute(db, fs);
  for (const auto& [path, want] : sums.items) {
    Compare(Relative(db, path), ReadStored(FileLines(fs, path), kItemTotals), want,
            report.differences);
  }
  for (const auto& [category, want] : sums.categories) {
    const std::string path = db.CategoryFilePath(category);
    Compare(Relative(db, path), ReadStored(FileLines(fs, path), kCategoryTotals), want,
            report.differences);
  }
  CheckIndex(db, fs, "KSDBCategories.txt", "categories", report.problems);
  CheckIndex(db, fs, "KSDBPersons.txt", "persons", report.problems);
  CheckItemFiles(db, fs, sums, report.problems);
  return report;
}

namespace {

void RepairFile(ChangeSet& changes, const std::string& path, SectionMarks totals,
                const ExpenseTables& want) {
  std::optional<std::string> content = changes.Read(path);
  if (!content) return;
  std::vector<std::string> lines = SplitLines(*content);
  EnsureSections(lines, {totals, kPersonTotals});
  const std::vector<std::string> repaired = SetAmounts(MakeRoom(lines, totals, want), totals, want);
  if (repaired != SplitLines(*content)) changes.Write(path, JoinEndedLines(repaired));
}

}  // namespace

Status RepairTotals(ExpenseDatabase& db, FileSystem& fs) {
  const Recomputed sums = Recompute(db, fs);
  ChangeSet changes(fs, db.database_folder());
  for (const auto& [path, want] : sums.items) {
    if (fs.Exists(path)) RepairFile(changes, path, kItemTotals, want);
  }
  for (const auto& [category, want] : sums.categories) {
    RepairFile(changes, db.CategoryFilePath(category), kCategoryTotals, want);
  }
  Status status = changes.Commit();
  for (const std::string& month : sums.months) {
    if (status.ok()) status = db.AddMonth(month);
  }
  return status;
}

Status RepairAfterBackup(ExpenseDatabase& db, FileSystem& fs, const std::string& backups_folder,
                         std::chrono::system_clock::time_point now, std::string& copy) {
  constexpr int kBackupsKept = 5;
  Status status =
      BackUpDatabase(db.database_folder(), backups_folder, BackupStamp(now), kBackupsKept, &copy);
  if (status.ok()) status = RepairTotals(db, fs);
  return status;
}

}  // namespace kestrune
