// The page writers: build a page, then replace the page file with it.
#include "database/named_file.h"
#include "pages/page_writers.h"

namespace kestrune {
Status WriteNamedPageFile(FileSystem& fs, const std::string& path, const std::string& page) {
  Status written = ReplaceNamedFile(fs, path, page);
  if (written.ok()) return written;
  return Status::Error(std::string(kPageFileError) + ": " + written.message());
}

Status WritePageFile(FileSystem& fs, const std::string& page_path, const std::string& page) {
  if (fs.WriteFile(page_path, page).ok()) return Status::Ok();
  return Status::Error(kPageFileError);
}

namespace {

Status WriteBuiltPage(FileSystem& fs, const std::string& page_path,
                      const Result<std::string>& page) {
  return page.ok() ? WritePageFile(fs, page_path, page.value) : page.status;
}

}  // namespace

Status WriteItemPage(const ExpenseDatabase& db, FileSystem& fs, const std::string& page_path,
                     const std::string& category, const std::string& item, int month_position) {
  return WriteBuiltPage(fs, page_path, ItemPageText(db, category, item, month_position));
}

Status WriteCategoryPage(const ExpenseDatabase& db, FileSystem& fs, const std::string& page_path,
                         const std::string& category, int month_position) {
  return WriteBuiltPage(fs, page_path, CategoryPageText(db, category, month_position));
}

Status WritePersonPage(const ExpenseDatabase& db, FileSystem& fs, const std::string& page_path,
                       const std::string& person, int month_position) {
  return WriteBuiltPage(fs, page_path, PersonPageText(db, person, month_position));
}

Status WritePersonItemsPage(const ExpenseDatabase& db, FileSystem& fs, const std::string& page_path,
                            const std::string& person, int month_position) {
  return WriteBuiltPage(fs, page_path, PersonItemsPageText(db, person, month_position));
}

Status WriteItemStatisticsPage(const ExpenseDatabase& db, FileSystem& fs,
                               const std::string& page_path, int month_position) {
  return WriteBuiltPage(fs, page_path, ItemStatisticsPageText(db, month_position));
}

}  // namespace kestrune
