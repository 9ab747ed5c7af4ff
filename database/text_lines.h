#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// The UTF-8 byte-order mark some editors put first.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// True when `content` opens with the UTF-8 byte-order mark (EF BB BF) some editors put first.
bool StartsWithByteOrderMark(std::string_view content);

// The one line reader of every data file: lines end at "\n" or "\r\n"; a final line end is
// optional, so "a\nb" and "a\r\nb\r\n" both read as the lines a and b. A byte-order mark
// at the start is no part of the first line.
std::vector<std::string> SplitLines(std::string_view content);

// The same lines one at a time, as views into `content` (which must outlive the reader), for
// readers that stop early.
class LineReader {
 public:
  explicit LineReader(std::string_view content);
  // Reads from the byte `at` on (a line start), the byte-order mark not skipped.
  LineReader(std::string_view content, std::size_t at) : content_(content), start_(at) {}
  // Sets `line` to the next line; false after the last.
  bool Next(std::string_view& line);
  // The next line without moving past it.
  bool Peek(std::string_view& line) const { return LineReader(*this).Next(line); }
  // Where the next line starts, and a jump to another line start.
  std::size_t at() const { return start_; }
  void MoveTo(std::size_t at) { start_ = at; }

 private:
  std::string_view content_;
  std::size_t start_ = 0;
};

// Index files and freshly created files: lines joined by "\n", none after the last.
std::string JoinLines(const std::vector<std::string>& lines);

// Rewritten entity files: every line followed by "\n".
std::string JoinEndedLines(const std::vector<std::string>& lines);
// Appends one line of a rewritten file and its "\n". A line that itself ends in "\r" gets one
// more: the reader takes a "\r" before the line end as part of the line end, and the line
// must read back whole, not lose a "\r" at every save. So must a first line that begins
// with the bytes of a byte-order mark, which the reader takes for the mark.
void AppendEndedLine(std::string& out, std::string_view line);

}  // namespace kestrune
