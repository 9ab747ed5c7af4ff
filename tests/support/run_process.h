#pragma once

#include <string>
#include <vector>

namespace kestrune::testing {

struct ProcessResult {
  int status = -1;  // exit status; -1 when the process did not exit normally
  std::string out;
  std::string err;
};

// Runs `program` with `args`, empty standard input, and collects its output.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args);

}  // namespace kestrune::testing
