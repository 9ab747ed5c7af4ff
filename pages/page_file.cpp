// The page writers: build a page, then replace the page file with it.
#include <filesystem>
#include <optional>

#include "pages/page_writers.h"

namespace kestrune {
namespace {

namespace stdfs = std::filesystem;

// The file a page named `path` replaces: `path` itself when it is absent or a regular file,
// the regular file a symbolic link leads to. Anything else is refused with the reason in
// `why`: replacing a device, a FIFO or the link itself would lose what the user has there.
std::optional<std::string> PageTarget(const std::string& path, std::string& why) {
  std::error_code error;
  const stdfs::file_type type = stdfs::symlink_status(path, error).type();
  // A path that cannot even be looked at (kind "none") cannot be written either: the write
  // itself reports it.
  if (type == stdfs::file_type::not_found || type == stdfs::file_type::none ||
      type == stdfs::file_type::regular) {
    return path;
  }
  if (type == stdfs::file_type::directory) {
    why = "is a folder";
    return std::nullopt;
  }
  if (type == stdfs::file_type::symlink) {
    const stdfs::path target = stdfs::canonical(path, error);
    if (error) {
      why = "is a link that leads to no file";
      return std::nullopt;
    }
    if (stdfs::status(target, error).type() == stdfs::file_type::regular) return target.string();
  }
  why = "is not a regular file";
  return std::nullopt;
}

// Replaces the existing or new file `target` atomically; an existing file keeps its mode.
Status ReplaceKeepingMode(FileSystem& fs, const std::string& target, const std::string& page) {
  std::error_code error;
  const stdfs::file_status old = stdfs::status(target, error);
  std::string temp;
  Status written = fs.WriteTemporary(target, {}, page, temp);
  if (written.ok() && stdfs::exists(old)) {
    stdfs::permissions(temp, old.permissions(), error);
    if (error) written = Status::Error(error.message());
  }
  if (written.ok()) written = fs.Rename(temp, target);
  if (!written.ok() && !temp.empty()) {
    [[maybe_unused]] const Status removed = fs.RemoveFile(temp);
  }
  return written;
}

}  // namespace

Status WriteNamedPageFile(FileSystem& fs, const std::string& path, const std::string& page) {
  std::string why;
  const std::optional<std::string> target = PageTarget(path, why);
  if (!target) return Status::Error(std::string(kPageFileError) + ": " + path + " " + why);
  if (ReplaceKeepingMode(fs, *target, page).ok()) return Status::Ok();
  return Status::Error(kPageFileError);
}

Status WritePageFile(FileSystem& fs, const std::string& page_path, const std::string& page) {
  if (fs.WriteFile(page_path, page).ok()) return Status::Ok();
  return Status::Error(kPageFileError);
}

Status WriteItemPage(ExpenseDatabase& db, FileSystem& fs, const std::string& page_path,
                     const std::string& category, const std::string& item, int month_position) {
  return WritePageFile(fs, page_path, ItemPageText(db, category, item, month_position));
}

Status WriteCategoryPage(ExpenseDatabase& db, FileSystem& fs, const std::string& page_path,
                         const std::string& category, int month_position) {
  return WritePageFile(fs, page_path, CategoryPageText(db, category, month_position));
}

Status WritePersonPage(ExpenseDatabase& db, FileSystem& fs, const std::string& page_path,
                       const std::string& person, int month_position) {
  return WritePageFile(fs, page_path, PersonPageText(db, person, month_position));
}

Status WritePersonItemsPage(ExpenseDatabase& db, FileSystem& fs, const std::string& page_path,
                            const std::string& person, int month_position) {
  return WritePageFile(fs, page_path, PersonItemsPageText(db, person, month_position));
}

Status WriteItemStatisticsPage(ExpenseDatabase& db, FileSystem& fs, const std::string& page_path,
                               int month_position) {
  return WritePageFile(fs, page_path, ItemStatisticsPageText(db, month_position));
}

}  // namespace kestrune
