#pragma once

// Checks shared by the fuzz targets: a property that does not hold ends the run, so the
// fuzzer keeps the input that broke it.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "database/sections.h"
#include "database/text_lines.h"

namespace kestrune::fuzz {

inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

// The lines outside the expense sections, in order: what an edit of the sections must keep.
// Each kind of section opens after its begin line and closes at its end line, whatever the
// others do, as the readers see them.
inline std::vector<std::string> OutsideSections(const std::vector<std::string>& lines,
                                                SectionMarks totals) {
  const SectionMarks kinds[] = {totals, kPersonTotals, kPurchaseList};
  bool open[3] = {};
  std::vector<std::string> outside;
  for (const std::string& line : lines) {
    for (int k = 0; k < 3; ++k) open[k] = open[k] && line != kinds[k].end;
    if (!open[0] && !open[1] && !open[2]) outside.push_back(line);
    for (int k = 0; k < 3; ++k) open[k] = open[k] || line == kinds[k].begin;
  }
  return outside;
}

inline std::vector<std::string> Lines(const uint8_t* data, size_t size) {
  return SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
}

}  // namespace kestrune::fuzz
