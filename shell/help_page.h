#pragma once

#include <string>

#include "database/status.h"

namespace kestrune {

// Writes the help page built into the program to `path` (folders made as needed) unless a
// file is already there, so a page the user changed stays.
Status InstallHelpPage(const std::string& path);

}  // namespace kestrune
