// All-or-nothing commits: the journal, its recovery, and a failure at every step.
#include "database/change_set.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "database/journal.h"
#include "database/recovery.h"
#include "tests/support/failing_file_system.h"
#include "tests/support/temp_folder.h"

namespace kestrune::testing {
namespace {

using Strings = std::vector<std::string>;

TEST(Journal, RoundTripsAnyBytesAndRefusesDamage) {
  const std::vector<JournalEntry> entries = {
      {"items/Food Milk.txt", std::string("line\n\0|\r\nlast", 14)},
      {"categories/Old.txt", std::nullopt},
      {"KSDBMonths.txt", ""}};
  const std::string journal = EncodeJournal(entries);
  EXPECT_EQ(DecodeJournal(journal), entries);
  for (std::size_t cut = 0; cut < journal.size(); ++cut)
    EXPECT_EQ(DecodeJournal(journal.substr(0, cut)), std::nullopt) << cut;
  std::string altered = journal;
  altered[30] ^= 1;
  EXPECT_EQ(DecodeJournal(altered), std::nullopt);
  EXPECT_EQ(DecodeJournal(EncodeJournal({{"../outside.txt", "x"}})), std::nullopt);
  EXPECT_EQ(DecodeJournal(EncodeJournal({{"/etc/passwd", "x"}})), std::nullopt);
}

class CommitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Write("items/a.txt", "old a");
    folder.Write("items/b.txt", "old b");
    folder.Write("gone.txt", "old gone");
    std::filesystem::remove(Path("c.txt"));
  }
  void Gather(ChangeSet& changes) {
    changes.Write(Path("items/a.txt"), "new a" + round);
    changes.Write(Path("items/b.txt"), "new b" + round);
    changes.Write(Path("c.txt"), "new c" + round);
    changes.Remove(Path("gone.txt"));
  }
  std::string Path(const std::string& relative) const { return folder.path() + "/" + relative; }
  // "old", "new", or a description of a mixed state.
  std::string State() const {
    const Strings files = {folder.Read("items/a.txt"), folder.Read("items/b.txt"),
                           folder.Read("c.txt"), folder.Read("gone.txt")};
    if (files == Strings{"old a", "old b", "<missing>", "old gone"}) return "old";
    if (files == Strings{"new a" + round, "new b" + round, "new c" + round, "<missing>"})
      return "new";
    return files[0] + "/" + files[1] + "/" + files[2] + "/" + files[3];
  }
  // The files, without the change lock's, which stays in the work folder.
  Strings Listing() const {
    Strings all = folder.List("");
    for (const char* sub : {".kestrune", "items"}) {
      if (!folder.Exists(sub)) continue;
      for (const std::string& name : folder.List(sub)) {
        const std::string path = sub + ("/" + name);
        if (path != ".kestrune/change") all.push_back(path);
      }
    }
    return all;
  }

  TempFolder folder;
  // Told apart from the earlier rounds' new contents, so a lost write never reads as new.
  std::string round;
};

TEST_F(CommitTest, ReadsSeeGatheredChangesAndNothingIsWrittenBeforeCommit) {
  PosixFileSystem fs;
  ChangeSet changes(fs, folder.path());
  Gather(changes);
  std::string content;
  EXPECT_TRUE(changes.Read(Path("items/a.txt"), content).ok());
  EXPECT_EQ(content, "new a");
  EXPECT_FALSE(changes.Exists(Path("gone.txt")));
  EXPECT_EQ(State(), "old");
  ASSERT_TRUE(changes.Commit().ok());
  EXPECT_EQ(State(), "new");
  EXPECT_EQ(Listing(), (Strings{".kestrune", "c.txt", "items", "items/a.txt", "items/b.txt"}));
}

TEST_F(CommitTest, AFailureAtAnyStepLeavesTheOldStateOrTheNewOneAfterRecovery) {
  int reached_new = 0;
  for (int fail_after = 0; fail_after < 12; ++fail_after) {
    SetUp();
    round = std::to_string(fail_after);
    FailingFileSystem failing;
    failing.fail_after = fail_after;
    ChangeSet changes(failing, folder.path());
    Gather(changes);
    const Status committed = changes.Commit();
    PosixFileSystem disk;
    ASSERT_TRUE(RecoverDatabase(disk, folder.path()).ok());
    const std::string state = State();
    EXPECT_TRUE(state == "old" || state == "new") << fail_after << ": " << state;
    // Three temporary files, then the journal's own temporary file and its rename: from
    // the fifth step on the change counts as made.
    EXPECT_EQ(state == "new", fail_after >= 5) << fail_after;
    EXPECT_EQ(committed.ok(), fail_after >= 10) << fail_after;
    if (state == "new") ++reached_new;
    for (const std::string& name : Listing()) EXPECT_FALSE(name.starts_with(".kestrune/")) << name;
  }
  EXPECT_GT(reached_new, 0);
}

// Temporaries go only where no entity file can be: a name in an entity folder is data,
// whatever it looks like.
TEST_F(CommitTest, RecoveryDiscardsADamagedJournalAndStrayTemporariesOnly) {
  const std::string journal = EncodeJournal({{"items/a.txt", "from journal"}});
  folder.Write(".kestrune/journal", journal.substr(0, journal.size() - 3));
  folder.Write(".kestrune/.kestrune-tmp-abc123", "half");
  folder.Write(".kestrune-tmp-def456", "half, from an earlier version");
  folder.Write("items/.kestrune-tmp-abc123", "an item's file");
  PosixFileSystem fs;
  ASSERT_TRUE(RecoverDatabase(fs, folder.path()).ok());
  EXPECT_EQ(State(), "old");
  EXPECT_EQ(Listing(), (Strings{".kestrune", "gone.txt", "items", "items/.kestrune-tmp-abc123",
                                "items/a.txt", "items/b.txt"}));
}

TEST_F(CommitTest, RecoveryAppliesAValidJournalAgainAlsoOneOfAnEarlierVersion) {
  for (const char* journal : {".kestrune/journal", ".kestrune-journal"}) {
    SetUp();
    round = journal;
    folder.Write(journal, EncodeJournal({{"items/a.txt", "new a" + round},
                                         {"items/b.txt", "new b" + round},
                                         {"c.txt", "new c" + round},
                                         {"gone.txt", std::nullopt}}));
    PosixFileSystem fs;
    ASSERT_TRUE(RecoverDatabase(fs, folder.path()).ok());
    EXPECT_EQ(State(), "new") << journal;
    EXPECT_FALSE(folder.Exists(journal));
  }
}

}  // namespace
}  // namespace kestrune::testing
