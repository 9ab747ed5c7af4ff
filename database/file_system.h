#pragma once

#include <optional>
#include <string>

#include "database/status.h"

namespace kestrune {

// Everything the database does to the disk goes through this interface, so tests can put a
// fake in its place and make any write fail.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The whole content of the file, or nothing when it cannot be opened or read.
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  // Replaces the file with `content` through a temporary file in the same folder, flushed and
  // renamed over the old one: a crash or a full disk never leaves a half-written file.
  virtual Status WriteFile(const std::string& path, const std::string& content) = 0;
  // Deletes the file. A file that is already absent counts as removed.
  virtual Status RemoveFile(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;
  // Creates the folder and any missing parents.
  virtual Status MakeFolders(const std::string& path) = 0;
};

// The real disk.
class PosixFileSystem final : public FileSystem {
 public:
  std::optional<std::string> ReadFile(const std::string& path) override;
  Status WriteFile(const std::string& path, const std::string& content) override;
  Status RemoveFile(const std::string& path) override;
  bool Exists(const std::string& path) override;
  Status MakeFolders(const std::string& path) override;
};

}  // namespace kestrune
