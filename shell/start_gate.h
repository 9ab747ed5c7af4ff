#pragma once

#include <QFuture>
#include <QThread>

#include "database/file_system.h"

namespace kestrune {

// The disk as the window's thread sees it while the work of starting (the backup of the book
// as it was, the repair) runs on another thread: reads go straight through; a write from
// the window's thread first waits for that work, so the backup never holds half a change.
// Writes from other threads go through at once. `disk` must outlive the gate.
class StartGate final : public FileSystem {
 public:
  explicit StartGate(FileSystem& disk) : disk_(disk), owner_(QThread::currentThread()) {}

  // The work the window's writes wait for.
  void hold(QFuture<void> work) { work_ = std::move(work); }
  FileSystem& disk() { return disk_; }

  Status Read(const std::string& path, std::string& content) override {
    return disk_.Read(path, content);
  }
  bool Exists(const std::string& path) override { return disk_.Exists(path); }
  bool IsFolder(const std::string& path) override { return disk_.IsFolder(path); }
  std::vector<std::string> ListFolder(const std::string& path) override {
    return disk_.ListFolder(path);
  }
  Status ReadFolder(const std::string& path, std::vector<std::string>& names) override {
    return disk_.ReadFolder(path, names);
  }
  std::optional<FileStamp> Stamp(const std::string& path) override { return disk_.Stamp(path); }
  Status MakeFolders(const std::string& path) override { return waited().MakeFolders(path); }
  Status WriteTemporary(const std::string& path, const std::string& temp_folder,
                        const std::string& content, std::string& temp_path) override {
    return waited().WriteTemporary(path, temp_folder, content, temp_path);
  }
  Status Rename(const std::string& from, const std::string& to) override {
    return waited().Rename(from, to);
  }
  Status RemoveFile(const std::string& path) override { return waited().RemoveFile(path); }
  Status RemoveFolder(const std::string& path) override { return waited().RemoveFolder(path); }
  Status CreateFile(const std::string& path, const std::string& content) override {
    return waited().CreateFile(path, content);
  }
  Status SyncFolder(const std::string& path) override { return waited().SyncFolder(path); }

 private:
  FileSystem& waited() {
    if (QThread::currentThread() == owner_) work_.waitForFinished();
    return disk_;
  }

  FileSystem& disk_;
  QThread* owner_;
  QFuture<void> work_;
};

}  // namespace kestrune
