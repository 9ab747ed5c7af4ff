#pragma once

#include <string>

#include "database/file_system.h"

namespace kestrune {

// Brings the database folder to a committed state after a crash: a valid journal is
// applied again (every file it names written or removed) and then deleted, a journal that
// is cut short or altered is discarded (its change never counted as made), and temporary
// files left by an interrupted write are removed. Does nothing on a clean folder. Only the
// holder of the database lock may call it.
[[nodiscard]] Status RecoverDatabase(FileSystem& fs, const std::string& database_folder);

// Only the journal part: applies and deletes a journal left by a change that could not be
// finished. Every commit calls it first, so a later change never overwrites that journal.
[[nodiscard]] Status FinishPendingChange(FileSystem& fs, const std::string& database_folder);

}  // namespace kestrune
