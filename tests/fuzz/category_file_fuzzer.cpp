// Category files: the loader's reading and the item-list edits.
#include "database/catalogue_files.h"
#include "database/expense_file.h"
#include "tests/fuzz/fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrune;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = SplitLines(text);
  if (const auto record = ParseCategoryFile(lines))
    fuzz::Require(!record->name.empty(), "a category has a name");
  ExpenseFile file(text, kCategoryTotals);
  fuzz::Require(file.Format() == JoinEndedLines(lines), "writing gives back every line");
  file.InsertItemLine("Zed|new");
  const auto with_item = ParseCategoryFile(SplitLines(file.Format()));
  if (with_item && !lines.empty() && !lines[0].empty()) {
    fuzz::Require(!with_item->items.empty() && with_item->items.front().name == "Zed",
                  "an added item is first in the list");
  }
  file.DropItem("Zed");
  fuzz::Require(fuzz::OutsideSections(SplitLines(file.Format()), kCategoryTotals).size() <=
                    fuzz::OutsideSections(lines, kCategoryTotals).size() + 4,
                "adding and dropping an item adds at most a header and the item list's ends");
  return 0;
}
