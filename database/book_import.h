#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/csv.h"
#include "database/expense_database.h"
#include "database/records.h"
#include "database/result.h"

namespace kestrune {

// What a column of an imported file holds.
enum class ImportField { kNone, kDate, kCategory, kItem, kPerson, kInformation, kSum };

// The field a --map names: "date", "category", "item", "person", "information", "sum" or
// "none" (the column is left out); nothing for any other name.
std::optional<ImportField> ImportFieldNamed(std::string_view name);

// The field a header names, blanks around it and case ignored: the field names and common
// spellings ("note", "memo", "description", "amount", "value", "booking date", "payer" ...);
// kNone for a header not understood.
ImportField FieldOfHeader(std::string_view header);

// How to read an imported file.
struct ImportOptions {
  // Header text (case ignored) or column number from 1, and the field it holds; these win
  // over what the headers say.
  std::vector<std::pair<std::string, ImportField>> mapping;
  std::string date_format;         // %d %m %Y %y and literal characters; empty: YYYY-MM-DD
  bool decimal_comma = false;      // "," is the decimal mark and "." groups thousands
  bool negative_expenses = false;  // negative sums are expenses; positive rows are left out
  bool create = false;             // unknown categories, items and persons are added
  std::string category, item;      // where rows without category and item go
};

// The columns of a file: its separator, header row and the field each column holds.
struct ImportColumns {
  char separator = ',';
  std::vector<std::string> header;
  std::vector<ImportField> fields;
};

// What a dialog shows before importing: the columns and the first records after the header.
struct ImportPreview {
  ImportColumns columns;
  std::vector<CsvRow> rows;
};

// Reads the text (nothing is written) and returns its columns and up to `row_count` records.
// Fails when the text is no valid CSV, is empty, or a mapping names no column.
Result<ImportPreview> PreviewImport(std::string_view text, const ImportOptions& options,
                                    std::size_t row_count);

// A record that cannot be imported: the line of the file it starts on and why.
struct RefusedRow {
  std::size_t line = 0;
  std::string reason;
};

// What importing would do.
struct ImportPlan {
  PurchaseBatch batch;           // the purchases to record and the names to add
  std::size_t duplicates = 0;    // rows equal to a purchase already in the book
  std::size_t not_expenses = 0;  // positive rows left out under negative_expenses
  std::vector<RefusedRow> refused;
};

// Reads the whole text against the book (nothing is written): every record becomes a purchase
// to record, a duplicate, a row left out or a refusal. A duplicate is a row with the item,
// date, person, sum and information of a purchase the book already holds; rows repeated within
// the file are not compared with each other. The batch holds the rows from the last to the
// first, so that recorded in its order the book lists them as the file does. Fails as PreviewImport
// does, and when the date or sum column is missing. `progress` is told of the records read.
Result<ImportPlan> PlanImport(const ExpenseDatabase& db, std::string_view text,
                              const ImportOptions& options, const BatchProgress& progress = {});

// The date of a cell read with the format (%d, %m, %Y, %y for 1969-2068, %% and literal
// characters; empty: "%Y-%m-%d") as a purchase's year, month name and day; nothing when the
// cell does not match or is no date from the year 1000 on.
std::optional<PurchaseRecord> ReadImportDate(std::string_view cell, std::string_view format);

}  // namespace kestrune
