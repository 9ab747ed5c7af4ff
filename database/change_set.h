#pragma once

#include <optional>
#include <string>
#include <vector>

#include "database/file_system.h"

namespace kestrune {

// The file changes of one operation, gathered and then committed in one step. Reads through
// the change set see the changes already gathered, so an operation that rewrites a file twice
// works on its own first rewrite.
class ChangeSet {
 public:
  explicit ChangeSet(FileSystem& fs) : fs_(fs) {}
  ChangeSet(const ChangeSet&) = delete;
  ChangeSet& operator=(const ChangeSet&) = delete;

  // The file as this change set would leave it; nothing when absent or unreadable.
  std::optional<std::string> Read(const std::string& path);
  // Whether the file exists as this change set would leave it.
  bool Exists(const std::string& path);
  // Gathers a whole-file replacement (creating the file when absent).
  void Write(const std::string& path, std::string content);
  // Gathers a removal; removing an absent file is no error.
  void Remove(const std::string& path);
  bool empty() const { return changes_.empty(); }

  // Applies the gathered changes in order; stops at the first failure and reports it.
  [[nodiscard]] Status Commit();

 private:
  struct Change {
    std::string path;
    std::optional<std::string> content;  // nothing: remove
  };
  Change* Find(const std::string& path);

  FileSystem& fs_;
  std::vector<Change> changes_;
};

}  // namespace kestrune
