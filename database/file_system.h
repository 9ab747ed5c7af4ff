#pragma once

#include <optional>
#include <string>
#include <vector>

#include "database/status.h"

namespace kestrune {

// Everything the database does to the disk goes through this interface, so tests can put a
// fake in its place and make any step fail.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The whole content of the file, or nothing when it cannot be opened or read.
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;
  // The names in a folder (not "." or ".."); empty when it cannot be read.
  virtual std::vector<std::string> ListFolder(const std::string& path) = 0;
  // Creates the folder and any missing parents.
  virtual Status MakeFolders(const std::string& path) = 0;

  // Writes `content` to a new temporary file beside `path` (named ".kestrune-tmp-..."), flushed
  // to disk, and sets `temp_path` to it. The file `path` itself is not touched.
  virtual Status WriteTemporary(const std::string& path, const std::string& content,
                                std::string& temp_path) = 0;
  // Renames `from` over `to` and makes the rename itself durable.
  virtual Status Rename(const std::string& from, const std::string& to) = 0;
  // Deletes the file durably. A file that is already absent counts as removed.
  virtual Status RemoveFile(const std::string& path) = 0;

  // Replaces the file through a temporary file in the same folder, flushed and renamed over
  // the old one: a crash or a full disk never leaves a half-written file.
  Status WriteFile(const std::string& path, const std::string& content);
};

// The prefix of every temporary file; a name with it is never a data file.
inline constexpr const char* kTemporaryPrefix = ".kestrune-tmp-";

// The real disk. `durable` false skips the flushes (for measuring what they cost).
class PosixFileSystem final : public FileSystem {
 public:
  explicit PosixFileSystem(bool durable = true) : durable_(durable) {}

  std::optional<std::string> ReadFile(const std::string& path) override;
  bool Exists(const std::string& path) override;
  std::vector<std::string> ListFolder(const std::string& path) override;
  Status MakeFolders(const std::string& path) override;
  Status WriteTemporary(const std::string& path, const std::string& content,
                        std::string& temp_path) override;
  Status Rename(const std::string& from, const std::string& to) override;
  Status RemoveFile(const std::string& path) override;

 private:
  void SyncFolderOf(const std::string& path) const;
  bool durable_;
};

}  // namespace kestrune
