#include "database/catalogue_files.h"

#include "database/sections.h"
#include "database/text_lines.h"

namespace kestrune {

std::string FormatItemLine(const ItemEntry& item) {
  return item.name + "|" + item.information;
}

ItemEntry ParseItemLine(const std::string& line) {
  const auto bar = line.find('|');
  if (bar == std::string::npos) return {line, line};
  return {line.substr(0, bar), line.substr(bar + 1)};
}

std::optional<CategoryRecord> ParseCategoryFile(const std::vector<std::string>& lines) {
  CategoryRecord record;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == 0) {
      record.name = lines[i];
    } else if (i == 1) {
      record.information = lines[i];
    } else if (i == 2) {
      if (lines[i] != kBeginItemList) break;
    } else {
      if (lines[i] == kEndItemList) break;
      record.items.push_back(ParseItemLine(lines[i]));
    }
  }
  if (record.name.empty()) return std::nullopt;
  return record;
}

std::optional<PersonRecord> ParsePersonFile(const std::vector<std::string>& lines) {
  if (lines.empty()) return std::nullopt;
  return PersonRecord{lines[0], lines.size() > 1 ? lines[1] : std::string()};
}

std::string NewCategoryFile(const std::string& name, const std::string& information) {
  return JoinLines({name, information.empty() ? " " : information, kBeginCategoryTotals,
                    kEndCategoryTotals, kBeginPersonTotals, kEndPersonTotals});
}

std::string NewPersonFile(const std::string& name, const std::string& information) {
  return name + "\n " + (information.empty() ? std::string(" ") : information);
}

std::string AppendToIndex(const std::string& index_content, const std::string& name) {
  // A name goes on a line of its own even when the first line is blank (hand-edited index),
  // so it never runs on into the last name.
  if (index_content.empty() || index_content.back() == '\n') return index_content + name;
  return index_content + "\n" + name;
}

}  // namespace kestrune
