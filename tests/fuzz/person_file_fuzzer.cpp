// Person files and their header edits.
#include "database/catalogue_files.h"
#include "database/maintenance_edits.h"
#include "tests/fuzz/fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrune;
  std::vector<std::string> lines = fuzz::Lines(data, size);
  const auto person = ParsePersonFile(lines);
  fuzz::Require(person.has_value() == !lines.empty(), "a person file with lines names a person");
  const std::size_t before = lines.size();
  SetHeaderLine(lines, 1, "info");
  fuzz::Require(lines.size() == std::max<std::size_t>(before, 2) && lines[1] == "info",
                "the information line is set in place");
  return 0;
}
