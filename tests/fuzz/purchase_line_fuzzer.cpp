// Purchase lines and amounts.
#include <algorithm>
#include <cmath>

#include "database/amounts.h"
#include "database/sections.h"
#include "tests/fuzz/fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrune;
  const std::string line(reinterpret_cast<const char*>(data), size);
  const PurchaseRecord record = ParsePurchaseLine(line);
  if (std::count(line.begin(), line.end(), '|') >= 5) {
    fuzz::Require(FormatPurchaseLine(record) == line, "a purchase line reads back unchanged");
  }
  const double amount = ParseAmount(line);
  if (std::isfinite(amount) && std::fabs(amount) < 1e15) {
    fuzz::Require(std::fabs(ParseAmount(FormatFileAmount(amount)) - amount) <=
                      0.005 + 1e-9 * std::fabs(amount),
                  "an amount survives writing to the cent");
  }
  return 0;
}
