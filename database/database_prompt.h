#pragma once

#include <string>

namespace kestrune {

// The texts of the "Data base error" prompt, one per index file.
inline constexpr const char* kDatabaseErrorTitle = "Data base error";
inline constexpr const char* kCategoryIndexMissing = "Can't open category's data base file.";
inline constexpr const char* kPersonIndexMissing = "Can't open person's data base file.";
inline constexpr const char* kMonthsIndexMissing = "Can't open data base file.";

enum class PromptAnswer { kCreateNewFile, kExit };

// Asked by the loader when an index file cannot be opened. The program shows a dialog, the
// command-line tool answers "Exit" after printing the text, tests answer as they need.
class DatabasePrompt {
 public:
  virtual ~DatabasePrompt() = default;
  virtual PromptAnswer AskAboutMissingIndex(const std::string& text) = 0;
};

}  // namespace kestrune
