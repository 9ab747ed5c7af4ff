// Planning an import: each record of the file checked against the book.
#include <algorithm>
#include <map>
#include <set>

#include "database/amounts.h"
#include "database/book_import.h"
#include "database/month_keys.h"
#include "database/sections.h"
#include "database/validation.h"

namespace kestrune {
namespace {

enum class RowOutcome { kPurchase, kDuplicate, kNotExpense, kRefused };

// A purchase line with its sum as the files write it, so " 3.5" and " 3.50" compare equal.
std::string ComparableLine(PurchaseRecord purchase) {
  purchase.sum = FormatFileCents(ParseCents(purchase.sum));
  return FormatPurchaseLine(purchase);
}

class ImportPlanner {
 public:
  ImportPlanner(const ExpenseDatabase& db, const ImportOptions& options,
                const ImportColumns& columns, ImportPlan& plan)
      : db_(db), options_(options), columns_(columns), plan_(plan) {}

  // Sorts the record into the plan; fails only when the book cannot be read.
  Status Take(const CsvRow& row) {
    BookPurchase purchase;
    std::string reason;
    const RowOutcome outcome = Read(row, purchase, reason);
    if (outcome == RowOutcome::kRefused) {
      plan_.refused.push_back(RefusedRow{row.line, reason});
    } else if (outcome == RowOutcome::kNotExpense) {
      ++plan_.not_expenses;
    } else {
      return Place(std::move(purchase));
    }
    return Status::Ok();
  }

 private:
  std::string Cell(const CsvRow& row, ImportField field) const {
    for (std::size_t i = 0; i < columns_.fields.size() && i < row.fields.size(); ++i) {
      if (columns_.fields[i] == field) return row.fields[i];
    }
    return {};
  }

  RowOutcome Read(const CsvRow& row, BookPurchase& out, std::string& reason) {
    reason = ReadPlace(row, out);
    if (!reason.empty()) return RowOutcome::kRefused;
    const std::string date = Cell(row, ImportField::kDate);
    std::optional<PurchaseRecord> record = ReadImportDate(date, options_.date_format);
    if (!record) {
      reason = "Invalid date: " + date;
      return RowOutcome::kRefused;
    }
    const RowOutcome sum = ReadSum(Cell(row, ImportField::kSum), *record, reason);
    if (sum != RowOutcome::kPurchase) return sum;
    const std::string person = Cell(row, ImportField::kPerson);
    record->person = person.empty() ? kForAll : person;
    record->information = PurchaseInformation(Cell(row, ImportField::kInformation));
    out.purchase = std::move(*record);
    reason = CheckNames(out);
    return reason.empty() ? RowOutcome::kPurchase : RowOutcome::kRefused;
  }

  std::string ReadPlace(const CsvRow& row, BookPurchase& out) const {
    out.category = Cell(row, ImportField::kCategory);
    out.item = Cell(row, ImportField::kItem);
    if (out.category.empty() && out.item.empty()) {
      out.category = options_.category;
      out.item = options_.item;
    }
    if (out.category.empty() && out.item.empty()) return "No category and item (see --item)";
    if (out.category.empty()) return "No category";
    return out.item.empty() ? "No item" : "";
  }

  RowOutcome ReadSum(const std::string& cell, PurchaseRecord& record, std::string& reason) const {
    const TypedSum typed = ReadTypedSum(cell, options_.decimal_comma ? "." : ",");
    if (!typed.cents) {
      reason = "Invalid sum: " + cell;
      return RowOutcome::kRefused;
    }
    Cents cents = *typed.cents;
    if (options_.negative_expenses) {
      if (cents >= 0) return RowOutcome::kNotExpense;
      cents = -cents;
    }
    const SumCheck check = CheckSum(cents);
    if (check != SumCheck::kOk) {
      reason = check == SumCheck::kOutOfRange ? std::string(kSumOutOfRange)
                                              : "The sum must be greater than 0: " + cell;
      return RowOutcome::kRefused;
    }
    record.sum = FormatFileCents(cents);
    return RowOutcome::kPurchase;
  }

  // Why the names cannot be used; with `create`, a name the book lacks joins the plan.
  std::string CheckNames(const BookPurchase& row) {
    std::string fault = CheckCategory(row.category);
    if (fault.empty()) fault = CheckItem(row.category, row.item);
    if (fault.empty()) fault = CheckPerson(row.purchase.person);
    return fault;
  }

  static std::string Fault(const Status& check) {
    return check.ok() ? "" : check.message() + ": " + check.detail();
  }

