#pragma once

#include <string>

#include "database/file_system.h"

namespace kestrune {

// Brings the database folder to a committed state after a crash: a valid journal is
// applied again (every file it names written or removed) and then deleted, a journal that
// is cut short or altered is discarded (its change never counted as made), and temporary
// files left by an interrupted write are removed from the work folder (and those of earlier
// versions from the database folder itself, never from the entity folders). Does nothing on
// a clean folder. Only the holder of the exclusive database lock may call it.
[[nodiscard]] Status RecoverDatabase(FileSystem& fs, const std::string& database_folder);

// Only the journal part: applies and deletes a journal left by a change that could not be
// finished (also one in the place earlier versions used). Every commit calls it first, so a
// later change never overwrites that journal. A journal that cannot be applied is reported
// with Unfinished.
[[nodiscard]] Status FinishPendingChange(FileSystem& fs, const std::string& database_folder);

// True when RecoverDatabase would change anything.
bool RecoveryNeeded(FileSystem& fs, const std::string& database_folder);

// The path of the journal of a change not yet finished, or "" when there is none.
std::string PendingJournal(FileSystem& fs, const std::string& database_folder);

// "An earlier change is not finished: JOURNAL (REASON)".
Status Unfinished(const std::string& journal, const Status& reason);

}  // namespace kestrune
