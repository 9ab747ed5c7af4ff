#pragma once

#include <string>

#include "database/file_system.h"
#include "database/status.h"

namespace kestrune {

// Writes `bytes` to a file the user named for output (a page or a chart picture) the way a
// data file is written: a temporary file beside it, flushed and renamed over it. Only an
// absent path or a regular file is replaced, and an existing file keeps its mode. A symbolic
// link to a regular file has its target replaced and stays a link. A folder, a device, a
// FIFO, a socket or a link to none of these is refused: the message is "PATH is ..." and
// nothing is written, since replacing such a thing would lose what the user has there.
[[nodiscard]] Status ReplaceNamedFile(FileSystem& fs, const std::string& path,
                                      const std::string& bytes);

}  // namespace kestrune
