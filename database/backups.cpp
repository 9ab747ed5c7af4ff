#include "database/backups.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "database/clock.h"
#include "database/database_folder.h"
#include "database/sections.h"
#include "database/text_lines.h"

namespace kestrune {
namespace {

// At the top only the book's data is copied: not the program's own files (the work folder,
// and the lock, journal and temporary files earlier versions kept beside the indexes), nor
// what a household server keeps there. Entity files, whatever their names, lie deeper.
bool IsCopied(const std::string& name, bool top) {
  return !top || IsBookDataName(name);
}

// Only regular files are copied: a FIFO, a device or a link to a folder is passed over, as
// is a file that went away meanwhile.
Status CopyFile(FileSystem& fs, const std::string& from, const std::string& to) {
  std::string bytes;
  const Status read = fs.Read(from, bytes);
  if (read.IsInvalidArgument() || read.IsNotFound()) return Status::Ok();
  if (!read.ok()) return read;
  return fs.CreateFile(to, bytes);
}

// Copies the folder's files and folders, each new file flushed, then its folder.
Status CopyFolder(FileSystem& fs, const std::string& from, const std::string& to, bool top) {
  if (Status made = fs.MakeFolders(to); !made.ok()) return made;
  for (const std::string& name : fs.ListFolder(from)) {
    if (!IsCopied(name, top)) continue;
    const std::string source = from + "/" + name;
    const std::string target = to + "/" + name;
    const Status copied =
        fs.IsFolder(source) ? CopyFolder(fs, source, target, false) : CopyFile(fs, source, target);
    if (!copied.ok()) return copied;
  }
  return fs.SyncFolder(to);
}

Status RemoveTree(FileSystem& fs, const std::string& folder) {
  for (const std::string& name : fs.ListFolder(folder)) {
    const std::string path = folder + "/" + name;
    const Status removed = fs.IsFolder(path) ? RemoveTree(fs, path) : fs.RemoveFile(path);
    if (!removed.ok()) return removed;
  }
  return fs.RemoveFolder(folder);
}

// Backups of one second are told apart by a suffix: STAMP, STAMP-2, STAMP-3, ... A name whose
// suffix is no such number (or too large for one) is its own second.
std::pair<std::string, int> AgeOf(const std::string& name) {
  const auto dash = name.rfind('-');
  if (dash == std::string::npos || name.find('_') > dash) return {name, 1};
  int number = 0;
  const char* end = name.data() + name.size();
  const auto [stop, error] = std::from_chars(name.data() + dash + 1, end, number);
  if (error != std::errc() || stop != end || name[dash + 1] == '-') return {name, 1};
  return {name.substr(0, dash), number};
}

// Only folders named as backups are: another folder a user keeps there is never pruned, nor
// taken for the newest backup.
std::vector<std::string> BackupsOldestFirst(FileSystem& fs, const std::string& backups) {
  std::vector<std::string> all;
  for (const std::string& name : fs.ListFolder(backups)) {
    if (IsBackupName(name) && fs.IsFolder(backups + "/" + name)) all.push_back(name);
  }
  std::sort(all.begin(), all.end(),
            [](const std::string& a, const std::string& b) { return AgeOf(a) < AgeOf(b); });
  return all;
}

// The stamp itself, or the stamp with the next number after the newest backup of that second.
std::string NewBackupFolder(FileSystem& fs, const std::string& backups, const std::string& stamp) {
  int newest = 0;
  for (const std::string& backup : BackupsOldestFirst(fs, backups)) {
    const auto [second, number] = AgeOf(backup);
    if (second == stamp) newest = std::max(newest, number);
  }
  return backups + "/" + (newest == 0 ? stamp : stamp + "-" + std::to_string(newest + 1));
}

Status KeepNewest(FileSystem& fs, const std::string& backups, int keep) {
  const std::vector<std::string> all = BackupsOldestFirst(fs, backups);
  Status pruned = Status::Ok();
  for (std::size_t i = 0; i + static_cast<std::size_t>(keep) < all.size() && pruned.ok(); ++i) {
    pruned = RemoveTree(fs, backups + "/" + all[i]);
  }
  return pruned.ok() ? fs.SyncFolder(backups) : pruned;
}

// The purchase lines of an item file.
int64_t CountPurchases(std::string_view content) {
  int64_t count = 0;
  bool inside = false;
  LineReader reader(content);
  for (std::string_view line; reader.Next(line);) {
    if (line == kBeginPurchaseList || line == kEndPurchaseList) {
      inside = line == kBeginPurchaseList;
    } else if (inside) {
      ++count;
    }
  }
  return count;
}

// Those of the backup's item files; what is no regular file is passed over, as in copying.
Result<int64_t> PurchasesIn(FileSystem& fs, const std::string& backup) {
  int64_t count = 0;
  for (const std::string& name : fs.ListFolder(backup + "/items")) {
    std::string content;
    const Status read = fs.Read(backup + "/items/" + name, content);
    if (read.IsInvalidArgument() || read.IsNotFound()) continue;
    if (!read.ok()) return Failed<int64_t>(read);
    count += CountPurchases(content);
  }
  return Result<int64_t>{count};
}

}  // namespace

bool IsBackupName(const std::string& name) {
  const auto digits = [&](std::size_t from, std::size_t count) {
    return name.size() >= from + count &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(from),
                       name.begin() + static_cast<std::ptrdiff_t>(from + count),
                       [](char c) { return c >= '0' && c <= '9'; });
  };
  constexpr std::size_t kStamp = 17;  // "2026-12-06_205959"
  if (!digits(0, 4) || !digits(5, 2) || !digits(8, 2) || !digits(11, 6) || name.size() < kStamp ||
      name[4] != '-' || name[7] != '-' || name[10] != '_') {
    return false;
  }
  if (name.size() == kStamp) return true;
  return name[kStamp] == '-' && name.size() > kStamp + 1 &&
         digits(kStamp + 1, name.size() - kStamp - 1);
}

Result<std::vector<BackupInfo>> ListBackups(FileSystem& fs, const std::string& backups_folder) {
  std::vector<BackupInfo> backups;
  std::vector<std::string> names = BackupsOldestFirst(fs, backups_folder);
  for (auto name = names.rbegin(); name != names.rend(); ++name) {
    const Result<int64_t> purchases = PurchasesIn(fs, backups_folder + "/" + *name);
    if (!purchases.ok()) return Failed<std::vector<BackupInfo>>(purchases.status);
    const std::string& n = *name;
    backups.push_back(
        {n, n.substr(0, 10) + " " + n.substr(11, 2) + ":" + n.substr(13, 2) + ":" + n.substr(15, 2),
         purchases.value});
  }
  return Result<std::vector<BackupInfo>>{std::move(backups)};
}

std::string BackupStamp(std::chrono::system_clock::time_point when) {
  return LocalTimeText(when, "%Y-%m-%d_%H%M%S");
}

Status BackUpDatabase(FileSystem& fs, const std::string& database_folder,
                      const std::string& backups_folder, const std::string& stamp, int keep,
                      std::string* made) {
  const std::string target = NewBackupFolder(fs, backups_folder, stamp);
  Status copied = CopyFolder(fs, database_folder, target, true);
  if (copied.ok()) copied = fs.SyncFolder(backups_folder);
  if (!copied.ok()) {
    [[maybe_unused]] const Status removed = RemoveTree(fs, target);
    return copied.WithMessage("Can't back up the database to " + target + ": " + copied.message());
  }
  if (made != nullptr) *made = target;
  return KeepNewest(fs, backups_folder, keep);
}

}  // namespace kestrune
