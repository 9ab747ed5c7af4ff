#include "database/maintenance_edits.h"

namespace kestrune {
void SetHeaderLine(std::vector<std::string>& lines, std::size_t index, const std::string& text) {
  while (lines.size() <= index) lines.push_back(" ");
  lines[index] = text;
}

std::vector<std::string> ReplaceIndexLines(const std::vector<std::string>& lines,
                                           const std::string& old_name,
                                           const std::string& new_name) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    if (line != old_name) {
      out.push_back(line);
    } else if (!new_name.empty()) {
      out.push_back(new_name);
    }
  }
  return out;
}

}  // namespace kestrune
