// undo, redo, history, backups and restore: each command a new process, as after a restart.
#include <filesystem>
#include <sstream>

#include "tests/support/cli_fixture.h"

namespace kestrune::testing {
namespace {

class HistoryCommands : public CliTest {
 protected:
  void SetUp() override {
    Ok({"init"});
    Ok({"add-category", "Food"});
    Ok({"add-item", "Food", "Milk"});
    Ok({"record", "Food", "Milk", "2026-12-07", "for all", "3.5"});
  }
  // The history's lines with their times ("2026-12-07 11:52:19  ") checked and cut off.
  std::string History() {
    std::istringstream lines(Ok({"history"}));
    std::string shown;
    for (std::string line; std::getline(lines, line);) {
      const bool timed =
          line.size() > 21 && line[4] == '-' && line[13] == ':' && line.substr(19, 2) == "  ";
      shown += (timed ? line.substr(21) : line) + "\n";
    }
    return shown;
  }
};

TEST_F(HistoryCommands, ChangesAreUndoneAndRedoneByLaterCommandsAndAHandEditIsRefused) {
  EXPECT_EQ(History(), "Record purchase Milk 3.50\nAdd item Milk to Food\nAdd category Food\n");
  EXPECT_EQ(Ok({"undo"}), "Undone: Record purchase Milk 3.50\n");
  EXPECT_EQ(Ok({"purchases", "Food", "Milk"}), "");
  EXPECT_EQ(History(),
            "Add item Milk to Food\nAdd category Food\n\nUndone, to redo (the next first):\n"
            "Record purchase Milk 3.50\n");
  EXPECT_EQ(Ok({"redo"}), "Redone: Record purchase Milk 3.50\n");
  EXPECT_EQ(Ok({"purchases", "Food", "Milk"}), "2026|December|07|for all|| 3.50\n");
  EXPECT_EQ(Cli({"redo"}).err, "Nothing to redo\n");
  Write("items/Food Milk.txt", "by hand\n");
  const ProcessResult refused = Cli({"undo"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "Can't undo: " + work.path() +
                             "/data/BASE/items/Food Milk.txt was changed outside Kestrune\n");
  EXPECT_EQ(Read("items/Food Milk.txt"), "by hand\n");
}

TEST_F(HistoryCommands, ABackupIsListedRestoredAndTheRestoreUndone) {
  const std::string book = work.path() + "/data/BASE";
  const std::string backup = work.path() + "/data/backups/2026-12-06_205959";
  std::filesystem::create_directories(backup);
  for (const char* part : {"KSDBCategories.txt", "KSDBPersons.txt", "KSDBMonths.txt", "categories",
                           "items", "persons"}) {
    std::filesystem::copy(book + "/" + part, backup + "/" + part,
                          std::filesystem::copy_options::recursive);
  }
  Ok({"delete-category", "Food"});
  EXPECT_EQ(Ok({"backups"}), "2026-12-06_205959  2026-12-06 20:59:59  1 purchase\n");
  for (const char* hostile : {"../BASE", "2026-12-06_205959/..", "x"}) {
    EXPECT_EQ(Cli({"restore", hostile}).status, 1) << hostile;
  }
  Ok({"restore", "2026-12-06_205959"});
  EXPECT_EQ(Ok({"total", "Food"}), "3.50\n");
  EXPECT_EQ(Ok({"undo"}), "Undone: Restore backup 2026-12-06_205959\n");
  EXPECT_EQ(Ok({"categories"}), "");
}

}  // namespace
}  // namespace kestrune::testing
