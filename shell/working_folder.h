#pragma once

#include <optional>
#include <string>

#include "database/status.h"

namespace kestrune {

// Where the program finds its data, in this order: the folder given with --workdir; the
// current folder when it already holds a database (data/BASE), so a database kept beside
// its user's files is found as before; otherwise the user's data folder,
// $XDG_DATA_HOME/kestrune or ~/.local/share/kestrune.
struct WorkingFolderInputs {
  std::optional<std::string> option;  // --workdir DIR
  std::string current_folder;
  bool current_holds_database = false;
  std::string xdg_data_home;  // empty when unset
  std::string home;
};

std::string ChooseWorkingFolder(const WorkingFolderInputs& inputs);

// The working folder's data folder, the page file shown by the browser and the database
// folder, all absolute when the working folder is.
struct ShellPaths {
  std::string DataDir;       // WORKDIR/data; page links resolve against it
  std::string PageFilePath;  // DataDir/temp.tmp
  std::string DatabaseDir;   // DataDir/BASE
  std::string HelpPagePath;  // WORKDIR/help/index.htm
};

ShellPaths PathsOf(const std::string& working_folder);

// Deletes the temporary files a page write cut short left in `data_folder`: the regular
// files whose names begin with the temporary prefix. Symbolic links, folders and every other
// name are left alone. Only for a holder of the database lock, so no write is under way.
Status RemovePageTemporaries(const std::string& data_folder);

}  // namespace kestrune
