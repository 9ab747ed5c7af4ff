#include "database/change_set.h"

namespace kestrune {

ChangeSet::Change* ChangeSet::Find(const std::string& path) {
  for (Change& change : changes_) {
    if (change.path == path) return &change;
  }
  return nullptr;
}

std::optional<std::string> ChangeSet::Read(const std::string& path) {
  if (const Change* change = Find(path)) return change->content;
  return fs_.ReadFile(path);
}

bool ChangeSet::Exists(const std::string& path) {
  if (const Change* change = Find(path)) return change->content.has_value();
  return fs_.Exists(path);
}

void ChangeSet::Write(const std::string& path, std::string content) {
  if (Change* change = Find(path)) {
    change->content = std::move(content);
    return;
  }
  changes_.push_back({path, std::move(content)});
}

void ChangeSet::Remove(const std::string& path) {
  if (Change* change = Find(path)) {
    change->content.reset();
    return;
  }
  changes_.push_back({path, std::nullopt});
}

Status ChangeSet::Commit() {
  for (const Change& change : changes_) {
    Status status =
        change.content ? fs_.WriteFile(change.path, *change.content) : fs_.RemoveFile(change.path);
    if (!status.ok()) return status;
  }
  changes_.clear();
  return Status::Ok();
}

}  // namespace kestrune
