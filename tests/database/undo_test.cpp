// Undo and redo: every kind of change taken back and made again byte for byte, across new
// database objects, refused over a hand edit, bounded, and restoring backups.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <random>

#include "database/backups.h"
#include "database/sections.h"
#include "database/undo_entry.h"
#include "tests/support/database_fixture.h"

namespace kestrune::testing {
namespace {

using Files = std::map<std::string, std::string>;

class UndoTest : public DatabaseTest {
 protected:
  void SetUp() override {
    Write("KSDBCategories.txt", "Food\nHome\n");
    Write("categories/Food.txt", CategoryFile("Food", {"Milk|", "Bread|"}));
    Write("categories/Home.txt", CategoryFile("Home", {"Soap|"}));
    Write("KSDBPersons.txt", "Anna\nBob\n");
    Write("persons/Anna.txt", "Anna\n ");
    Write("persons/Bob.txt", "Bob\n ");
    Write("KSDBMonths.txt", "");
    ASSERT_TRUE(Load());
    Record("Food", "Milk", "2026|November|03|Anna|a| 1.50");
    Record("Home", "Soap", "2026|December|01|Bob|b| 4.00");
  }
  // The book's data files (not the work folder) by path.
  Files Book() const {
    Files files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(base())) {
      const std::string path = entry.path().string().substr(base().size() + 1);
      if (entry.is_regular_file() && !path.starts_with(".kestrune")) files[path] = Read(path);
    }
    return files;
  }
};

TEST_F(UndoTest, EveryKindOfChangeIsUndoneAndRedoneByteForByteAndTheCatalogueFollows) {
  const std::vector<std::pair<std::string, std::function<Status()>>> changes = {
      {"Record purchase Milk 2.25",
       [&] {
         return db.RecordPurchase("Food", "Milk",
                                  ParsePurchaseLine("2026|December|02|Bob|x| 2.25"));
       }},
      {"Edit purchase Milk 3.00",
       [&] {
         return db.ReplacePurchase("Food", "Milk", "2026|December|02|Bob|x| 2.25",
                                   ParsePurchaseLine("2026|October|02|Bob|x| 3.00"));
       }},
      {"Delete purchase Milk 1.50",
       [&] { return db.DeletePurchase("Food", "Milk", "2026|November|03|Anna|a| 1.50"); }},
      {"Add category Car", [&] { return db.AddCategory("Car", "fuel"); }},
      {"Add item Oil to Car",
       [&] {
         // The item file the repair writes goes with the entry.
         const Status added = db.AddItemToCategory("Car", "Oil", "");
         return added.ok() ? db.RepairBook() : added;
       }},
      {"Edit category Car", [&] { return db.EditCategory("Car", "Auto", "x"); }},
      {"Edit item Milk of Food", [&] { return db.EditItem("Food", "Milk", "Auto", "Milk2", ""); }},
      {"Delete item Bread of Food", [&] { return db.DeleteItem("Food", "Bread"); }},
      {"Add person Cleo", [&] { return db.AddPerson("Cleo", "c"); }},
      {"Edit person Bob", [&] { return db.EditPerson("Bob", "Bert", ""); }},
      {"Delete person Anna", [&] { return db.DeletePerson("Anna"); }},
      {"Delete category Home", [&] { return db.DeleteCategory("Home"); }},
      {"Delete month 2026 October", [&] { return db.DeleteMonth("2026 October"); }},
      {"Delete all purchases", [&] { return db.DeleteAllPurchases(); }},
      {"Clear data base", [&] { return db.ClearDatabase(); }},
  };
  for (const auto& [words, change] : changes) {
    SCOPED_TRACE(words);
    const Files before = Book();
    const auto names_before = db.GetCategoryNames();
    ASSERT_TRUE(change().ok());
    const Files after = Book();
    const auto names_after = db.GetCategoryNames();
    ASSERT_NE(before, after);
    ASSERT_TRUE(db.NextUndo());
    EXPECT_EQ(db.NextUndo()->description, words);
    ASSERT_TRUE(db.Undo().ok());
    EXPECT_EQ(Book(), before);
    EXPECT_EQ(db.GetCategoryNames(), names_before);
    EXPECT_EQ(db.NextRedo()->description, words);
    ASSERT_TRUE(db.Redo().ok());
    EXPECT_EQ(Book(), after);
    EXPECT_EQ(db.GetCategoryNames(), names_after);
    EXPECT_FALSE(db.NextRedo());
  }
  // Each change above, the two purchases of the set-up and their months.
  EXPECT_EQ(db.History().value.size(), changes.size() + 4);
}

// Random changes, undos and redos, some by a database loaded afresh, against a model of the
// expected bytes: the stack of states passed through and the states undone.
TEST_F(UndoTest, RandomChangesUndosAndRedosAlwaysLeaveTheBookAsTheModelSays) {
  std::filesystem::remove_all(base() + "/.kestrune/undo");
  std::mt19937 random(20);
  std::vector<Files> done = {Book()};
  std::vector<Files> undone;
  for (int step = 0; step < 120; ++step) {
    const int pick = static_cast<int>(random() % 10);
    if (pick < 5) {
      const std::string item = pick % 2 ? "Milk" : "Bread";
      const std::string line = "2026|" + std::string(pick < 3 ? "May" : "June") + "|01|Anna||" +
                               std::to_string(1 + random() % 9) + ".00";
      ASSERT_TRUE(db.RecordPurchase("Food", item, ParsePurchaseLine(line)).ok());
      done.push_back(Book());
      undone.clear();
    } else if (pick < 8) {
      const Status result = db.Undo().status;
      ASSERT_EQ(result.ok(), done.size() > 1) << result.message();
      if (result.ok()) undone.push_back(done.back()), done.pop_back();
    } else if (pick == 8) {
      const Status result = db.Redo().status;
      ASSERT_EQ(result.ok(), !undone.empty()) << result.message();
      if (result.ok()) done.push_back(undone.back()), undone.pop_back();
    } else {
      ExpenseDatabase fresh(disk);
      RecordingPrompt prompt(PromptAnswer::kExit);
      ASSERT_EQ(fresh.LoadDatabase(base(), prompt), LoadOutcome::kLoaded);
      if (fresh.Undo().ok()) undone.push_back(done.back()), done.pop_back();
      ASSERT_TRUE(Load());
    }
    ASSERT_EQ(Book(), done.back()) << "step " << step;
  }
}

// The repair a reading command makes after loading is no change of the user's: it goes with
// the newest change and never blocks a redo.
TEST_F(UndoTest, TheRepairAfterLoadingGoesWithTheNewestChange) {
  ASSERT_TRUE(db.RepairBook().ok());
  const Files before = Book();
  ASSERT_TRUE(db.AddItemToCategory("Food", "Eggs", "").ok());
  ASSERT_TRUE(db.RecordPurchase("Food", "Eggs", ParsePurchaseLine("2026|May|01|Bob|| 1.00")).ok());
  const Files recorded = Book();
  ASSERT_TRUE(db.Undo().ok());
  ASSERT_TRUE(db.RepairBook().ok());
  ASSERT_TRUE(db.Redo().ok());
  EXPECT_EQ(Book(), recorded);
  ASSERT_TRUE(db.Undo().ok());
  ASSERT_TRUE(db.Undo().ok());
  EXPECT_EQ(Book(), before);
}

TEST_F(UndoTest, AHandEditOrADamagedEntryIsNeverOverwrittenAndNothingChanges) {
  ASSERT_TRUE(db.DeleteCategory("Home").ok());
  Write("KSDBCategories.txt", "Food\nHand\n");
  const Files edited = Book();
  const Result<ChangeFocus> refused = db.Undo();
  EXPECT_EQ(refused.status.message(),
            "Can't undo: " + base() + "/KSDBCategories.txt was changed outside Kestrune");
  EXPECT_EQ(Book(), edited);
  Write("KSDBCategories.txt", "Food\n");
  for (const auto& e : std::filesystem::directory_iterator(base() + "/.kestrune/undo")) {
    std::filesystem::resize_file(e.path(), std::filesystem::file_size(e.path()) - 3);
  }
  const Result<ChangeFocus> damaged = db.Undo();
  EXPECT_TRUE(damaged.status.IsCorruption());
  EXPECT_TRUE(damaged.status.message().starts_with("Can't undo: The undo entry "))
      << damaged.status.message();
  EXPECT_FALSE(db.History().ok());
  // A well-made entry naming a file outside the book is damaged too.
  UndoEntry outside{{"", "Escape", {}}, {}, {MakeUndoFile("../outside.txt", {}, "x")}};
  const std::string bytes = EncodeUndoEntry(outside);
  Write(".kestrune/undo/" + EntryName{99, bytes.size(), false}.Format(), bytes);
  EXPECT_TRUE(db.Undo().status.IsCorruption());
  EXPECT_FALSE(std::filesystem::exists(work.path() + "/data/outside.txt"));
  EXPECT_EQ(Read("KSDBCategories.txt"), "Food\n");
}

TEST_F(UndoTest, TheNewestTwoHundredChangesAreKeptAndANewChangeEndsTheRedoList) {
  for (int i = 0; i < 200; ++i) ASSERT_TRUE(db.AddPerson("P" + std::to_string(i), "").ok());
  const auto history = db.History().value;
  ASSERT_EQ(history.size(), 200u);
  EXPECT_EQ(history.front().description, "Add person P199");
  EXPECT_EQ(history.back().description, "Add person P0");
  ASSERT_TRUE(db.Undo().ok());
  ASSERT_TRUE(db.AddPerson("Z", "").ok());
  EXPECT_FALSE(db.NextRedo());
  EXPECT_EQ(db.History().value.size(), 200u);
}

TEST_F(UndoTest, ARestoredBackupReplacesTheBookAndIsUndoneLikeAnyChange) {
  const std::string backups = work.path() + "/data/backups";
  ASSERT_TRUE(BackUpDatabase(disk, base(), backups, "2026-12-06_205959", 5).ok());
  const Files saved = Book();
  ASSERT_TRUE(db.DeleteCategory("Food").ok());
  ASSERT_TRUE(db.AddCategory("New", "").ok());
  const Files changed = Book();
  std::filesystem::create_directories(backups + "/notabackup");
  const auto listed = ListBackups(disk, backups);
  ASSERT_EQ(listed.value.size(), 1u);
  EXPECT_EQ(listed.value[0].name, "2026-12-06_205959");
  EXPECT_EQ(listed.value[0].time, "2026-12-06 20:59:59");
  EXPECT_EQ(listed.value[0].purchases, 2);
  for (const char* hostile : {"../BASE", "2026-12-06_205959/..", "notabackup", "/"}) {
    EXPECT_FALSE(db.RestoreBackup(backups, hostile, 5).ok()) << hostile;
  }
  EXPECT_EQ(Book(), changed);
  ASSERT_TRUE(db.RestoreBackup(backups, "2026-12-06_205959", 1).ok());
  EXPECT_EQ(Book(), saved);
  EXPECT_TRUE(db.CategoryExists("Food"));
  // The book as it was before the restore is a backup too, the only one kept.
  EXPECT_EQ(ListBackups(disk, backups).value.size(), 1u);
  EXPECT_EQ(db.NextUndo()->description, "Restore backup 2026-12-06_205959");
  ASSERT_TRUE(db.Undo().ok());
  EXPECT_EQ(Book(), changed);
  EXPECT_FALSE(db.CategoryExists("Food"));
}

}  // namespace
}  // namespace kestrune::testing
