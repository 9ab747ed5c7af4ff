#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "database/status.h"

namespace kestrune {

// What tells, without reading a file, that it may have changed: two stamps of one path differ
// when the file was replaced, resized or written in between, unless the first was taken
// within the clock's coarse steps of the file's last change (then it is not `settled`).
struct FileStamp {
  bool exists = false;
  bool settled = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modified_ns = 0;
  std::int64_t changed_ns = 0;

  // The same file, unchanged (when this stamp is settled).
  bool SameAs(const FileStamp& other) const {
    return exists == other.exists && device == other.device && inode == other.inode &&
           size == other.size && modified_ns == other.modified_ns && changed_ns == other.changed_ns;
  }
};

// Everything the database does to the disk goes through this interface, so tests can put a
// fake in its place and make any step fail.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Reads the whole file into `content`. Fails with "Can't read PATH: REASON": NotFound when
  // it is absent, InvalidArgument when it is not a regular file (a folder or a FIFO is
  // refused, never waited on), IOError when the disk cannot give its bytes.
  [[nodiscard]] virtual Status Read(const std::string& path, std::string& content) = 0;
  virtual bool Exists(const std::string& path) = 0;
  // Whether the path is a folder itself (a link to one is not).
  virtual bool IsFolder(const std::string& path) = 0;
  // The names in a folder (not "." or ".."); empty when it cannot be read.
  virtual std::vector<std::string> ListFolder(const std::string& path) = 0;
  // The same where a folder that cannot be read must not pass for an empty one: fails with
  // "Can't read folder PATH: REASON", NotFound when it is absent. A disk that cannot tell
  // gives ListFolder's names.
  [[nodiscard]] virtual Status ReadFolder(const std::string& path,
                                          std::vector<std::string>& names) {
    names = ListFolder(path);
    return Status::Ok();
  }
  // The stamp of a regular file, or of its absence; nothing when the disk cannot tell (a
  // link, a FIFO or a folder, a file that cannot be looked at, or a disk without stamps): the
  // caller must then read the file.
  virtual std::optional<FileStamp> Stamp(const std::string& path) {
    (void)path;
    return std::nullopt;
  }
  // Creates the folder and any missing parents.
  [[nodiscard]] virtual Status MakeFolders(const std::string& path) = 0;

  // Writes `content` to a new temporary file (".kestrune-tmp-...") in `temp_folder`, flushed to
  // disk, and sets `temp_path` to it. A `temp_folder` other than the file's own folder is made
  // when it is missing (not its parents). The file `path` itself is not touched; a failure
  // names it.
  [[nodiscard]] virtual Status WriteTemporary(const std::string& path,
                                              const std::string& temp_folder,
                                              const std::string& content,
                                              std::string& temp_path) = 0;
  // Renames `from` over `to` and makes the rename itself durable in both folders; a rename
  // that could not be made durable fails.
  [[nodiscard]] virtual Status Rename(const std::string& from, const std::string& to) = 0;
  // Deletes the file durably. A file that is already absent counts as removed.
  [[nodiscard]] virtual Status RemoveFile(const std::string& path) = 0;
  // Deletes an empty folder; an absent one counts as removed. The parent is not flushed.
  [[nodiscard]] virtual Status RemoveFolder(const std::string& path) = 0;
  // Writes a file that must not exist yet, flushed to disk; its folder's entry is made
  // durable only by a later SyncFolder (many new files, one flush of their folder).
  [[nodiscard]] virtual Status CreateFile(const std::string& path, const std::string& content) = 0;
  // Makes the entries of the folder (new, renamed or removed files) durable.
  [[nodiscard]] virtual Status SyncFolder(const std::string& path) = 0;

  // Replaces the file through a temporary file in `temp_folder` (by default the file's own
  // folder; it must be on the same file system), flushed and renamed over the old one: a
  // crash or a full disk never leaves a half-written file.
  [[nodiscard]] Status WriteFile(const std::string& path, const std::string& content,
                                 const std::string& temp_folder = {});
};

// The prefix of every temporary file.
inline constexpr const char* kTemporaryPrefix = ".kestrune-tmp-";

// The real disk. `durable` false skips the flushes (for measuring what they cost).
class PosixFileSystem : public FileSystem {
 public:
  explicit PosixFileSystem(bool durable = true) : durable_(durable) {}

  Status Read(const std::string& path, std::string& content) override;
  bool Exists(const std::string& path) override;
  bool IsFolder(const std::string& path) override;
  std::vector<std::string> ListFolder(const std::string& path) override;
  Status ReadFolder(const std::string& path, std::vector<std::string>& names) override;
  std::optional<FileStamp> Stamp(const std::string& path) override;
  Status MakeFolders(const std::string& path) override;
  Status WriteTemporary(const std::string& path, const std::string& temp_folder,
                        const std::string& content, std::string& temp_path) override;
  Status Rename(const std::string& from, const std::string& to) override;
  Status RemoveFile(const std::string& path) override;
  Status RemoveFolder(const std::string& path) override;
  Status CreateFile(const std::string& path, const std::string& content) override;
  Status SyncFolder(const std::string& path) override;

 private:
  // Writes, flushes and sets the mode of a new file; closes `fd`.
  Status Fill(int fd, const std::string& path, const std::string& content) const;
  bool durable_;
};

// The folder part of a path ("." for a bare name).
std::string FolderOf(const std::string& path);

// Opens a file of the book for reading without ever waiting (a FIFO opens at once) and
// refuses anything that is not a regular file. Returns the descriptor, or -1 with `error`
// set to the reason ("not a regular file" or the system's text) and errno to the cause
// (EINVAL or ELOOP for what is no regular file).
int OpenRegularFile(const std::string& path, int flags, std::string& error);

}  // namespace kestrune
