#include "database/backups.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <vector>

#include "database/database_folder.h"

namespace kestrune {
namespace {

namespace fs = std::filesystem;

// The program's own files: the work folder, and the lock, journal and temporary files that
// earlier versions kept in the database folder itself. Entity files, whatever their names,
// lie deeper.
bool IsOwnFile(const fs::path& path, bool top) {
  return top && path.filename().string().starts_with(kWorkFolderName);
}

// Copies regular files and folders; a FIFO or a device is never opened.
void CopyFolder(const fs::path& from, const fs::path& to, bool top, std::error_code& error) {
  fs::create_directories(to, error);
  for (const auto& entry : fs::directory_iterator(from, error)) {
    if (error) return;
    if (IsOwnFile(entry.path(), top)) continue;
    if (entry.is_directory()) {
      CopyFolder(entry.path(), to / entry.path().filename(), false, error);
    } else if (entry.is_regular_file()) {
      fs::copy_file(entry.path(), to / entry.path().filename(), error);
    }
    if (error) return;
  }
}

// Backups of one second are told apart by a suffix: STAMP, STAMP-2, STAMP-3, ...
std::pair<std::string, int> AgeOf(const std::string& name) {
  const auto dash = name.rfind('-');
  const bool numbered = dash != std::string::npos && dash + 1 < name.size() &&
                        name.find_first_not_of("0123456789", dash + 1) == std::string::npos &&
                        name.find('_') < dash;
  if (!numbered) return {name, 1};
  return {name.substr(0, dash), std::stoi(name.substr(dash + 1))};
}

std::vector<fs::path> BackupsOldestFirst(const fs::path& backups) {
  std::vector<fs::path> all;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(backups, error)) {
    if (entry.is_directory()) all.push_back(entry.path());
  }
  std::sort(all.begin(), all.end(), [](const fs::path& a, const fs::path& b) {
    return AgeOf(a.filename().string()) < AgeOf(b.filename().string());
  });
  return all;
}

// The stamp itself, or the stamp with the next number after the newest backup of that second.
fs::path NewBackupFolder(const fs::path& backups, const std::string& stamp) {
  int newest = 0;
  for (const fs::path& backup : BackupsOldestFirst(backups)) {
    const auto [second, number] = AgeOf(backup.filename().string());
    if (second == stamp) newest = std::max(newest, number);
  }
  return backups / (newest == 0 ? stamp : stamp + "-" + std::to_string(newest + 1));
}

void KeepNewest(const fs::path& backups, int keep) {
  const std::vector<fs::path> all = BackupsOldestFirst(backups);
  std::error_code error;
  for (std::size_t i = 0; i + static_cast<std::size_t>(keep) < all.size(); ++i) {
    fs::remove_all(all[i], error);
  }
}

}  // namespace

std::string BackupStamp(std::chrono::system_clock::time_point when) {
  const std::time_t time = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&time, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d_%H%M%S", &local);
  return text;
}

Status BackUpDatabase(const std::string& database_folder, const std::string& backups_folder,
                      const std::string& stamp, int keep, std::string* made) {
  const fs::path target = NewBackupFolder(backups_folder, stamp);
  std::error_code error;
  CopyFolder(database_folder, target, true, error);
  if (error) {
    std::error_code ignored;
    fs::remove_all(target, ignored);
    return Status::Error("Can't back up the database to " + target.string() + ": " +
                         error.message());
  }
  KeepNewest(backups_folder, keep);
  if (made != nullptr) *made = target.string();
  return Status::Ok();
}

}  // namespace kestrune
