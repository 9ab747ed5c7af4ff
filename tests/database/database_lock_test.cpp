// One writer at a time.
#include "database/database_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>

#include "tests/support/temp_folder.h"

namespace kestrune::testing {
namespace {

TEST(DatabaseLock, ASecondWriterIsRefusedAndTheFirstIsNamed) {
  TempFolder folder;
  DatabaseLock first;
  ASSERT_TRUE(first.Acquire(folder.path()).ok());
  DatabaseLock second;
  Status refused = second.Acquire(folder.path());
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.message(), "The expense book in " + folder.path() +
                                   " is in use by another Kestrune (process " +
                                   std::to_string(getpid()) + "). Close it first.");
  EXPECT_FALSE(second.held());
}

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

TEST(DatabaseLock, TheLockEndsWithItsHolderEvenWhenKilled) {
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
  DatabaseLock mine;
  EXPECT_FALSE(mine.Acquire(folder.path()).ok());
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_TRUE(mine.Acquire(folder.path()).ok());
}

}  // namespace
}  // namespace kestrune::testing
