#include "database/database_folder.h"

#include "database/budget_file.h"

namespace kestrune {

std::string DatabaseFolderOf(const std::string& workdir) {
  if (!workdir.empty() && workdir.back() == '/') return workdir + "data/BASE";
  return workdir + "/data/BASE";
}

std::string WorkFolderOf(const std::string& database_folder) {
  return database_folder + "/" + kWorkFolderName;
}

bool IsBookDataName(std::string_view name) {
  if (name == kBudgetFileName) return true;
  for (const char* index : kIndexFileNames) {
    if (name == index) return true;
  }
  for (const char* folder : kEntityFolderNames) {
    if (name == folder) return true;
  }
  return false;
}

bool DatabaseFolderExists(FileSystem& fs, const std::string& database_folder) {
  return fs.Exists(database_folder);
}

Status CreateEmptyDatabase(FileSystem& fs, const std::string& database_folder) {
  for (const char* sub : kEntityFolderNames) {
    Status made = fs.MakeFolders(database_folder + "/" + sub);
    if (!made.ok()) return made;
  }
  for (const char* index : kIndexFileNames) {
    const std::string path = database_folder + "/" + index;
    if (fs.Exists(path)) continue;
    // Written beside: a new book holds only its data files until it is first used.
    Status written = fs.WriteFile(path, "");
    if (!written.ok()) return written;
  }
  return Status::Ok();
}

}  // namespace kestrune
