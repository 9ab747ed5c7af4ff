// Loading the catalogue from the index, category and person files.
#include "database/catalogue_files.h"
#include "database/expense_database.h"
#include "database/month_keys.h"
#include "database/text_lines.h"

namespace kestrune {

namespace {

// The lines of a category file that ParseCategoryFile reads: up to the end of the item list,
// or the third line when it opens none. The expense sections after them, which grow with
// every month, are not split.
std::vector<std::string> CategoryHeaderLines(std::string_view content) {
  std::vector<std::string> lines;
  LineReader reader(content);
  for (std::string_view line; reader.Next(line);) {
    lines.emplace_back(line);
    const std::size_t at = lines.size() - 1;
    if ((at == 2 && line != kBeginItemList) || (at > 2 && line == kEndItemList)) break;
  }
  return lines;
}

// An index line with "/" would name a file outside its folder; it names nothing.
bool UsableIndexLine(const std::string& line) {
  return line.find('/') == std::string::npos;
}

}  // namespace

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
  std::string content;
  const Status read = fs_.Read(path, content);
  if (read.ok()) return SplitLines(content);
  if (fs_.Exists(path)) {
    // Offering to create it anew would throw the index away.
    write_failures_.push_back(read.message());
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

std::optional<std::string> ExpenseDatabase::ReadListedFile(const std::string& path) {
  std::optional<std::string> content = fs_.ReadFile(path);
  if (!content && fs_.Exists(path)) write_failures_.push_back(fs_.ReadFailure(path));
  return content;
}

// The record is filed under the name the file itself holds on its first line.
void ExpenseDatabase::LoadCategoryFile(const std::string& index_line) {
  if (!UsableIndexLine(index_line)) return;
  const auto content = ReadListedFile(CategoryFilePath(index_line));
  if (!content) return;
  if (std::optional<CategoryRecord> record = ParseCategoryFile(CategoryHeaderLines(*content))) {
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
  if (!UsableIndexLine(index_line)) return;
  const auto content = ReadListedFile(PersonFilePath(index_line));
  if (!content) {
    persons_[index_line] = PersonRecord{index_line, ""};
    return;
  }
  if (std::optional<PersonRecord> record = ParsePersonFile(SplitLines(*content))) {
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
