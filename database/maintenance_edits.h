#pragma once

#include <string>
#include <vector>

namespace kestrune {

// Line edits of person and index files for the catalogue's maintenance. Lines an edit does
// not name stay unchanged and in place.

// Replaces line `index` of a person file's header, adding " " lines up to it.
void SetHeaderLine(std::vector<std::string>& lines, std::size_t index, const std::string& text);

// Replaces every line equal to `old_name` (index files); `new_name` empty drops them.
std::vector<std::string> ReplaceIndexLines(const std::vector<std::string>& lines,
                                           const std::string& old_name,
                                           const std::string& new_name);

}  // namespace kestrune
