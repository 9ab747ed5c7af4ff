#pragma once

#include <chrono>
#include <string>

#include "database/status.h"

namespace kestrune {

enum class LockKind {
  kExclusive,  // a process that changes the book: no one else may use it meanwhile
  kShared,     // a process that only reads it: other readers may too, no writer
};

// How long a reader waits for a change in flight, and a change for the readers, before
// giving up with a message.
inline constexpr std::chrono::milliseconds kChangeWait{5000};

// The one-writer rule: a process that uses a database folder holds a lock on the file
// "lock" in its work folder (see WorkFolderOf) for as long as it runs. The system drops the
// lock when the holder ends, however it ends, so a killed holder never leaves a stale lock.
// A writer's process id is written into the file only so that a refused process can name
// it. The lock file is never followed through a link, never a file of another name (a hard
// link), and nothing but a regular file.
class DatabaseLock {
 public:
  DatabaseLock() = default;
  ~DatabaseLock();
  DatabaseLock(const DatabaseLock&) = delete;
  DatabaseLock& operator=(const DatabaseLock&) = delete;

  // Takes the lock at once or fails with a message naming the writer holding it; never
  // waits. Makes the work folder and the lock file when missing. A shared lock on a book the
  // user may only read, where the lock file cannot be made or opened, is no lock at all and
  // no error. Called again, it turns a held lock into the other kind (or fails and keeps
  // the one held).
  [[nodiscard]] Status Acquire(const std::string& database_folder,
                               LockKind kind = LockKind::kExclusive);
  bool held() const { return fd_ >= 0; }

 private:
  Status Change(const std::string& database_folder, LockKind kind);

  int fd_ = -1;
  LockKind kind_ = LockKind::kExclusive;
};

// Whole changes only: the one writer holds the file "change" of the work folder exclusively
// while it commits a change set, and a reading command holds it shared for as long as it
// reads, so a reader sees each change whole or not at all. Readers do not take the writer's
// DatabaseLock and so work while a program holds the book. The file is made, opened and
// refused as DatabaseLock's is; dropped when the holder ends.
class ChangeLock {
 public:
  ChangeLock() = default;
  ~ChangeLock();
  ChangeLock(const ChangeLock&) = delete;
  ChangeLock& operator=(const ChangeLock&) = delete;

  // Takes the lock, waiting up to `wait` for the other side, then fails with a message. A
  // lock file that cannot be made or opened on a book the user may only read (or in a
  // folder that is gone) is no lock and no error: nothing can change such a book from here.
  // Called again, it turns a held lock into the other kind.
  [[nodiscard]] Status Acquire(const std::string& database_folder, LockKind kind,
                               std::chrono::milliseconds wait = kChangeWait);
  bool held() const { return fd_ >= 0; }
  // Whether this thread holds a ChangeLock: a reader that writes (its repair) commits under
  // its own lock rather than wait for itself. Other threads wait like other processes.
  static bool HeldByThisThread();

 private:
  void Release();

  int fd_ = -1;
};

}  // namespace kestrune
