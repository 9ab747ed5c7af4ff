// Reading and writing comma-separated values.
#include "database/csv.h"

namespace kestrune {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutMark(std::string_view text) {
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    text.remove_prefix(kByteOrderMark.size());
  }
  return text;
}

// Walks the text once, one character at a time; a quote opens only at a field's start.
class CsvParser {
 public:
  CsvParser(std::string_view text, char separator) : text_(text), separator_(separator) {}

  Result<std::vector<CsvRow>> Run() {
    for (pos_ = 0; pos_ < text_.size(); ++pos_) Step(text_[pos_]);
    if (quoted_) {
      return Failed<std::vector<CsvRow>>(Status::Error("Line " + std::to_string(quote_line_) +
                                                       ": a quoted field is never closed"));
    }
    if (!row_.fields.empty() || !field_.empty() || field_started_) EndRecord();
    return Result<std::vector<CsvRow>>{std::move(rows_)};
  }

 private:
  void Step(char c) {
    if (c == '\n') ++line_;
    if (quoted_) return StepQuoted(c);
    if (c == '"' && field_.empty() && !field_started_) {
      quoted_ = field_started_ = true;
      quote_line_ = line_;
    } else if (c == separator_) {
      EndField();
    } else if (c == '\n' || (c == '\r' && Next() == '\n')) {
      if (c == '\r') ++pos_, ++line_;
      EndRecord();
    } else {
      Start();
      field_ += c;
    }
  }
  void StepQuoted(char c) {
    if (c != '"') {
      field_ += c;
    } else if (Next() == '"') {
      field_ += '"';
      ++pos_;
    } else {
      quoted_ = false;
    }
  }
  char Next() const { return pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0'; }
  void Start() {
    if (row_.fields.empty() && !field_started_) row_.line = line_;
    field_started_ = true;
  }
  void EndField() {
    Start();
    row_.fields.push_back(std::move(field_));
    field_.clear();
    field_started_ = false;
  }
  void EndRecord() {
    const bool blank = row_.fields.empty() && field_.empty() && !field_started_;
    if (!blank) {
      EndField();
      rows_.push_back(std::move(row_));
    }
    row_ = CsvRow{};
  }

  std::string_view text_;
  char separator_;
  std::size_t pos_ = 0;
  std::size_t line_ = 1;
  std::size_t quote_line_ = 0;
  bool quoted_ = false;
  bool field_started_ = false;
  std::string field_;
  CsvRow row_;
  std::vector<CsvRow> rows_;
};

}  // namespace

char DetectCsvSeparator(std::string_view text) {
  text = WithoutMark(text);
  int commas = 0, semicolons = 0;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n') break;
    commas += c == ',';
    semicolons += c == ';';
  }
  return semicolons > commas ? ';' : ',';
}

Result<std::vector<CsvRow>> ReadCsv(std::string_view text, char separator) {
  return CsvParser(WithoutMark(text), separator).Run();
}

std::string CsvField(std::string_view field, char separator) {
  const bool plain =
      field.find_first_of(std::string{'"', '\r', '\n', separator}) == std::string_view::npos &&
      (field.empty() || (field.front() != ' ' && field.back() != ' '));
  if (plain) return std::string(field);
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string CsvRecord(const std::vector<std::string>& fields, char separator) {
  // A record of one empty field would otherwise read back as a blank line.
  if (fields.size() == 1 && fields[0].empty()) return "\"\"\r\n";
  std::string record;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) record += separator;
    record += CsvField(fields[i], separator);
  }
  return record + "\r\n";
}

}  // namespace kestrune
