#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// The one line reader of every data file: lines end at "\n" or "\r\n"; a final line end is
// optional, so "a\nb" and "a\r\nb\r\n" both read as the lines a and b.
std::vector<std::string> SplitLines(std::string_view content);

// Index files and freshly created files: lines joined by "\n", none after the last.
std::string JoinLines(const std::vector<std::string>& lines);

// Rewritten entity files: every line followed by "\n".
std::string JoinEndedLines(const std::vector<std::string>& lines);

}  // namespace kestrune
