// Comma-separated values: whatever is read, written back and read again, gives the same fields.
#include "database/csv.h"
#include "tests/fuzz/fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrune;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const char separator = DetectCsvSeparator(text);
  const Result<std::vector<CsvRow>> rows = ReadCsv(text, separator);
  if (!rows.ok()) return 0;
  // A mark of our own in front, so a mark that starts the first field is not taken for it.
  std::string written = "\xEF\xBB\xBF";
  for (const CsvRow& row : rows.value) written += CsvRecord(row.fields, separator);
  const Result<std::vector<CsvRow>> again = ReadCsv(written, separator);
  fuzz::Require(again.ok(), "a written text reads back");
  fuzz::Require(again.value.size() == rows.value.size(), "every record reads back");
  for (std::size_t i = 0; i < rows.value.size(); ++i) {
    fuzz::Require(again.value[i].fields == rows.value[i].fields, "every field reads back");
  }
  return 0;
}
