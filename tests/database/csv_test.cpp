// Comma-separated values: the inputs spreadsheets and banks write.
#include "database/csv.h"

#include <gtest/gtest.h>

namespace kestrune {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows Fields(std::string_view text) {
  const Result<std::vector<CsvRow>> rows = ReadCsv(text, DetectCsvSeparator(text));
  EXPECT_TRUE(rows.ok()) << rows.status.message();
  Rows fields;
  for (const CsvRow& row : rows.value) fields.push_back(row.fields);
  return fields;
}

TEST(Csv, ReadsQuotesLineBreaksMarksAndEitherSeparator) {
  const std::pair<std::string_view, Rows> cases[] = {
      {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
      {"\xEF\xBB\xBF"
       "a;b;c,d\n1;2;2,5",
       {{"a", "b", "c,d"}, {"1", "2", "2,5"}}},
      {"\"a;b\",c;d\n", {{"a;b", "c;d"}}},
      {"\"x \"\"y\"\"\",\"line\r\nbreak\"\n", {{"x \"y\"", "line\r\nbreak"}}},
      {",\n\n\"\"\n,,x", {{"", ""}, {""}, {"", "", "x"}}},
      {"a\"b,c", {{"a\"b", "c"}}},
      {"", {}},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(Fields(text), expected) << text;

  const Result<std::vector<CsvRow>> rows = ReadCsv("a\n\"b\nc\",d\ne\n", ',');
  ASSERT_EQ(rows.value.size(), 3u);
  EXPECT_EQ(rows.value[2].line, 4u);
  EXPECT_EQ(ReadCsv("a\nb,\"open\n", ',').status.message(),
            "Line 2: a quoted field is never closed");
}

TEST(Csv, WritesWhatReadsBack) {
  EXPECT_EQ(CsvRecord({"a", "b,c", "say \"hi\"", " pad", "two\nlines", ""}, ','),
            "a,\"b,c\",\"say \"\"hi\"\"\",\" pad\",\"two\nlines\",\r\n");
  EXPECT_EQ(CsvRecord({"a;b", "c,d"}, ';'), "\"a;b\";c,d\r\n");
  EXPECT_EQ(Fields(CsvRecord({""}, ',')), Rows{{""}});
}

}  // namespace
}  // namespace kestrune
