#include "shell/working_folder.h"

#include <filesystem>
#include <system_error>

#include "database/file_system.h"

namespace kestrune {
namespace {

std::string WithoutTrailingSlash(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace

std::string ChooseWorkingFolder(const WorkingFolderInputs& inputs) {
  if (inputs.option) return WithoutTrailingSlash(*inputs.option);
  if (inputs.current_holds_database) return WithoutTrailingSlash(inputs.current_folder);
  // A relative XDG_DATA_HOME is invalid and must be ignored.
  if (!inputs.xdg_data_home.empty() && inputs.xdg_data_home.front() == '/') {
    return WithoutTrailingSlash(inputs.xdg_data_home) + "/kestrune";
  }
  return WithoutTrailingSlash(inputs.home) + "/.local/share/kestrune";
}

ShellPaths PathsOf(const std::string& working_folder) {
  ShellPaths paths;
  const std::string folder = WithoutTrailingSlash(working_folder);
  paths.DataDir = (folder == "/" ? "" : folder) + "/data";
  paths.PageFilePath = paths.DataDir + "/temp.tmp";
  paths.DatabaseDir = paths.DataDir + "/BASE";
  paths.HelpPagePath = (folder == "/" ? "" : folder) + "/help/index.htm";
  return paths;
}

Status RemovePageTemporaries(const std::string& data_folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  for (fs::directory_iterator it(data_folder, error), end; !error && it != end;
       it.increment(error)) {
    const fs::path& path = it->path();
    if (!path.filename().string().starts_with(kTemporaryPrefix)) continue;
    if (fs::is_regular_file(it->symlink_status(error))) {
      fs::remove(path, error);
      if (error) break;
    }
  }
  if (!error || error == std::errc::no_such_file_or_directory) return Status::Ok();
  return Status::Error("Can't remove the temporary files in " + data_folder + ": " +
                       error.message());
}

}  // namespace kestrune
