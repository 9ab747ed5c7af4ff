#pragma once

#include <optional>
#include <string>
#include <vector>

#include "database/records.h"

namespace kestrune {

// The grammar of the catalogue files: the two index files, category files (name,
// information, item list) and person files (name, information).

inline constexpr const char* kBeginItemList = "begin item list";
inline constexpr const char* kEndItemList = "end item list";

// An item-list line: the name, "|", the information.
std::string FormatItemLine(const ItemEntry& item);
// Splits at the first "|"; a line without "|" gives the whole line as name and information.
ItemEntry ParseItemLine(const std::string& line);

// A category file's header and item list, as the loader reads them: line 0 is the name,
// line 1 the information, line 2 must be "begin item list" for items to follow. Nothing when
// the name is empty or the file has no lines. The expense sections are not read.
std::optional<CategoryRecord> ParseCategoryFile(const std::vector<std::string>& lines);

// A person file: line 0 the name, line 1 the information; later lines are ignored.
// Nothing when the file has no lines.
std::optional<PersonRecord> ParsePersonFile(const std::vector<std::string>& lines);

// A new category file: name, information (a single blank when empty) and the two empty
// totals sections, with no line end after the last line.
std::string NewCategoryFile(const std::string& name, const std::string& information);

// A new person file: the name, then a blank followed by the information (a second blank
// when the information is empty).
std::string NewPersonFile(const std::string& name, const std::string& information);

// The index with `name` appended: the bare name into an empty index, "\n" and the name
// otherwise. Never a line end after the last name.
std::string AppendToIndex(const std::string& index_content, const std::string& name);

}  // namespace kestrune
