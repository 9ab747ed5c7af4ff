#include "database/integrity_check.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <map>
#include <set>

#include "database/amount_tables.h"
#include "database/amounts.h"
#include "database/backups.h"
#include "database/budget_file.h"
#include "database/change_set.h"
#include "database/expense_file.h"
#include "database/month_keys.h"
#include "database/text_lines.h"

namespace kestrune {
namespace {

constexpr const char* kMonthsIndex = "KSDBMonths.txt";

std::string PersonEntry(const std::string& month, const std::string& person) {
  return month + " / " + person;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string Relative(const ExpenseDatabase& db, const std::string& path) {
  return path.substr(db.database_folder().size() + 1);
}

std::string At(const std::string& file, std::size_t index) {
  return file + ":" + std::to_string(index + 1) + ": ";
}

// A data file as the check reads it. An absent file reads as no lines.
struct DataFile {
  bool exists = false;
  bool readable = false;
  bool marked = false;
  std::vector<std::string> lines;
  std::string content;
};

DataFile ReadDataFile(FileSystem& fs, const std::string& path, bool split = true) {
  DataFile file;
  const Status read = fs.Read(path, file.content);
  file.readable = read.ok();
  file.exists = file.readable || !read.IsNotFound();
  if (!file.readable) return file;
  file.marked = StartsWithByteOrderMark(file.content);
  if (split) file.lines = SplitLines(file.content);  // without a byte-order mark
  return file;
}

// What a file holds: entry -> (line from 1, amount).
using StoredEntries = std::map<std::string, std::pair<int, Cents>>;

StoredEntries Stored(const ExpenseTables& tables, const AmountLines& where) {
  StoredEntries stored;
  for (const auto& [key, line] : where.months) stored[key] = {line, tables.Month(key)};
  for (const auto& [place, line] : where.persons) {
    const auto& [month, person] = place;
    stored[PersonEntry(month, person)] = {line, tables.Person(month, person)};
  }
  return stored;
}

void AddPurchase(ExpenseTables& tables, const PurchaseRecord& purchase) {
  const Cents sum = ParseCents(purchase.sum);
  for (const std::string& key : {std::string(kAllMonths), MonthKeyOf(purchase)}) {
    tables.months[key] += sum;
    tables.persons[key][purchase.person] += sum;
  }
}

bool SaneTables(const ExpenseTables& tables) {
  for (const std::string& key : tables.months.keys()) {
    if (!IsSaneTotalCents(tables.Month(key))) return false;
    for (const std::string& person : tables.persons.Find(key)->keys()) {
      if (!IsSaneTotalCents(tables.Person(key, person))) return false;
    }
  }
  return true;
}

// What check and repair learn from the category and item files of the catalogue.
struct Survey {
  std::map<std::string, ExpenseTables> items;       // recomputed, by path: sound item files
  std::map<std::string, ExpenseTables> categories;  // recomputed, by name: sound categories
  std::map<std::string, StoredEntries> stored;      // by path: sound files that exist
  std::set<std::string> months;                     // with purchases in sound categories
  std::set<std::string> held;                       // month keys any readable file holds
  std::vector<std::string> damaged;
  std::vector<std::string> marks;
};

// Reads every category and item file of the catalogue once.
class Surveyor {
 public:
  Surveyor(const ExpenseDatabase& db, FileSystem& fs) : db_(db), fs_(fs) {}

  Survey Run() {
    for (const std::string& category : db_.GetCategoryNames()) Category(category);
    return std::move(survey_);
  }

 private:
  void Category(const std::string& category) {
    ExpenseTables tables;
    std::set<std::string> months;
    bool sound = true;
    for (const std::string& item : db_.GetItemNames(category)) {
      const std::string path = db_.ItemFilePath(category, item);
      const std::optional<std::vector<PurchaseRecord>> purchases = Read(path, kItemTotals);
      if (!purchases) {
        sound = false;
        continue;
      }
      ExpenseTables& item_tables = survey_.items[path];
      for (const PurchaseRecord& purchase : *purchases) {
        AddPurchase(item_tables, purchase);
        AddPurchase(tables, purchase);
        months.insert(MonthKeyOf(purchase));
      }
      sound = Sane(item_tables, path) && sound;
    }
    const std::string path = db_.CategoryFilePath(category);
    sound = Read(path, kCategoryTotals).has_value() && sound;
    if (!sound || !Sane(tables, path)) return;
    survey_.categories[category] = std::move(tables);
    survey_.months.insert(months.begin(), months.end());
  }

  bool Sane(const ExpenseTables& tables, const std::string& path) {
    if (SaneTables(tables)) return true;
    survey_.items.erase(path);
    survey_.damaged.push_back(Relative(db_, path) + ": recomputed totals out of range");
    return false;
  }

  // The purchases of a sound file (none for a category file or an absent file); nothing for
  // a file that cannot be read or whose sections are damaged.
  std::optional<std::vector<PurchaseRecord>> Read(const std::string& path, SectionMarks totals) {
    DataFile file = ReadDataFile(fs_, path, false);
    const std::string name = Relative(db_, path);
    if (file.exists && !file.readable) {
      survey_.damaged.push_back(name + ": cannot be read");
      return std::nullopt;
    }
    if (file.marked) survey_.marks.push_back(name + ": byte-order mark at the start");
    const ExpenseFile model(std::move(file.content), totals);
    ExpenseTables tables;
    AmountLines where;
    model.ReadTables(tables, &where);
    std::vector<PurchaseRecord> purchases = model.Purchases(kAllMonths);
    Hold(tables, purchases);
    if (const std::optional<SectionFault> fault = model.Fault()) {
      survey_.damaged.push_back(At(name, fault->line - 1) + fault->what);
      return std::nullopt;
    }
    if (file.exists) survey_.stored[path] = Stored(tables, where);
    return purchases;
  }

  void Hold(const ExpenseTables& tables, const std::vector<PurchaseRecord>& purchases) {
    survey_.held.insert(tables.months.keys().begin(), tables.months.keys().end());
    survey_.held.insert(tables.persons.keys().begin(), tables.persons.keys().end());
    for (const PurchaseRecord& purchase : purchases) survey_.held.insert(MonthKeyOf(purchase));
  }

  const ExpenseDatabase& db_;
  FileSystem& fs_;
  Survey survey_;
};

// Every entry of either side whose amounts differ to the cent.
void Compare(const std::string& file, const StoredEntries& stored, const ExpenseTables& want,
             std::vector<TotalsDifference>& out) {
  std::map<std::string, Cents> recomputed;
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
    const Cents has = held == stored.end() ? 0 : held->second.second;
    const Cents should = recomputed.contains(entry) ? recomputed[entry] : 0;
    if (has == should) continue;
    found.push_back({file, held == stored.end() ? 0 : held->second.first, entry, has, should});
  }
  // In the order of the file's lines; missing entries last.
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return (a.line == 0 ? INT_MAX : a.line) < (b.line == 0 ? INT_MAX : b.line);
  });
  out.insert(out.end(), found.begin(), found.end());
}

