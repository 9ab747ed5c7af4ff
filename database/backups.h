#pragma once

#include <chrono>
#include <string>

#include "database/status.h"

namespace kestrune {

// A backup folder name for the time: "2026-12-06_205959" (local time); names sort by age.
std::string BackupStamp(std::chrono::system_clock::time_point when);

// Copies the data files of the database folder (the indexes and the three sub-folders, not
// the work folder with the lock, journal and temporary files) into BACKUPS/STAMP (STAMP-2, -3, ...
// when that is taken), sets `made` to that folder, then deletes the oldest backups beyond the
// newest `keep`. A backup that cannot be made is removed again and reported.
[[nodiscard]] Status BackUpDatabase(const std::string& database_folder,
                                    const std::string& backups_folder, const std::string& stamp,
                                    int keep, std::string* made = nullptr);

}  // namespace kestrune
