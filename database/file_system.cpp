#include "database/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace kestrune {
namespace {

Status Failure(const std::string& what, const std::string& path, int error) {
  return Status::IOError(what + " " + path + ": " + std::strerror(error));
}

// The code of a file that could not be opened for reading.
Status ReadRefusal(const std::string& path, const std::string& reason, int error) {
  std::string message = "Can't read " + path + ": " + reason;
  if (error == ENOENT || error == ENOTDIR) return Status::NotFound(std::move(message));
  if (error == EINVAL || error == ELOOP || error == EISDIR || error == ENXIO) {
    return Status::InvalidArgument(std::move(message));
  }
  return Status::IOError(std::move(message));
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

// Reads until the end; 0 or the error of the read that failed (an unreadable disk block).
int ReadAll(int fd, std::string& content) {
  content.clear();
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return 0;
    content.append(buffer, static_cast<std::size_t>(n));
  }
}

// A new temporary file in `folder`, or -1 with errno set.
int MakeTemporary(const std::string& folder, std::string& temp) {
  temp = folder + "/" + kTemporaryPrefix + "XXXXXX";
  return ::mkostemp(temp.data(), O_CLOEXEC);
}

std::int64_t Nanoseconds(const struct timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// How long after its last change a file's times surely tell the next change.
constexpr std::int64_t kSettledNs = 2000000000;

}  // namespace

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

int OpenRegularFile(const std::string& path, int flags, std::string& error) {
  const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
  if (fd < 0) {
    // O_NOFOLLOW refuses a link with ELOOP, whose own text would mislead.
    error = errno == ELOOP ? "not a regular file (a link)" : std::strerror(errno);
    return -1;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    error = "not a regular file";
    errno = EINVAL;
    return -1;
  }
  return fd;
}

Status FileSystem::WriteFile(const std::string& path, const std::string& content,
                             const std::string& temp_folder) {
  std::string temp;
  Status written =
      WriteTemporary(path, temp_folder.empty() ? FolderOf(path) : temp_folder, content, temp);
  if (written.ok()) written = Rename(temp, path);
  if (!written.ok() && !temp.empty()) {
    [[maybe_unused]] const Status removed = RemoveFile(temp);
  }
  return written;
}

Status PosixFileSystem::Read(const std::string& path, std::string& content) {
  std::string error;
  const int fd = OpenRegularFile(path, O_RDONLY, error);
  if (fd < 0) return ReadRefusal(path, error, errno);
  const int failed = ReadAll(fd, content);
  ::close(fd);
  return failed == 0 ? Status::Ok() : Failure("Can't read", path, failed);
}

bool PosixFileSystem::Exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

bool PosixFileSystem::IsFolder(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> PosixFileSystem::ListFolder(const std::string& path) {
  std::vector<std::string> names;
  [[maybe_unused]] const Status read = ReadFolder(path, names);
  return names;
}

std::optional<FileStamp> PosixFileSystem::Stamp(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return FileStamp{};
    return std::nullopt;
  }
  if (!S_ISREG(info.st_mode)) return std::nullopt;
  FileStamp stamp{true,
                  false,
                  static_cast<std::uint64_t>(info.st_dev),
                  static_cast<std::uint64_t>(info.st_ino),
                  static_cast<std::int64_t>(info.st_size),
                  Nanoseconds(info.st_mtim),
                  Nanoseconds(info.st_ctim)};
  // File times come from a clock that advances in coarse steps: a file changed within the
  // same step keeps its times, so only a file left alone for a while is known by them.
  struct timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  stamp.settled = Nanoseconds(now) - std::max(stamp.modified_ns, stamp.changed_ns) > kSettledNs;
  return stamp;
}

Status PosixFileSystem::ReadFolder(const std::string& path, std::vector<std::string>& names) {
  names.clear();
  DIR* folder = ::opendir(path.c_str());
  if (folder == nullptr) {
    const int error = errno;
    const std::string message = "Can't read folder " + path + ": " + std::strerror(error);
    return error == ENOENT ? Status::NotFound(message) : Status::IOError(message);
  }
  errno = 0;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  const int error = errno;
  ::closedir(folder);
  if (error == 0) return Status::Ok();
  names.clear();
  return Status::IOError("Can't read folder " + path + ": " + std::strerror(error));
}

Status PosixFileSystem::MakeFolders(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  if (error) return Status::IOError("Can't create folder " + path + ": " + error.message());
  return Status::Ok();
}

Status PosixFileSystem::WriteTemporary(const std::string& path, const std::string& temp_folder,
                                       const std::string& content, std::string& temp_path) {
  std::string temp;
  int fd = MakeTemporary(temp_folder, temp);
  if (fd < 0 && errno == ENOENT && temp_folder != FolderOf(path) &&
      (::mkdir(temp_folder.c_str(), 0755) == 0 || errno == EEXIST)) {
    // The new folder must outlast a crash: a journal may be put in it.
    if (Status synced = SyncFolder(FolderOf(temp_folder)); !synced.ok()) return synced;
    fd = MakeTemporary(temp_folder, temp);
  }
  if (fd < 0) return Failure("Can't write", path, errno);
  temp_path = temp;
  return Fill(fd, path, content);
}

Status PosixFileSystem::Fill(int fd, const std::string& path, const std::string& content) const {
  Status written = WriteAll(fd, content, path);
  if (written.ok() && durable_ && ::fsync(fd) != 0) written = Failure("Can't write", path, errno);
  // A file left unreadable to the family's other programs would be a fault too.
  if (written.ok() && ::fchmod(fd, 0644) != 0) written = Failure("Can't write", path, errno);
  if (::close(fd) != 0 && written.ok()) written = Failure("Can't write", path, errno);
  return written;
}

Status PosixFileSystem::CreateFile(const std::string& path, const std::string& content) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return Failure("Can't write", path, errno);
  return Fill(fd, path, content);
}

Status PosixFileSystem::SyncFolder(const std::string& folder) {
  if (!durable_) return Status::Ok();
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Failure("Can't flush folder", folder, errno);
  const int synced = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return synced == 0 ? Status::Ok() : Failure("Can't flush folder", folder, synced);
}

Status PosixFileSystem::Rename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return Failure("Can't write", to, errno);
  // Until its folder is flushed the rename may be lost in a crash: the change is not made.
  Status durable = SyncFolder(FolderOf(to));
  if (durable.ok() && FolderOf(from) != FolderOf(to)) durable = SyncFolder(FolderOf(from));
  return durable;
}

Status PosixFileSystem::RemoveFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0) {
    if (errno == ENOENT) return Status::Ok();
    return Failure("Can't remove", path, errno);
  }
  return SyncFolder(FolderOf(path));
}

Status PosixFileSystem::RemoveFolder(const std::string& path) {
  if (::rmdir(path.c_str()) != 0 && errno != ENOENT) return Failure("Can't remove", path, errno);
  return Status::Ok();
}

}  // namespace kestrune
