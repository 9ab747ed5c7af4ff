#include "database/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

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

// Reads until the end; nothing on any error (a folder, an unreadable disk block).
std::optional<std::string> ReadAll(int fd) {
  std::string content;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return content;
    content.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace

Status FileSystem::WriteFile(const std::string& path, const std::string& content) {
  std::string temp;
  Status written = WriteTemporary(path, content, temp);
  if (written.ok()) written = Rename(temp, path);
  if (!written.ok() && !temp.empty()) {
    [[maybe_unused]] const Status removed = RemoveFile(temp);
  }
  return written;
}

std::optional<std::string> PosixFileSystem::ReadFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> content = ReadAll(fd);
  ::close(fd);
  return content;
}

bool PosixFileSystem::Exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

std::vector<std::string> PosixFileSystem::ListFolder(const std::string& path) {
  std::vector<std::string> names;
  DIR* folder = ::opendir(path.c_str());
  if (folder == nullptr) return names;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(folder);
  return names;
}

Status PosixFileSystem::MakeFolders(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  if (error) return Status::Error("Can't create folder " + path + ": " + error.message());
  return Status::Ok();
}

Status PosixFileSystem::WriteTemporary(const std::string& path, const std::string& content,
                                       std::string& temp_path) {
  std::string temp = FolderOf(path) + "/" + kTemporaryPrefix + "XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return Failure("Can't write", path, errno);
  temp_path = temp;
  Status written = WriteAll(fd, content, path);
  if (written.ok() && durable_ && ::fsync(fd) != 0) written = Failure("Can't write", path, errno);
  ::fchmod(fd, 0644);
  if (::close(fd) != 0 && written.ok()) written = Failure("Can't write", path, errno);
  return written;
}

void PosixFileSystem::SyncFolderOf(const std::string& path) const {
  if (!durable_) return;
  const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

Status PosixFileSystem::Rename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return Failure("Can't write", to, errno);
  SyncFolderOf(to);
  return Status::Ok();
}

Status PosixFileSystem::RemoveFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0) {
    if (errno == ENOENT) return Status::Ok();
    return Failure("Can't remove", path, errno);
  }
  SyncFolderOf(path);
  return Status::Ok();
}

}  // namespace kestrune
