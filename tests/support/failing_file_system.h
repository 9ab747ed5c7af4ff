#pragma once

#include <set>
#include <string>

#include "database/file_system.h"

namespace kestrune::testing {

// The real disk, except that writes and removals fail once `fail_after` of them have gone
// through (a full disk in the middle of an operation).
class FailingFileSystem final : public FileSystem {
 public:
  std::optional<std::string> ReadFile(const std::string& path) override {
    if (unreadable.contains(path)) return std::nullopt;
    return disk_.ReadFile(path);
  }
  Status WriteFile(const std::string& path, const std::string& content) override {
    if (Exhausted()) return Status::Error("Can't write " + path + ": No space left on device");
    return disk_.WriteFile(path, content);
  }
  Status RemoveFile(const std::string& path) override {
    if (Exhausted()) return Status::Error("Can't remove " + path + ": Input/output error");
    return disk_.RemoveFile(path);
  }
  bool Exists(const std::string& path) override { return disk_.Exists(path); }
  Status MakeFolders(const std::string& path) override { return disk_.MakeFolders(path); }

  int fail_after = 1 << 30;
  std::set<std::string> unreadable;  // exist, but every read fails
  int changes = 0;

 private:
  bool Exhausted() { return changes++ >= fail_after; }
  PosixFileSystem disk_;
};

}  // namespace kestrune::testing
