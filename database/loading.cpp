// Loading the catalogue from the index, category and person files.
#include "database/catalogue_files.h"
#include "database/expense_database.h"
#include "database/month_keys.h"
#include "database/text_lines.h"

namespace kestrune {

LoadOutcome ExpenseDatabase::LoadDatabase(const std::string& database_folder,
                                          DatabasePrompt& prompt) {
  folder_ = database_folder;
  categories_.clear();
  persons_.clear();
  months_.clear();
  if (!LoadCategories(prompt) || !LoadPersons(prompt) || !LoadMonths(prompt)) {
    return LoadOutcome::kExit;
  }
  return LoadOutcome::kLoaded;
}

std::optional<std::vector<std::string>> ExpenseDatabase::ReadIndex(const std::string& path,
                                                                   const char* missing_text,
                                                                   DatabasePrompt& prompt) {
  if (std::optional<std::string> content = fs_.ReadFile(path)) return SplitLines(*content);
  if (fs_.Exists(path)) {
    // Offering to create it anew would throw the index away.
    write_failures_.push_back("Can't read " + path);
    return std::nullopt;
  }
  if (prompt.AskAboutMissingIndex(missing_text) == PromptAnswer::kExit) return std::nullopt;
  WriteRepair(path, "");
  return std::vector<std::string>();
}

bool ExpenseDatabase::LoadCategories(DatabasePrompt& prompt) {
  const auto lines = ReadIndex(CategoryIndexPath(), kCategoryIndexMissing, prompt);
  if (!lines) return false;
  for (const std::string& line : *lines) LoadCategoryFile(line);
  return true;
}

std::optional<std::vector<std::string>> ExpenseDatabase::ReadOrCreate(const std::string& path,
                                                                      const std::string& skeleton) {
  if (std::optional<std::string> content = fs_.ReadFile(path)) return SplitLines(*content);
  CreateIfAbsent(path, skeleton);
  return std::nullopt;
}

// The record is filed under the name the file itself holds on its first line.
void ExpenseDatabase::LoadCategoryFile(const std::string& index_line) {
  const auto lines = ReadOrCreate(CategoryFilePath(index_line), MissingEntityFile(index_line));
  if (!lines) return;
  if (std::optional<CategoryRecord> record = ParseCategoryFile(*lines)) {
    categories_[record->name] = std::move(*record);
  }
}

bool ExpenseDatabase::LoadPersons(DatabasePrompt& prompt) {
  const auto lines = ReadIndex(PersonIndexPath(), kPersonIndexMissing, prompt);
  if (!lines) return false;
  for (const std::string& line : *lines) LoadPersonFile(line);
  return true;
}

void ExpenseDatabase::LoadPersonFile(const std::string& index_line) {
  const auto lines = ReadOrCreate(PersonFilePath(index_line), MissingEntityFile(index_line));
  if (!lines) {
    persons_[index_line] = PersonRecord{index_line, ""};
    return;
  }
  if (std::optional<PersonRecord> record = ParsePersonFile(*lines)) {
    persons_[record->name] = std::move(*record);
  }
}

bool ExpenseDatabase::LoadMonths(DatabasePrompt& prompt) {
  const auto lines = ReadIndex(MonthsIndexPath(), kMonthsIndexMissing, prompt);
  if (!lines) return false;
  months_ = *lines;
  SortMonthsNewestFirst(months_);
  return true;
}

}  // namespace kestrune
