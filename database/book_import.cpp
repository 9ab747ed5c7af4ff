// Reading purchases from comma-separated values, checked against the book.
#include "database/book_import.h"

#include <chrono>
#include <map>
#include <set>

#include "database/amounts.h"
#include "database/month_keys.h"
#include "database/sections.h"
#include "database/validation.h"

namespace kestrune {
namespace {

std::string Lowered(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  const std::size_t last = text.find_last_not_of(" \t");
  std::string out(first == std::string_view::npos ? "" : text.substr(first, last - first + 1));
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

const std::map<std::string, ImportField, std::less<>>& HeaderSpellings() {
  static const std::map<std::string, ImportField, std::less<>> spellings = {
      {"date", ImportField::kDate},
      {"day", ImportField::kDate},
      {"booking date", ImportField::kDate},
      {"transaction date", ImportField::kDate},
      {"value date", ImportField::kDate},
      {"posting date", ImportField::kDate},
      {"category", ImportField::kCategory},
      {"group", ImportField::kCategory},
      {"item", ImportField::kItem},
      {"subcategory", ImportField::kItem},
      {"article", ImportField::kItem},
      {"product", ImportField::kItem},
      {"person", ImportField::kPerson},
      {"payer", ImportField::kPerson},
      {"paid by", ImportField::kPerson},
      {"who", ImportField::kPerson},
      {"information", ImportField::kInformation},
      {"info", ImportField::kInformation},
      {"note", ImportField::kInformation},
      {"notes", ImportField::kInformation},
      {"memo", ImportField::kInformation},
      {"description", ImportField::kInformation},
      {"comment", ImportField::kInformation},
      {"details", ImportField::kInformation},
      {"sum", ImportField::kSum},
      {"amount", ImportField::kSum},
      {"value", ImportField::kSum},
      {"total", ImportField::kSum},
      {"price", ImportField::kSum},
      {"cost", ImportField::kSum}};
  return spellings;
}

// The column a mapping names: a header (case ignored) or a number from 1.
std::optional<std::size_t> MappedColumn(const std::vector<std::string>& header,
                                        const std::string& column) {
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (Lowered(header[i]) == Lowered(column)) return i;
  }
  std::size_t number = 0;
  for (char c : column) {
    if (c < '0' || c > '9' || number > header.size()) return std::nullopt;
    number = number * 10 + static_cast<std::size_t>(c - '0');
  }
  if (column.empty() || number == 0 || number > header.size()) return std::nullopt;
  return number - 1;
}

Result<ImportColumns> ColumnsOf(const std::vector<std::string>& header, char separator,
                                const ImportOptions& options) {
  ImportColumns columns{separator, header, {}};
  for (const std::string& name : header) columns.fields.push_back(FieldOfHeader(name));
  for (const auto& [column, field] : options.mapping) {
    const std::optional<std::size_t> at = MappedColumn(header, column);
    if (!at) return Failed<ImportColumns>(Status::Error("No column " + column + " in the file"));
    // A field goes to one column only: the mapped one.
    for (ImportField& other : columns.fields) {
      if (other == field) other = ImportField::kNone;
    }
    columns.fields[*at] = field;
  }
  return Result<ImportColumns>{std::move(columns)};
}

// Reads 1 to `most` digits; the value, or nothing.
std::optional<int> Digits(std::string_view& text, std::size_t least, std::size_t most) {
  std::size_t n = 0;
  int value = 0;
  while (n < most && n < text.size() && text[n] >= '0' && text[n] <= '9') {
    value = value * 10 + (text[n++] - '0');
  }
  if (n < least) return std::nullopt;
  text.remove_prefix(n);
  return value;
}

struct DateParts {
  std::optional<int> year, month, day;
};

bool ReadDateParts(std::string_view cell, std::string_view format, DateParts& parts) {
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char directive = format[i] == '%' && i + 1 < format.size() ? format[++i] : '\0';
    std::optional<int>* target = directive == 'd'   ? &parts.day
                                 : directive == 'm' ? &parts.month
                                                    : &parts.year;
    if (directive == 'd' || directive == 'm') {
      *target = Digits(cell, 1, 2);
    } else if (directive == 'Y' || directive == 'y') {
      *target = Digits(cell, directive == 'Y' ? 4 : 2, directive == 'Y' ? 4 : 2);
      if (*target && directive == 'y') **target += **target < 69 ? 2000 : 1900;
    } else {
      const char literal = directive == '\0' ? format[i] : directive;
      if (cell.empty() || cell.front() != literal) return false;
      cell.remove_prefix(1);
      continue;
    }
    if (!*target) return false;
  }
  return cell.empty();
}

std::string TwoDigits(int value) {
  return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

}  // namespace

std::optional<ImportField> ImportFieldNamed(std::string_view name) {
  static const std::map<std::string, ImportField, std::less<>> names = {
      {"date", ImportField::kDate},
      {"category", ImportField::kCategory},
      {"item", ImportField::kItem},
      {"person", ImportField::kPerson},
      {"information", ImportField::kInformation},
      {"sum", ImportField::kSum},
      {"none", ImportField::kNone}};
  const auto found = names.find(Lowered(name));
  return found == names.end() ? std::nullopt : std::optional(found->second);
}

ImportField FieldOfHeader(std::string_view header) {
  const auto found = HeaderSpellings().find(Lowered(header));
  return found == HeaderSpellings().end() ? ImportField::kNone : found->second;
}

std::optional<PurchaseRecord> ReadImportDate(std::string_view cell, std::string_view format) {
  DateParts parts;
  const std::string trimmed = Lowered(cell);
  if (!ReadDateParts(trimmed, format.empty() ? "%Y-%m-%d" : format, parts) || !parts.year ||
      !parts.month || !parts.day) {
    return std::nullopt;
  }
  const std::chrono::year_month_day date{std::chrono::year{*parts.year},
                                         std::chrono::month{static_cast<unsigned>(*parts.month)},
                                         std::chrono::day{static_cast<unsigned>(*parts.day)}};
  if (!date.ok() || *parts.year < 1000) return std::nullopt;
  PurchaseRecord record;
  record.year = std::to_string(*parts.year);
  record.month = std::string(MonthName(*parts.month));
  record.day = TwoDigits(*parts.day);
  return record;
}

Result<ImportPreview> PreviewImport(std::string_view text, const ImportOptions& options,
                                    std::size_t row_count) {
  const char separator = DetectCsvSeparator(text);
  Result<std::vector<CsvRow>> rows = ReadCsv(text, separator);
  if (!rows.ok()) return Failed<ImportPreview>(rows.status);
  if (rows.value.empty()) return Failed<ImportPreview>(Status::Error("The file holds no rows"));
  Result<ImportColumns> columns = ColumnsOf(rows.value.front().fields, separator, options);
  if (!columns.ok()) return Failed<ImportPreview>(columns.status);
  ImportPreview preview{std::move(columns.value), {}};
  for (std::size_t i = 1; i < rows.value.size() && preview.rows.size() < row_count; ++i) {
    preview.rows.push_back(std::move(rows.value[i]));
  }
  return Result<ImportPreview>{std::move(preview)};
}

}  // namespace kestrune
