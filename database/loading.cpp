// Loading the catalogue from the index, category and person files, and the repair that
// follows it.
#include "database/catalogue_files.h"
#include "database/database_folder.h"
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

// Whether any line of `content` is `wanted`. Read without splitting: an item file may hold a
// long purchase list.
bool HasLine(std::string_view content, std::string_view wanted) {
  LineReader reader(content);
  for (std::string_view line; reader.Next(line);) {
    if (line == wanted) return true;
  }
  return false;
}

// An index line with "/" would name a file outside its folder; it names nothing.
bool UsableIndexLine(const std::string& line) {
  return line.find('/') == std::string::npos;
}

}  // namespace

LoadResult ExpenseDatabase::LoadDatabase(const std::string& database_folder,
                                         DatabasePrompt& prompt) {
  folder_ = database_folder;
  categories_.clear();
  persons_.clear();
  months_.clear();
  LoadResult result;
  if (!LoadCategories(prompt, result.failures) || !LoadPersons(prompt, result.failures) ||
      !LoadMonths(prompt, result.failures)) {
    result.outcome = LoadOutcome::kExit;
  }
  return result;
}

std::optional<std::vector<std::string>> ExpenseDatabase::ReadIndex(
    const std::string& path, const char* missing_text, DatabasePrompt& prompt,
    std::vector<std::string>& failures) {
  std::string content;
  const Status read = fs_.Read(path, content);
  if (read.ok()) return SplitLines(content);
  if (fs_.Exists(path)) {
    // Offering to create it anew would throw the index away.
    failures.push_back(read.message());
    return std::nullopt;
  }
  if (prompt.AskAboutMissingIndex(missing_text) == PromptAnswer::kExit) return std::nullopt;
  if (Status written = fs_.WriteFile(path, "", WorkFolderOf(folder_)); !written.ok()) {
    failures.push_back(written.message());
  }
  return std::vector<std::string>();
}

bool ExpenseDatabase::LoadCategories(DatabasePrompt& prompt, std::vector<std::string>& failures) {
  const auto lines = ReadIndex(CategoryIndexPath(), kCategoryIndexMissing, prompt, failures);
  if (!lines) return false;
  for (const std::string& line : *lines) LoadCategoryFile(line, failures);
  return true;
}

// The record is filed under the name the file itself holds on its first line.
void ExpenseDatabase::LoadCategoryFile(const std::string& index_line,
                                       std::vector<std::string>& failures) {
  if (!UsableIndexLine(index_line)) return;
  const auto content = ReadIfPresent(CategoryFilePath(index_line));
  if (!content.ok()) failures.push_back(content.status.message());
  if (!content.value) return;
  if (std::optional<CategoryRecord> record =
          ParseCategoryFile(CategoryHeaderLines(*content.value))) {
    categories_[record->name] = std::move(*record);
  }
}

bool ExpenseDatabase::LoadPersons(DatabasePrompt& prompt, std::vector<std::string>& failures) {
  const auto lines = ReadIndex(PersonIndexPath(), kPersonIndexMissing, prompt, failures);
  if (!lines) return false;
  for (const std::string& line : *lines) LoadPersonFile(line, failures);
  return true;
}

void ExpenseDatabase::LoadPersonFile(const std::string& index_line,
                                     std::vector<std::string>& failures) {
  if (!UsableIndexLine(index_line)) return;
  const auto content = ReadIfPresent(PersonFilePath(index_line));
  if (!content.ok()) failures.push_back(content.status.message());
  if (!content.value) {
    persons_[index_line] = PersonRecord{index_line, ""};
    return;
  }
  if (std::optional<PersonRecord> record = ParsePersonFile(SplitLines(*content.value))) {
    persons_[record->name] = std::move(*record);
  }
}

bool ExpenseDatabase::LoadMonths(DatabasePrompt& prompt, std::vector<std::string>& failures) {
  const auto lines = ReadIndex(MonthsIndexPath(), kMonthsIndexMissing, prompt, failures);
  if (!lines) return false;
  months_ = *lines;
  SortMonthsNewestFirst(months_);
  return true;
}

// A file that exists but cannot be read is left alone: a skeleton in its place would lose it.
bool ExpenseDatabase::GatherRepair(ChangeSet& changes, const std::string& path,
                                   const std::string& skeleton, SectionMarks totals) const {
  const Result<std::optional<std::string>> content = ReadIfPresent(path);
  if (!content.ok()) return false;
  if (!content.value) {
    changes.Write(path, skeleton);
    return true;
  }
  std::string repaired = *content.value;
  for (const SectionMarks& section : {totals, kPersonTotals}) {
    if (!HasLine(*content.value, section.begin)) repaired = AppendEmptySection(repaired, section);
  }
  if (repaired == *content.value) return false;
  changes.Write(path, std::move(repaired));
  return true;
}

std::vector<std::string> ExpenseDatabase::GatherRepairs(ChangeSet& changes) const {
  std::vector<std::string> paths;
  const auto gather = [&](const std::string& path, const std::string& skeleton,
                          SectionMarks totals) {
    if (GatherRepair(changes, path, skeleton, totals)) paths.push_back(path);
  };
  for (const auto& [name, category] : categories_) {
    gather(CategoryFilePath(name), NewCategoryFile(name, ""), kCategoryTotals);
    for (const ItemEntry& item : category.items) {
      gather(ItemFilePath(name, item.name), NewItemTotalsFile(), kItemTotals);
    }
  }
  return paths;
}

std::vector<std::string> ExpenseDatabase::RepairsNeeded() const {
  ChangeSet changes(fs_, folder_);
  return GatherRepairs(changes);
}

Status ExpenseDatabase::RepairBook(RepairReport* report) {
  ChangeSet changes(fs_, folder_);
  std::vector<std::string> paths = GatherRepairs(changes);
  if (paths.empty()) return Status::Ok();
  if (keep_undo_) changes.RecordWithNewest();
  Status committed = changes.Commit();
  if (committed.ok() && report != nullptr) report->repaired = std::move(paths);
  return committed;
}

}  // namespace kestrune
