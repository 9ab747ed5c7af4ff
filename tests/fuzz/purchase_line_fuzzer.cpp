// Purchase lines and amounts.
#include <algorithm>

#include "database/amounts.h"
#include "database/sections.h"
#include "tests/fuzz/fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrune;
  const std::string line(reinterpret_cast<const char*>(data), size);
  const PurchaseRecord record = ParsePurchaseLine(line);
  if (std::count(line.begin(), line.end(), '|') >= 5)
    fuzz::Require(FormatPurchaseLine(record) == line, "a purchase line reads back unchanged");
  const Cents amount = ParseCents(line);
  fuzz::Require(ParseCents(FormatFileCents(amount)) == amount, "an amount survives writing");
  if (const std::optional<Cents> whole = ReadWholeCents(line))
    fuzz::Require(*whole == amount, "a whole amount reads as its prefix does");
  return 0;
}
