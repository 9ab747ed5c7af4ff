// The months index: sorting newest first keeps every key.
#include <algorithm>

#include "database/month_keys.h"
#include "tests/fuzz/fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrune;
  const std::vector<std::string> lines = fuzz::Lines(data, size);
  std::vector<std::string> sorted = lines;
  SortMonthsNewestFirst(sorted);
  fuzz::Require(std::is_permutation(sorted.begin(), sorted.end(), lines.begin(), lines.end()),
                "sorting keeps every month key");
  for (const std::string& line : lines) IsMonthKey(line);
  return 0;
}
