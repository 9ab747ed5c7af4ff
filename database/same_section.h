#pragma once

#include <string_view>

#include "database/sections.h"

namespace kestrune {

// Whether both marks name the same kind of section. Compares the text: the same marker may sit
// at different addresses in different parts of the program.
inline bool SameSection(SectionMarks a, SectionMarks b) {
  return std::string_view(a.begin) == b.begin;
}

}  // namespace kestrune
