// Index files: reading, appending a name, rewriting without a name.
#include "database/catalogue_files.h"
#include "database/maintenance_edits.h"
#include "tests/fuzz/fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrune;
  const std::string content(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = SplitLines(content);
  const std::vector<std::string> grown = SplitLines(AppendToIndex(content, "Zed"));
  fuzz::Require(!grown.empty() && grown.back() == "Zed", "an appended name is the last line");
  fuzz::Require(grown.size() >= lines.size(), "appending keeps every line");
  for (const std::string& line : ReplaceIndexLines(lines, "Zed", ""))
    fuzz::Require(line != "Zed", "a removed name is gone");
  return 0;
}
