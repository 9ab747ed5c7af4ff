#pragma once

#include <set>
#include <string>

#include "database/file_system.h"

namespace kestrune::testing {

// The real disk, except that writes, renames and removals fail once `fail_after` of them
// have gone through (a full disk in the middle of an operation), and that files named in
// `unreadable` exist but cannot be read.
class FailingFileSystem final : public FileSystem {
 public:
  Status Read(const std::string& path, std::string& content) override {
    if (unreadable.contains(path)) return Status::Error("Can't read " + path + ": unreadable");
    return disk_.Read(path, content);
  }
  bool Exists(const std::string& path) override { return disk_.Exists(path); }
  std::vector<std::string> ListFolder(const std::string& path) override {
    return disk_.ListFolder(path);
  }
  Status MakeFolders(const std::string& path) override { return disk_.MakeFolders(path); }
  Status WriteTemporary(const std::string& path, const std::string& temp_folder,
                        const std::string& content, std::string& temp_path) override {
    if (Exhausted()) return Status::Error("Can't write " + path + ": No space left on device");
    return disk_.WriteTemporary(path, temp_folder, content, temp_path);
  }
  Status Rename(const std::string& from, const std::string& to) override {
    if (Exhausted()) return Status::Error("Can't write " + to + ": Input/output error");
    return disk_.Rename(from, to);
  }
  Status RemoveFile(const std::string& path) override {
    if (Exhausted()) return Status::Error("Can't remove " + path + ": Input/output error");
    return disk_.RemoveFile(path);
  }

  int fail_after = 1 << 30;
  int changes = 0;
  std::set<std::string> unreadable;

 private:
  bool Exhausted() { return changes++ >= fail_after; }
  PosixFileSystem disk_;
};

}  // namespace kestrune::testing
