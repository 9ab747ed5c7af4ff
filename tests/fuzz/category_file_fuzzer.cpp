// Category files: the loader's reading and the item-list edits.
#include "database/catalogue_files.h"
#include "database/maintenance_edits.h"
#include "tests/fuzz/fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrune;
  const std::vector<std::string> lines = fuzz::Lines(data, size);
  if (const auto record = ParseCategoryFile(lines)) {
    fuzz::Require(!record->name.empty(), "a category has a name");
  }
  const std::vector<std::string> added = InsertItemLine(lines, "Zed|new");
  const auto with_item = ParseCategoryFile(added);
  if (with_item && !lines.empty() && !lines[0].empty()) {
    fuzz::Require(!with_item->items.empty() && with_item->items.front().name == "Zed",
                  "an added item is first in the list");
  }
  fuzz::Require(fuzz::OutsideSections(DropItemLines(lines, "Zed"), kCategoryTotals).size() <=
                    fuzz::OutsideSections(lines, kCategoryTotals).size(),
                "dropping an item never adds lines");
  return 0;
}
