#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "database/file_system.h"
#include "database/result.h"

namespace kestrune {

// How many backups the program keeps in WORKDIR/data/backups.
inline constexpr int kBackupsToKeep = 5;

// A backup folder name for the time: "2026-12-06_205959" (local time); names sort by age.
std::string BackupStamp(std::chrono::system_clock::time_point when);

// Copies the data files of the database folder (the indexes and the three sub-folders, not
// the work folder with the lock, journal and temporary files; only regular files) through
// `fs` into BACKUPS/STAMP (STAMP-2, -3, ... when that is taken), every file and folder flushed,
// sets `made` to that folder, then deletes the oldest backups beyond the newest `keep`. A
// backup that cannot be made is removed again and reported ("Can't back up the database to
// FOLDER: REASON"); a failed deletion of an old one is reported after `made` is set.
[[nodiscard]] Status BackUpDatabase(FileSystem& fs, const std::string& database_folder,
                                    const std::string& backups_folder, const std::string& stamp,
                                    int keep, std::string* made = nullptr);

// One backup folder as the user chooses among them.
struct BackupInfo {
  std::string name;  // the folder's name: "2026-12-06_205959"
  std::string time;  // "2026-12-06 20:59:59"
  int64_t purchases = 0;
};

// Whether `name` has the form of a backup folder's name: STAMP or STAMP-N. Nothing else
// (no "/", no "..") may name a backup.
bool IsBackupName(const std::string& name);

// The backups in the folder, newest first, each with the number of purchases its item files
// hold. Folders of any other name, and links, are passed over; an absent folder has none. A
// file that is there but cannot be read fails the list with its message.
[[nodiscard]] Result<std::vector<BackupInfo>> ListBackups(FileSystem& fs,
                                                          const std::string& backups_folder);

}  // namespace kestrune
