#include "tests/support/database_fixture.h"

#include <filesystem>

#include "database/integrity_check.h"
#include "database/sections.h"

namespace kestrune::testing {

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::vector<std::string> CheckTotals(ExpenseDatabase& db) {
  PosixFileSystem fs;
  IntegrityReport report = CheckIntegrity(db, fs);
  report.problems.clear();  // only the totals matter here
  return report.Lines();
}

DatabaseTest::DatabaseTest() {
  for (const char* sub : {"categories", "items", "persons"}) {
    std::filesystem::create_directories(base() + "/" + sub);
  }
}

void DatabaseTest::Write(const std::string& relative, const std::string& content) const {
  work.Write("data/BASE/" + relative, content);
}

std::string DatabaseTest::Read(const std::string& relative) const {
  return work.Read("data/BASE/" + relative);
}

bool DatabaseTest::Exists(const std::string& relative) const {
  return work.Exists("data/BASE/" + relative);
}

void DatabaseTest::WriteEmptyIndexes() const {
  for (const char* index : {"KSDBCategories.txt", "KSDBPersons.txt", "KSDBMonths.txt"}) {
    Write(index, "");
  }
}

bool DatabaseTest::Load() {
  RecordingPrompt prompt(PromptAnswer::kCreateNewFile);
  const bool loaded = db.LoadDatabase(base(), prompt) == LoadOutcome::kLoaded;
  EXPECT_TRUE(loaded) << "the database in " << base() << " did not load";
  return loaded;
}

void DatabaseTest::Record(const std::string& category, const std::string& item,
                          const std::string& line) {
  const PurchaseRecord purchase = ParsePurchaseLine(line);
  ASSERT_TRUE(db.AddMonth(MonthKeyOf(purchase)).ok());
  ASSERT_TRUE(db.RecordPurchase(category, item, purchase).ok());
}

std::string DatabaseTest::CategoryFile(const std::string& name,
                                       const std::vector<std::string>& items,
                                       const std::vector<std::string>& totals,
                                       const std::vector<std::string>& persons) {
  std::vector<std::string> lines = {name, " "};
  if (!items.empty()) {
    lines.push_back("begin item list");
    lines.insert(lines.end(), items.begin(), items.end());
    lines.push_back("end item list");
  }
  lines.push_back("begin all category expenses");
  lines.insert(lines.end(), totals.begin(), totals.end());
  lines.push_back("end all category expenses");
  lines.push_back("begin persons expenses");
  lines.insert(lines.end(), persons.begin(), persons.end());
  lines.push_back("end persons expenses");
  return Lines(lines);
}

}  // namespace kestrune::testing
