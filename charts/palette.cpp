#include "charts/palette.h"

#include <array>
#include <cstddef>

namespace kestrune::charts {
namespace {

constexpr std::array<Colour, kPaletteSlots> kSlots = {
    Rgb(0, 192, 0),     Rgb(0, 192, 192),   Rgb(199, 177, 255), Rgb(255, 153, 51),
    Rgb(255, 255, 0),   Rgb(255, 51, 153),  Rgb(153, 0, 204),   Rgb(255, 143, 107),
    Rgb(0, 0, 0),       Rgb(255, 0, 0),     Rgb(255, 255, 255), Rgb(192, 192, 192),
    Rgb(255, 226, 177), Rgb(142, 255, 255), Rgb(0, 192, 0),     Rgb(80, 50, 0),
    Rgb(0, 255, 0),     Rgb(0, 0, 192),     Rgb(0, 255, 255),   Rgb(128, 128, 128),
    Rgb(255, 198, 107), Rgb(0, 0, 255),     Rgb(128, 0, 0)};

constexpr int kDoubleSlot = 22;
constexpr Colour kDoubleSlotSecond = Rgb(0, 0, 128);

}  // namespace

Colour PaletteColour(int slot) {
  if (slot < 0 || slot >= kPaletteSlots) return kBlack;
  return kSlots[static_cast<std::size_t>(slot)];
}

int PaletteSlotFor(int position) {
  if (position <= kDoubleSlot) return position < 0 ? -1 : position;
  int k = 1;
  while (k < 5 && kDoubleSlot * (k + 1) < position) ++k;
  const int slot = position - kDoubleSlot * k;
  return slot > kDoubleSlot ? -1 : slot;
}

std::vector<ChartColour> StandardColourEntries(int category_count) {
  std::vector<ChartColour> entries;
  for (int position = 0; position < category_count; ++position) {
    const int slot = PaletteSlotFor(position);
    if (slot < 0) continue;
    entries.push_back(ChartColour{slot, PaletteColour(slot)});
    if (slot == kDoubleSlot) entries.push_back(ChartColour{slot, kDoubleSlotSecond});
  }
  return entries;
}

}  // namespace kestrune::charts
