#pragma once

#include <string>

#include "bench/data_sets.h"
#include "database/expense_database.h"
#include "database/file_system.h"

namespace kestrune::bench {

// One data set opened for measuring, on a scratch copy: loaded once writing with flushes (as
// the program writes) and once without, and the names the measured views show.
class OpenedSet {
 public:
  OpenedSet(const DataSet& set, const std::string& cache);
  OpenedSet(const OpenedSet&) = delete;
  OpenedSet& operator=(const OpenedSet&) = delete;

  const DataSet& set() const { return set_; }
  const std::string& workdir() const { return copy_.path(); }
  const std::string& folder() const { return folder_; }
  // The page file of the working folder.
  std::string page_path() const { return copy_.path() + "/data/temp.tmp"; }

  PosixFileSystem& durable_fs() { return durable_fs_; }
  PosixFileSystem& fast_fs() { return fast_fs_; }
  // Writes through durable_fs (each change flushed), or through fast_fs.
  ExpenseDatabase& db() { return db_; }
  ExpenseDatabase& fast_db() { return fast_db_; }

  // The item with the most purchases (the longest item file) and its category.
  const std::string& category() const { return category_; }
  const std::string& item() const { return item_; }
  // The first person of the catalogue.
  const std::string& person() const { return person_; }

 private:
  void FindLargestItem();

  DataSet set_;
  ScratchCopy copy_;
  std::string folder_;
  PosixFileSystem durable_fs_{true};
  PosixFileSystem fast_fs_{false};
  ExpenseDatabase db_{durable_fs_};
  ExpenseDatabase fast_db_{fast_fs_};
  std::string category_, item_, person_;
};

}  // namespace kestrune::bench
