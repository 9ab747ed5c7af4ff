#include "database/database_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "database/database_folder.h"
#include "database/file_system.h"

namespace kestrune {
namespace {

int FlockOf(LockKind kind) {
  return (kind == LockKind::kExclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
}

std::string HolderOf(int fd) {
  char buffer[32] = {};
  const ssize_t n = ::pread(fd, buffer, sizeof buffer - 1, 0);
  std::string pid = n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
  while (!pid.empty() && (pid.back() == '\n' || pid.back() == ' ')) pid.pop_back();
  return pid;
}

// The file names the last writer; it is only the holder when no reader shares the lock.
Status InUse(int fd, const std::string& database_folder) {
  std::string holder;
  if (::flock(fd, LOCK_SH | LOCK_NB) == 0) {
    ::flock(fd, LOCK_UN);
  } else {
    holder = HolderOf(fd);
  }
  return Status::IOError(
      "The expense book in " + database_folder + " is in use by another Kestrune" +
      (holder.empty() ? std::string() : " (process " + holder + ")") + ". Close it first.");
}

// The pid only makes a refusal clearer: the lock is held whether or not it is written.
void WritePid(int fd) {
  const std::string pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) != 0) return;
  [[maybe_unused]] const ssize_t written = ::pwrite(fd, pid.data(), pid.size(), 0);
}

bool MayOnlyRead(int error) {
  return error == EACCES || error == EROFS || error == EPERM;
}

// Opens (making it when it may) the lock file `name` in the work folder, which must be a
// folder of its own and not a link leading elsewhere. -1 with `error` and errno set on
// failure.
int OpenLockFile(const std::string& work, const char* name, std::string& error) {
  const int not_made = ::mkdir(work.c_str(), 0755) == 0 || errno == EEXIST ? 0 : errno;
  if (not_made != 0 && !MayOnlyRead(not_made)) {
    error = std::strerror(not_made);
    return -1;
  }
  struct stat info {};
  if (::lstat(work.c_str(), &info) == 0 && !S_ISDIR(info.st_mode)) {
    error = "not a folder";
    errno = ENOTDIR;
    return -1;
  }
  const std::string path = work + "/" + name;
  int fd = OpenRegularFile(path, O_RDWR | O_CREAT | O_NOFOLLOW, error);
  if (fd < 0 && MayOnlyRead(errno)) {
    const int denied = errno;
    fd = OpenRegularFile(path, O_RDONLY | O_NOFOLLOW, error);
    // Absent and not to be made: the reason is the refusal to make it.
    if (fd < 0 && errno == ENOENT) {
      errno = denied;
      error = std::strerror(denied);
    }
  }
  if (fd < 0 && errno == ENOENT && not_made != 0) {
    errno = not_made;
    error = std::strerror(not_made);
  }
  if (fd >= 0 && (::fstat(fd, &info) != 0 || info.st_nlink != 1)) {
    ::close(fd);
    error = "not a file of its own (a link to another file)";
    errno = EMLINK;
    return -1;
  }
  return fd;
}

// Tries the lock every few milliseconds until `wait` has passed: flock itself cannot wait
// for a bounded time.
bool FlockWithin(int fd, LockKind kind, std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (::flock(fd, FlockOf(kind)) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

// Per thread: another thread of the program (the start's repair beside the window) must wait
// for a change lock like any other process.
thread_local int change_locks_held = 0;

}  // namespace

ChangeLock::~ChangeLock() {
  Release();
}

void ChangeLock::Release() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
  --change_locks_held;
}

bool ChangeLock::HeldByThisThread() {
  return change_locks_held > 0;
}

Status ChangeLock::Acquire(const std::string& database_folder, LockKind kind,
                           std::chrono::milliseconds wait) {
  const std::string work = WorkFolderOf(database_folder);
  if (fd_ < 0) {
    std::string error;
    const int fd = OpenLockFile(work, "change", error);
    if (fd < 0) {
      if (MayOnlyRead(errno) || errno == ENOENT) return Status::Ok();
      return Status::IOError("Can't open " + work + "/change: " + error);
    }
    fd_ = fd;
    ++change_locks_held;
  }
  if (FlockWithin(fd_, kind, wait)) return Status::Ok();
  Release();
  const std::string other = kind == LockKind::kShared ? "changing" : "reading";
  return Status::IOError("The expense book in " + database_folder +
                         " is busy: another Kestrune is " + other + " it. Try again in a moment.");
}

DatabaseLock::~DatabaseLock() {
  if (fd_ >= 0) ::close(fd_);
}

Status DatabaseLock::Acquire(const std::string& database_folder, LockKind kind) {
  if (fd_ >= 0) return Change(database_folder, kind);
  const std::string work = WorkFolderOf(database_folder);
  std::string error;
  const int fd = OpenLockFile(work, "lock", error);
  if (fd < 0) {
    if (kind == LockKind::kShared && (MayOnlyRead(errno) || errno == ENOENT)) return Status::Ok();
    return Status::IOError("Can't open " + work + "/lock: " + error);
  }
  if (::flock(fd, FlockOf(kind)) != 0) {
    Status refused = InUse(fd, database_folder);
    ::close(fd);
    return refused;
  }
  if (kind == LockKind::kExclusive) WritePid(fd);
  fd_ = fd;
  kind_ = kind;
  return Status::Ok();
}

// The system may drop the old lock before it takes the new one; a refused change takes the
// old one back.
Status DatabaseLock::Change(const std::string& database_folder, LockKind kind) {
  if (kind == kind_) return Status::Ok();
  if (::flock(fd_, FlockOf(kind)) != 0) {
    Status refused = InUse(fd_, database_folder);
    if (::flock(fd_, FlockOf(kind_)) != 0) {
      ::close(fd_);
      fd_ = -1;
    }
    return refused;
  }
  if (kind == LockKind::kExclusive) WritePid(fd_);
  kind_ = kind;
  return Status::Ok();
}

}  // namespace kestrune