// What is wrong with a line of the category or person index, or nothing.
std::optional<std::string> IndexLineFault(const std::string& name,
                                          const std::set<std::string>& listed) {
  if (name.empty()) return "blank line";
  if (name.find('/') != std::string::npos) return Quoted(name) + " cannot name a file";
  if (listed.contains(name)) return Quoted(name) + " listed twice";
  return std::nullopt;
}

// The lines of an index against the files of `folder`. A file is read unless `surveyed` says
// the survey read it already. Files the index does not name go to `unnamed`.
void CheckIndex(const ExpenseDatabase& db, FileSystem& fs, const std::string& index,
                const std::string& folder, const std::function<bool(const std::string&)>& surveyed,
                std::vector<std::string>& problems, std::vector<std::string>& unnamed) {
  const std::string base = db.database_folder() + "/";
  const DataFile lines = ReadDataFile(fs, base + index);
  if (lines.marked) problems.push_back(index + ": byte-order mark at the start");
  std::set<std::string> listed;
  for (std::size_t n = 0; n < lines.lines.size(); ++n) {
    const std::string& name = lines.lines[n];
    if (const std::optional<std::string> fault = IndexLineFault(name, listed)) {
      problems.push_back(At(index, n) + *fault);
      continue;
    }
    listed.insert(name);
    const std::string file = folder + "/" + name + ".txt";
    const DataFile entity =
        surveyed(name) ? DataFile{true, true, false, {}, {}} : ReadDataFile(fs, base + file);
    if (!entity.exists) problems.push_back(At(index, n) + file + " is missing");
    if (entity.exists && !entity.readable) problems.push_back(file + ": cannot be read");
    if (entity.marked) problems.push_back(file + ": byte-order mark at the start");
  }
  for (const std::string& file : fs.ListFolder(base + folder)) {
    const bool named = file.ends_with(".txt") && listed.contains(file.substr(0, file.size() - 4));
    if (!file.starts_with(".") && !named) {
      unnamed.push_back(folder + "/" + file + ": not named in " + index);
    }
  }
}

