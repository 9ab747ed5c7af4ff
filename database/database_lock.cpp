#include "database/database_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kestrune {
namespace {

std::string HolderOf(int fd) {
  char buffer[32] = {};
  const ssize_t n = ::pread(fd, buffer, sizeof buffer - 1, 0);
  std::string pid = n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
  while (!pid.empty() && (pid.back() == '\n' || pid.back() == ' ')) pid.pop_back();
  return pid;
}

// The pid only makes a refusal clearer: the lock is held whether or not it is written.
void WritePid(int fd) {
  const std::string pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) != 0) return;
  [[maybe_unused]] const ssize_t written = ::pwrite(fd, pid.data(), pid.size(), 0);
}

}  // namespace

DatabaseLock::~DatabaseLock() {
  if (fd_ >= 0) ::close(fd_);
}

Status DatabaseLock::Acquire(const std::string& database_folder) {
  if (fd_ >= 0) return Status::Ok();
  const std::string path = database_folder + "/.kestrune.lock";
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) {
    return Status::Error("Can't open " + path + ": " + std::strerror(errno));
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const std::string holder = HolderOf(fd);
    ::close(fd);
    return Status::Error(
        "The expense book in " + database_folder + " is in use by another Kestrune" +
        (holder.empty() ? std::string() : " (process " + holder + ")") + ". Close it first.");
  }
  WritePid(fd);
  fd_ = fd;
  return Status::Ok();
}

}  // namespace kestrune
