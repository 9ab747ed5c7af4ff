// One writer at a time.
#include "database/database_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <optional>
#include <thread>

#include "database/change_set.h"
#include "database/database_folder.h"
#include "tests/support/temp_folder.h"

namespace kestrune::testing {
namespace {

TEST(DatabaseLock, ReadersShareTheLockAndKeepAWriterOut) {
  TempFolder folder;
  DatabaseLock reader;
  std::optional<DatabaseLock> other_reader(std::in_place);
  ASSERT_TRUE(reader.Acquire(folder.path(), LockKind::kShared).ok());
  ASSERT_TRUE(other_reader->Acquire(folder.path(), LockKind::kShared).ok());
  DatabaseLock writer;
  EXPECT_EQ(
      writer.Acquire(folder.path()).message(),
      "The expense book in " + folder.path() + " is in use by another Kestrune. Close it first.");
  // The one reader left may turn writer; a new reader is then refused.
  EXPECT_FALSE(reader.Acquire(folder.path()).ok());
  other_reader.emplace();
  ASSERT_TRUE(reader.Acquire(folder.path()).ok());
  EXPECT_FALSE(other_reader->Acquire(folder.path(), LockKind::kShared).ok());
}

TEST(DatabaseLock, AWriterIsRefusedNamingTheHolderUntilItEndsEvenKilled) {
  TempFolder folder;
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  if (child == 0) {
    DatabaseLock lock;
    const char answer = lock.Acquire(folder.path()).ok() ? 'y' : 'n';
    [[maybe_unused]] ssize_t n = write(ready[1], &answer, 1);
    pause();
    _exit(0);
  }
  char answer = 0;
  ASSERT_EQ(read(ready[0], &answer, 1), 1);
  ASSERT_EQ(answer, 'y');
  DatabaseLock mine;  // refused, naming the writer that holds the book
  EXPECT_EQ(mine.Acquire(folder.path()).message(),
            "The expense book in " + folder.path() + " is in use by another Kestrune (process " +
                std::to_string(child) + "). Close it first.");
  EXPECT_FALSE(mine.held());
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_TRUE(mine.Acquire(folder.path()).ok());
}

// The window's first change may come while the start's repair commits on another thread:
// it waits for the lock like another process would, rather than commit beside it.
TEST(ChangeLock, AnotherThreadsCommitWaitsForTheLockThisThreadHolds) {
  TempFolder folder;
  PosixFileSystem fs;
  ASSERT_TRUE(fs.MakeFolders(WorkFolderOf(folder.path())).ok());
  std::optional<ChangeLock> held(std::in_place);
  ASSERT_TRUE(held->Acquire(folder.path(), LockKind::kExclusive).ok());
  std::atomic<bool> committed{false};
  std::thread other([&] {
    ChangeSet changes(fs, folder.path());
    changes.Write(folder.path() + "/a.txt", "a");
    EXPECT_TRUE(changes.Commit().ok());
    committed = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(committed);
  EXPECT_FALSE(fs.Exists(folder.path() + "/a.txt"));
  held.reset();
  other.join();
  EXPECT_TRUE(fs.Exists(folder.path() + "/a.txt"));
}

}  // namespace
}  // namespace kestrune::testing