void CheckItemFiles(const ExpenseDatabase& db, FileSystem& fs, std::vector<std::string>& problems) {
  std::set<std::string> paths;
  for (const std::string& category : db.GetCategoryNames()) {
    for (const std::string& item : db.GetItemNames(category)) {
      paths.insert(db.ItemFilePath(category, item));
    }
  }
  for (const std::string& file : fs.ListFolder(db.database_folder() + "/items")) {
    if (!file.starts_with(".") && !paths.contains(db.database_folder() + "/items/" + file)) {
      problems.push_back("items/" + file + ": belongs to no item of the catalogue");
    }
  }
}

// The months index against the month keys the files hold and the months with purchases.
void CheckMonths(const ExpenseDatabase& db, FileSystem& fs, const Survey& survey,
                 IntegrityReport& report) {
  const DataFile index = ReadDataFile(fs, db.MonthsIndexPath());
  if (index.marked)
    report.problems.push_back(std::string(kMonthsIndex) + ": byte-order mark at the start");
  std::set<std::string> listed;
  for (std::size_t n = 0; n < index.lines.size(); ++n) {
    const std::string& key = index.lines[n];
    const std::string where = At(kMonthsIndex, n);
    if (!IsMonthKey(key)) {
      report.problems.push_back(where + Quoted(key) + " is not a month key");
    } else if (!listed.insert(key).second) {
      report.problems.push_back(where + key + " listed twice");
    } else if (!survey.held.contains(key)) {
      report.problems.push_back(where + key + " is held by no file");
    }
  }
  for (const std::string& month : survey.months) {
    if (listed.contains(month)) continue;
    report.problems.push_back(std::string(kMonthsIndex) + ": " + month +
                              " has purchases but is not listed");
    report.unlisted_months.push_back(month);
  }
}

std::string Amount(Cents amount) {
  return FormatShownCents(amount);
}

}  // namespace

std::vector<std::string> IntegrityReport::Lines() const {
  std::vector<std::string> lines;
  for (const TotalsDifference& d : differences) {
    const std::string where = d.line > 0 ? d.file + ":" + std::to_string(d.line) : d.file;
    const std::string held = d.line > 0 ? "stored " + Amount(d.stored) : std::string("missing");
    lines.push_back(where + ": " + d.entry + ": " + held + ", recomputed " + Amount(d.recomputed));
  }
  lines.insert(lines.end(), damaged.begin(), damaged.end());
  lines.insert(lines.end(), problems.begin(), problems.end());
  lines.insert(lines.end(), notes.begin(), notes.end());
  return lines;
}

