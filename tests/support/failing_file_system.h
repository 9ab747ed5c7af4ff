#pragma once

#include <set>
#include <string>

#include "database/file_system.h"

namespace kestrune::testing {

// The real disk, except that writes, renames and removals fail once `fail_after` of them have
// gone through (a full disk in the middle of an operation), that files named in `unreadable`
// exist but cannot be read, and that with `folder_syncs_fail` no folder can be flushed.
class FailingFileSystem final : public PosixFileSystem {
 public:
  Status Read(const std::string& path, std::string& content) override {
    if (unreadable.contains(path)) return Status::IOError("Can't read " + path + ": unreadable");
    return PosixFileSystem::Read(path, content);
  }
  Status WriteTemporary(const std::string& path, const std::string& temp_folder,
                        const std::string& content, std::string& temp_path) override {
    if (Exhausted()) return Full(path);
    return PosixFileSystem::WriteTemporary(path, temp_folder, content, temp_path);
  }
  Status CreateFile(const std::string& path, const std::string& content) override {
    if (Exhausted()) return Full(path);
    return PosixFileSystem::CreateFile(path, content);
  }
  Status Rename(const std::string& from, const std::string& to) override {
    if (Exhausted()) return Status::IOError("Can't write " + to + ": Input/output error");
    return PosixFileSystem::Rename(from, to);
  }
  Status RemoveFile(const std::string& path) override {
    if (Exhausted()) return Status::IOError("Can't remove " + path + ": Input/output error");
    return PosixFileSystem::RemoveFile(path);
  }
  Status SyncFolder(const std::string& path) override {
    if (folder_syncs_fail)
      return Status::IOError("Can't flush folder " + path + ": Input/output error");
    return PosixFileSystem::SyncFolder(path);
  }

  int fail_after = 1 << 30;
  int changes = 0;
  bool folder_syncs_fail = false;
  std::set<std::string> unreadable;

 private:
  bool Exhausted() { return changes++ >= fail_after; }
  static Status Full(const std::string& path) {
    return Status::IOError("Can't write " + path + ": No space left on device");
  }
};

}  // namespace kestrune::testing
