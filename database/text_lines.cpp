#include "database/text_lines.h"

namespace kestrune {

bool StartsWithByteOrderMark(std::string_view content) {
  return content.starts_with(kByteOrderMark);
}

LineReader::LineReader(std::string_view content)
    : content_(content), start_(StartsWithByteOrderMark(content) ? kByteOrderMark.size() : 0) {}

bool LineReader::Next(std::string_view& line) {
  if (start_ >= content_.size()) return false;
  std::size_t end = content_.find('\n', start_);
  const bool last = end == std::string_view::npos;
  if (last) end = content_.size();
  line = content_.substr(start_, end - start_);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  start_ = last ? end : end + 1;
  return true;
}

std::vector<std::string> SplitLines(std::string_view content) {
  std::vector<std::string> lines;
  LineReader reader(content);
  for (std::string_view line; reader.Next(line);) lines.emplace_back(line);
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += '\n';
    joined += lines[i];
  }
  return joined;
}

std::string JoinEndedLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) AppendEndedLine(joined, line);
  return joined;
}

void AppendEndedLine(std::string& out, std::string_view line) {
  // A first line that begins like a byte-order mark keeps it behind a real one.
  if (out.empty() && StartsWithByteOrderMark(line)) out += kByteOrderMark;
  out += line;
  if (line.ends_with('\r')) out += '\r';
  out += '\n';
}

}  // namespace kestrune
