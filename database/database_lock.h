#pragma once

#include <string>

#include "database/status.h"

namespace kestrune {

// The one-writer rule: a process that changes a database folder holds an exclusive lock on
// the file ".kestrune.lock" in it for as long as it runs. The system drops the lock when the
// holder ends, however it ends, so a killed holder never leaves a stale lock. The holder's
// process id is written into the file only so that a refused writer can name it.
class DatabaseLock {
 public:
  DatabaseLock() = default;
  ~DatabaseLock();
  DatabaseLock(const DatabaseLock&) = delete;
  DatabaseLock& operator=(const DatabaseLock&) = delete;

  // Takes the lock at once or fails with a message naming the other process; never waits.
  [[nodiscard]] Status Acquire(const std::string& database_folder);
  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace kestrune
