#pragma once

#include <vector>

#include "charts/chart_colour.h"

namespace kestrune::charts {

// Number of slots of the standard palette (0..22).
inline constexpr int kPaletteSlots = 23;

// The colour of a palette slot (0..22); slot 22 is maroon here, its second colour navy
// comes only through StandardColourEntries. Any other slot gives black.
Colour PaletteColour(int slot);

// The slot category position `position` takes: the position itself up to 22, then the
// position minus 22k for the largest k from 1 to 5 with 22k below it; -1 when that
// still leaves more than 22 (positions above 132 get no colour of their own).
int PaletteSlotFor(int position);

// The colour entries for categories 0 .. count-1, in order. Slot 22 gives two entries
// (maroon, then navy, both keyed 22), so every later category's position in the list
// points one entry earlier than its own slot: the legend and bars keep that shift.
std::vector<ChartColour> StandardColourEntries(int category_count);

}  // namespace kestrune::charts