namespace {

// A damaged budget file, and budgets naming what the catalogue no longer holds.
void CheckBudgets(const ExpenseDatabase& db, IntegrityReport& report) {
  Result<std::vector<Budget>> unknown = db.BudgetsOfUnknownNames();
  if (!unknown.ok()) report.damaged.push_back(unknown.status.message());
  for (const Budget& budget : unknown.value) {
    report.problems.push_back(
        std::string(kBudgetFileName) + ": the budget of " + BudgetName(budget) + " names " +
        (budget.item.empty() ? "a category" : "an item") + " no longer in the book");
  }
}

}  // namespace

IntegrityReport CheckIntegrity(const ExpenseDatabase& db, FileSystem& fs) {
  IntegrityReport report;
  const Survey survey = Surveyor(db, fs).Run();
  const StoredEntries none;
  for (const auto& [path, want] : survey.items) {
    const auto stored = survey.stored.find(path);
    Compare(Relative(db, path), stored == survey.stored.end() ? none : stored->second, want,
            report.differences);
  }
  for (const auto& [category, want] : survey.categories) {
    const std::string path = db.CategoryFilePath(category);
    const auto stored = survey.stored.find(path);
    Compare(Relative(db, path), stored == survey.stored.end() ? none : stored->second, want,
            report.differences);
  }
  report.damaged = survey.damaged;
  report.problems = survey.marks;
  CheckIndex(
      db, fs, "KSDBCategories.txt", "categories",
      [&db](const std::string& name) { return db.CategoryExists(name); }, report.problems,
      report.problems);
  // A clear keeps the person files and empties their index; no total reads them, so they are
  // noted, not counted.
  std::vector<std::string> kept;
  CheckIndex(
      db, fs, "KSDBPersons.txt", "persons", [](const std::string&) { return false; },
      report.problems, kept);
  for (const std::string& line : kept) report.notes.push_back(line + " (kept, not used)");
  CheckItemFiles(db, fs, report.problems);
  CheckMonths(db, fs, survey, report);
  CheckBudgets(db, report);
  return report;
}

namespace {

void RepairFile(ChangeSet& changes, const std::string& path, SectionMarks totals,
                const ExpenseTables& want) {
  std::string content;
  if (!changes.Read(path, content).ok()) return;
  ExpenseFile file(std::move(content), totals);
  const std::string before = file.Format();
  file.EnsureSection(totals);
  file.EnsureSection(kPersonTotals);
  file.MakeRoom(want);
  file.SetAmounts(want);
  std::string repaired = file.Format();
  if (repaired != before) changes.Write(path, std::move(repaired));
}

}  // namespace

Status RepairTotals(ExpenseDatabase& db, FileSystem& fs) {
  const Survey survey = Surveyor(db, fs).Run();
  ChangeSet changes(fs, db.database_folder());
  for (const auto& [category, want] : survey.categories) {
    for (const std::string& item : db.GetItemNames(category)) {
      const std::string path = db.ItemFilePath(category, item);
      if (fs.Exists(path)) RepairFile(changes, path, kItemTotals, survey.items.at(path));
    }
    RepairFile(changes, db.CategoryFilePath(category), kCategoryTotals, want);
  }
  changes.Record(db.Note("Repair totals", {}, {}));
  Status status = changes.Commit();
  for (const std::string& month : survey.months) {
    if (status.ok()) status = db.AddMonth(month);
  }
  if (!status.ok() || survey.damaged.empty()) return status;
  std::string message =
      "Not repaired: these files and the rest of their categories are left "
      "as they were, mend them by hand and check again:";
  for (const std::string& line : survey.damaged) message += "\n" + line;
  return Status::Error(message);
}

Status RepairAfterBackup(ExpenseDatabase& db, FileSystem& fs, const std::string& backups_folder,
                         std::chrono::system_clock::time_point now, std::string& copy) {
  Status status = BackUpDatabase(fs, db.database_folder(), backups_folder, BackupStamp(now),
                                 kBackupsToKeep, &copy);
  if (status.ok()) status = RepairTotals(db, fs);
  return status;
}

}  // namespace kestrune
