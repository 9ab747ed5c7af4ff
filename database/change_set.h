#pragma once

#include <optional>
#include <string>
#include <vector>

#include "database/file_system.h"
#include "database/undo_entry.h"

namespace kestrune {

// The file changes of one operation, gathered and then committed as one unit. Reads through
// the change set see the changes already gathered, so an operation that rewrites a file
// twice works on its own first rewrite.
class ChangeSet {
 public:
  // Every gathered path lies inside `database_folder`; its work folder holds the journal and
  // the temporary files.
  ChangeSet(FileSystem& fs, std::string database_folder)
      : fs_(fs), folder_(std::move(database_folder)) {}
  ChangeSet(const ChangeSet&) = delete;
  ChangeSet& operator=(const ChangeSet&) = delete;

  // Reads the file as this change set would leave it, with FileSystem::Read's codes: a file
  // the set removes is NotFound ("Can't read PATH: No such file or directory").
  [[nodiscard]] Status Read(const std::string& path, std::string& content);
  // Whether the file exists as this change set would leave it.
  bool Exists(const std::string& path);
  // Gathers a whole-file replacement (creating the file when absent).
  void Write(const std::string& path, std::string content);
  // Gathers a removal; removing an absent file is no error.
  void Remove(const std::string& path);
  bool empty() const { return changes_.empty(); }
  // Makes Commit record the change in the undo folder (undo_history.h): an entry with the
  // note and, for every gathered file, its contents before the change (read under the lock)
  // and the checksum of its new contents, written in the same commit.
  // Nothing as the note records nothing.
  void Record(std::optional<UndoNote> note) { note_ = std::move(note); }
  // Makes Commit add the change to the newest undo entry instead, so that undoing that entry
  // takes this change back with it, and keep the next redo entry applicable (for the repair
  // that follows loading, which the user never asked for; see GatherIntoNewestUndoEntry).
  void RecordWithNewest() { fold_ = true; }

  // Commits all gathered changes or none: every new content is first written to a flushed
  // temporary file, then the journal is put in place (the point from which the change
  // counts as made), then the files are renamed and removed and the journal deleted. A
  // failure before that point leaves every file as it was; after it, the journal completes
  // the change (now or at the next start). A single change needs no journal. Holds the
  // exclusive ChangeLock meanwhile, waiting up to kChangeWait for readers, then failing. A
  // rename or removal that is made but whose folder cannot be flushed fails too, saying so.
  [[nodiscard]] Status Commit();

 private:
  struct Change {
    std::string path;
    std::optional<std::string> content;  // nothing: remove
  };
  Change* Find(const std::string& path);
  Status CommitOne(const Change& change);
  // The failure told with what became of the change: made but not yet safe from a crash, or
  // kept in the journal for the next start.
  static Status MadeNotDurable(const Status& failure);
  static Status Kept(const Status& failure);
  // Gathers the undo entry of the changes gathered so far.
  Status GatherUndoEntry();
  // Every gathered data file with its contents now (read under the lock) and after.
  Status ChangedFiles(std::vector<ChangedFile>& files);
  Status PrepareTemporaries(std::vector<std::string>& temps);
  Status WriteJournal();
  Status Apply(const std::vector<std::string>& temps);
  std::string JournalPath() const;
  void RemoveTemporaries(const std::vector<std::string>& temps);

  FileSystem& fs_;
  std::string folder_;
  std::vector<Change> changes_;
  std::optional<UndoNote> note_;
  bool fold_ = false;
};

}  // namespace kestrune
