#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/run_process.h"
#include "tests/support/temp_folder.h"

namespace kestrune::testing {

// Runs the built command-line tool on a temporary working folder.
class CliTest : public ::testing::Test {
 protected:
  ProcessResult Cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--workdir", work.path()});
    return RunProcess(KESTRUNE_CLI_PATH, args);
  }
  // Runs the tool and fails the test unless it exits with 0; returns its output.
  std::string Ok(std::vector<std::string> args) {
    ProcessResult result = Cli(args);
    EXPECT_EQ(result.status, 0) << result.err;
    return result.out;
  }
  void Write(const std::string& relative, const std::string& content) {
    work.Write("data/BASE/" + relative, content);
  }
  std::string Read(const std::string& relative) const { return work.Read("data/BASE/" + relative); }

  TempFolder work;
};

}  // namespace kestrune::testing
