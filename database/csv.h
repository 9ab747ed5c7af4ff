#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "database/result.h"

namespace kestrune {

// Comma-separated values as spreadsheets and banks write them: fields split by a separator,
// a field in double quotes may hold the separator, line breaks and doubled quotes ("" for ").
// Records end with CRLF or LF; a UTF-8 byte-order mark at the start is skipped.

// One record and the line of the text it starts on (from 1), for messages.
struct CsvRow {
  std::size_t line = 0;
  std::vector<std::string> fields;
};

// The separator of a file: ';' when the first record holds more semicolons than commas
// outside quotes, otherwise ','.
char DetectCsvSeparator(std::string_view text);

// Every record of the text, blank lines left out. A quote left open at the end refuses the
// text, naming the line the field started on. Text after a closing quote and before the
// separator is kept as part of the field.
Result<std::vector<CsvRow>> ReadCsv(std::string_view text, char separator);

// The field as a record holds it: in double quotes, with quotes doubled, when it contains the
// separator, a quote, a line break or blanks at either end; otherwise unchanged.
std::string CsvField(std::string_view field, char separator);

// The fields joined by the separator, ended by CRLF.
std::string CsvRecord(const std::vector<std::string>& fields, char separator);

}  // namespace kestrune
