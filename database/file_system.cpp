#include "database/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kestrune {
namespace {

Status Failure(const std::string& what, const std::string& path, int error) {
  return Status::Error(what + " " + path + ": " + std::strerror(error));
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

Status WriteAll(int fd, const std::string& content, const std::string& path) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Failure("Can't write", path, errno);
    done += static_cast<std::size_t>(n);
  }
  return Status::Ok();
}

// Makes a rename in the folder survive a crash.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<std::string> PosixFileSystem::ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return content.str();
}

Status PosixFileSystem::WriteFile(const std::string& path, const std::string& content) {
  std::string temp = FolderOf(path) + "/.kestrune-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return Failure("Can't write", path, errno);
  Status written = WriteAll(fd, content, path);
  if (written.ok() && ::fsync(fd) != 0) written = Failure("Can't write", path, errno);
  ::fchmod(fd, 0644);
  if (::close(fd) != 0 && written.ok()) written = Failure("Can't write", path, errno);
  if (written.ok() && ::rename(temp.c_str(), path.c_str()) != 0) {
    written = Failure("Can't write", path, errno);
  }
  if (!written.ok()) {
    ::unlink(temp.c_str());
    return written;
  }
  SyncFolder(FolderOf(path));
  return Status::Ok();
}

Status PosixFileSystem::RemoveFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) return Failure("Can't remove", path, errno);
  return Status::Ok();
}

bool PosixFileSystem::Exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

Status PosixFileSystem::MakeFolders(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  if (error) return Status::Error("Can't create folder " + path + ": " + error.message());
  return Status::Ok();
}

}  // namespace kestrune
