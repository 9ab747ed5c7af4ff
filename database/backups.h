#pragma once

#include <chrono>
#include <string>

#include "database/file_system.h"

namespace kestrune {

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

}  // namespace kestrune
