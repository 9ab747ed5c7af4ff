#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/database_prompt.h"
#include "database/expense_database.h"
#include "tests/support/temp_folder.h"

namespace kestrune::testing {

// Answers every "Data base error" prompt the same way and remembers the texts it was shown.
class RecordingPrompt final : public DatabasePrompt {
 public:
  explicit RecordingPrompt(PromptAnswer answer) : answer_(answer) {}
  PromptAnswer AskAboutMissingIndex(const std::string& text) override {
    asked.push_back(text);
    return answer_;
  }
  std::vector<std::string> asked;

 private:
  PromptAnswer answer_;
};

// A database folder (data/BASE with its three sub-folders) in a temporary working folder.
class DatabaseTest : public ::testing::Test {
 protected:
  DatabaseTest();

  std::string base() const { return work.path() + "/data/BASE"; }
  // Files relative to the database folder.
  void Write(const std::string& relative, const std::string& content) const;
  std::string Read(const std::string& relative) const;
  bool Exists(const std::string& relative) const;
  // The three index files, empty.
  void WriteEmptyIndexes() const;
  // Loads `db`, answering "Create new file" to any prompt. A failed load is recorded and
  // returns false: a caller that cannot go on without the book writes ASSERT_TRUE(Load()).
  bool Load();
  // Records the purchase line ("2004|May|01|Anna|note| 1.00") as the purchase dialog does:
  // its month first, then the purchase.
  void Record(const std::string& category, const std::string& item, const std::string& line);
  // A category file with the given item lines and sections.
  static std::string CategoryFile(const std::string& name, const std::vector<std::string>& items,
                                  const std::vector<std::string>& totals = {},
                                  const std::vector<std::string>& persons = {});

  TempFolder work;
  // Durability is what the reliability tests check; here the flushes would only cost time.
  PosixFileSystem disk{false};
  ExpenseDatabase db{disk};
};

// Lines each followed by "\n".
std::string Lines(const std::vector<std::string>& lines);

// Every total of every item and category file that differs, to the cent, from what the
// purchase lists add up to, one line each (see database/integrity_check.h).
std::vector<std::string> CheckTotals(ExpenseDatabase& db);

}  // namespace kestrune::testing