  std::string CheckCategory(const std::string& name) {
    if (db_.CategoryExists(name) || new_categories_.count(name)) return {};
    if (!options_.create) return "Unknown category: " + name;
    const std::string fault = Fault(CheckNewCategory(db_, name));
    if (!fault.empty()) return fault;
    new_categories_.insert(name);
    plan_.batch.new_categories.push_back(name);
    return {};
  }

  std::string CheckItem(const std::string& category, const std::string& item) {
    if (db_.ItemExists(category, item) || new_items_.count({category, item})) return {};
    if (!options_.create) return "Unknown item: " + item + " in " + category;
    std::string fault =
        Fault(new_categories_.count(category) ? CheckItemOfNewCategory(db_, category, item)
                                              : CheckNewItem(db_, category, item));
    // Two new items must not share one file either.
    if (fault.empty() && !new_stems_.insert(category + " " + item).second) {
      fault = std::string(kInvalidItemName) + ": its file would be another new item's file.";
    }
    if (!fault.empty()) return fault;
    new_items_.insert({category, item});
    plan_.batch.new_items.emplace_back(category, item);
    return {};
  }

  std::string CheckPerson(const std::string& name) {
    if (name == kForAll || db_.PersonExists(name) || new_persons_.count(name)) return {};
    if (!options_.create) return "Unknown person: " + name;
    const std::string fault = Fault(CheckNewPerson(db_, name));
    if (!fault.empty()) return fault;
    new_persons_.insert(name);
    plan_.batch.new_persons.push_back(name);
    return {};
  }

  Status Place(BookPurchase purchase) {
    const std::pair<std::string, std::string> key{purchase.category, purchase.item};
    auto lines = book_lines_.find(key);
    if (lines == book_lines_.end()) {
      std::vector<PurchaseRecord> held;
      if (db_.ItemExists(purchase.category, purchase.item)) {
        const Status read =
            db_.ItemPurchases(std::string(kAllMonths), purchase.category, purchase.item, held);
        if (!read.ok()) return read;
      }
      lines = book_lines_.emplace(key, std::set<std::string>{}).first;
      for (const PurchaseRecord& record : held) lines->second.insert(ComparableLine(record));
    }
    if (lines->second.count(ComparableLine(purchase.purchase))) {
      ++plan_.duplicates;
    } else {
      plan_.batch.purchases.push_back(std::move(purchase));
    }
    return Status::Ok();
  }

  const ExpenseDatabase& db_;
  const ImportOptions& options_;
  const ImportColumns& columns_;
  ImportPlan& plan_;
  std::set<std::string> new_categories_, new_persons_, new_stems_;
  std::set<std::pair<std::string, std::string>> new_items_;
  std::map<std::pair<std::string, std::string>, std::set<std::string>> book_lines_;
};

bool HasField(const ImportColumns& columns, ImportField field) {
  return std::find(columns.fields.begin(), columns.fields.end(), field) != columns.fields.end();
}

}  // namespace

Result<ImportPlan> PlanImport(const ExpenseDatabase& db, std::string_view text,
                              const ImportOptions& options, const BatchProgress& progress) {
  Result<ImportPreview> read = PreviewImport(text, options, static_cast<std::size_t>(-1));
  if (!read.ok()) return Failed<ImportPlan>(read.status);
  const ImportColumns& columns = read.value.columns;
  for (const auto& [field, name] :
       {std::pair{ImportField::kDate, "date"}, std::pair{ImportField::kSum, "sum"}}) {
    if (!HasField(columns, field)) {
      return Failed<ImportPlan>(Status::Error(std::string("No ") + name +
                                              " column (name one with --map COLUMN=" + name + ")"));
    }
  }
  ImportPlan plan;
  ImportPlanner planner(db, options, columns, plan);
  const std::vector<CsvRow>& rows = read.value.rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Status taken = planner.Take(rows[i]);
    if (!taken.ok()) return Failed<ImportPlan>(taken);
    if (progress && ((i + 1) % 1000 == 0 || i + 1 == rows.size())) progress(i + 1, rows.size());
  }
  // Recorded from the last row to the first, each item's purchase list (newest on top) and
  // each category's item list show them in the order of the file.
  std::reverse(plan.batch.purchases.begin(), plan.batch.purchases.end());
  std::reverse(plan.batch.new_items.begin(), plan.batch.new_items.end());
  return Result<ImportPlan>{std::move(plan)};
}

}  // namespace kestrune
