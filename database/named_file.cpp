#include "database/named_file.h"

#include <filesystem>
#include <optional>

namespace kestrune {
namespace {

namespace stdfs = std::filesystem;

// The file that writing to `path` replaces: `path` itself when it is absent or a regular file,
// the regular file a symbolic link leads to. Anything else is refused with the reason in `why`.
std::optional<std::string> ReplacedFile(const std::string& path, std::string& why) {
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
Status ReplaceKeepingMode(FileSystem& fs, const std::string& target, const std::string& bytes) {
  std::error_code error;
  const stdfs::file_status old = stdfs::status(target, error);
  std::string temp;
  Status written = fs.WriteTemporary(target, {}, bytes, temp);
  if (written.ok() && stdfs::exists(old)) {
    stdfs::permissions(temp, old.permissions(), error);
    if (error) written = Status::IOError("Can't write " + target + ": " + error.message());
  }
  if (written.ok()) written = fs.Rename(temp, target);
  if (!written.ok() && !temp.empty()) {
    [[maybe_unused]] const Status removed = fs.RemoveFile(temp);
  }
  return written;
}

}  // namespace

Status ReplaceNamedFile(FileSystem& fs, const std::string& path, const std::string& bytes) {
  std::string why;
  const std::optional<std::string> target = ReplacedFile(path, why);
  if (!target) return Status::Error(path + " " + why);
  return ReplaceKeepingMode(fs, *target, bytes);
}

}  // namespace kestrune
