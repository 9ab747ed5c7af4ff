#pragma once

#include <string>
#include <string_view>

#include "database/file_system.h"

namespace kestrune {

// The database folder under a working folder: WORKDIR/data/BASE.
std::string DatabaseFolderOf(const std::string& workdir);

// The folder of the program's own files: the lock, the journal and every temporary file of
// the book, BOOK/.kestrune. Entity files live only in its sibling folders "categories",
// "items" and "persons", so no name can ever collide with these. Made when first needed.
std::string WorkFolderOf(const std::string& database_folder);
inline constexpr const char* kWorkFolderName = ".kestrune";

// The book's data: its three index files, its budget file (budget_file.h) and its folders of
// category, item and person files.
// Anything else in the database folder (the work folder, the members a household server
// keeps beside the book with their passphrase hashes) is no part of it: backups copy only
// the data and a restore replaces only the data.
inline constexpr const char* kIndexFileNames[] = {"KSDBCategories.txt", "KSDBPersons.txt",
                                                  "KSDBMonths.txt"};
inline constexpr const char* kEntityFolderNames[] = {"categories", "items", "persons"};
// Whether a name directly in the database folder is one of those.
bool IsBookDataName(std::string_view name);

// True when the folder exists at all (even if an index file is missing).
bool DatabaseFolderExists(FileSystem& fs, const std::string& database_folder);

// Starts a new, empty database: the folder with its sub-folders "categories", "items" and
// "persons", and the three index files, empty. Existing files are left as they are.
[[nodiscard]] Status CreateEmptyDatabase(FileSystem& fs, const std::string& database_folder);

}  // namespace kestrune
