#include "database/backups.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <vector>

namespace kestrune {
namespace {

namespace fs = std::filesystem;

bool IsDataFile(const fs::directory_entry& entry) {
  return entry.is_regular_file() && !entry.path().filename().string().starts_with(".");
}

void CopyFolder(const fs::path& from, const fs::path& to, std::error_code& error) {
  fs::create_directories(to, error);
  for (const auto& entry : fs::directory_iterator(from, error)) {
    if (error) return;
    if (entry.is_directory()) {
      CopyFolder(entry.path(), to / entry.path().filename(), error);
    } else if (IsDataFile(entry)) {
      fs::copy_file(entry.path(), to / entry.path().filename(), error);
    }
    if (error) return;
  }
}

void KeepNewest(const fs::path& backups, int keep) {
  std::vector<fs::path> all;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(backups, error)) {
    if (entry.is_directory()) all.push_back(entry.path());
  }
  std::sort(all.begin(), all.end());
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
                      const std::string& stamp, int keep) {
  const fs::path target = fs::path(backups_folder) / stamp;
  std::error_code error;
  if (fs::exists(target)) return Status::Ok();
  CopyFolder(database_folder, target, error);
  if (error) {
    std::error_code ignored;
    fs::remove_all(target, ignored);
    return Status::Error("Can't back up the database to " + target.string() + ": " +
                         error.message());
  }
  KeepNewest(backups_folder, keep);
  return Status::Ok();
}

}  // namespace kestrune
