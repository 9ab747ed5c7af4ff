#include "server/household_files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "database/change_set.h"
#include "server/percent_encoding.h"

namespace kestrune::server {
namespace {

constexpr const char* kEncoded = "%|\t\r\n";

std::string Encode(const std::string& text) {
  return PercentEncode(
      text, [](char c) { return std::string_view(kEncoded).find(c) == std::string_view::npos; });
}

std::optional<std::string> Decode(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexDigitValue(text[i + 1]), low = HexDigitValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

// The file's lines; an absent file has none.
Status ReadLines(FileSystem& fs, const std::string& path, std::vector<std::string>& lines) {
  std::string content;
  const Status read = fs.Read(path, content);
  if (read.IsNotFound()) return Status::Ok();
  if (!read.ok()) return read;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    lines.push_back(content.substr(start, end - start));
    start = end + 1;
  }
  return Status::Ok();
}

// Makes the household folder, readable by its owner alone: it holds the passphrase hashes.
Status MakeHouseholdFolder(FileSystem& fs, const std::string& folder) {
  const std::string household = folder + "/" + kHouseholdFolder;
  if (Status made = fs.MakeFolders(household); !made.ok()) return made;
  // A folder only `fs` knows (a test's) has nothing on disk to protect.
  if (::chmod(household.c_str(), 0700) != 0 && errno != ENOENT) {
    return Status::IOError("Can't make " + household + " private", std::strerror(errno));
  }
  return Status::Ok();
}

Status WriteLines(FileSystem& fs, const std::string& folder, const std::string& path,
                  const std::vector<std::string>& lines) {
  if (Status made = MakeHouseholdFolder(fs, folder); !made.ok()) return made;
  std::string content;
  for (const std::string& line : lines) content += line + "\n";
  ChangeSet changes(fs, folder);
  changes.Write(path, std::move(content));
  return changes.Commit();
}

}  // namespace

std::optional<std::vector<std::string>> SplitFields(const std::string& line, size_t count) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t bar = line.find('|', start);
    const size_t end = bar == std::string::npos ? line.size() : bar;
    std::optional<std::string> field = Decode(std::string_view(line).substr(start, end - start));
    if (!field) return std::nullopt;
    fields.push_back(std::move(*field));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  if (fields.size() != count) return std::nullopt;
  return fields;
}

std::string JoinFields(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) line += (i ? "|" : "") + Encode(fields[i]);
  return line;
}

std::string AccessPath(const std::string& database_folder) {
  return database_folder + "/" + kHouseholdFolder + "/access.txt";
}

std::string RecordersPath(const std::string& database_folder) {
  return database_folder + "/" + kHouseholdFolder + "/recorders.txt";
}

Status ReadMembers(FileSystem& fs, const std::string& database_folder,
                   std::vector<Member>& members) {
  std::vector<std::string> lines;
  if (Status read = ReadLines(fs, AccessPath(database_folder), lines); !read.ok()) return read;
  for (const std::string& line : lines) {
    const auto fields = SplitFields(line, 3);
    if (!fields || (*fields)[0].empty()) continue;
    members.push_back({(*fields)[0], (*fields)[1] == "owner", (*fields)[2]});
  }
  return Status::Ok();
}

Status WriteMembers(FileSystem& fs, const std::string& database_folder,
                    const std::vector<Member>& members) {
  std::vector<std::string> lines;
  for (const Member& m : members) {
    lines.push_back(JoinFields({m.person, m.owner ? "owner" : "member", m.hash}));
  }
  return WriteLines(fs, database_folder, AccessPath(database_folder), lines);
}

Status ReadRecorders(FileSystem& fs, const std::string& database_folder,
                     std::vector<Recorded>& entries) {
  std::vector<std::string> lines;
  if (Status read = ReadLines(fs, RecordersPath(database_folder), lines); !read.ok()) return read;
  for (const std::string& line : lines) {
    if (const auto f = SplitFields(line, 4))
      entries.push_back({(*f)[0], (*f)[1], (*f)[2], (*f)[3]});
  }
  return Status::Ok();
}

Status WriteRecorders(FileSystem& fs, const std::string& database_folder,
                      const std::vector<Recorded>& entries) {
  std::vector<std::string> lines;
  for (const Recorded& e : entries)
    lines.push_back(JoinFields({e.person, e.category, e.item, e.line}));
  return WriteLines(fs, database_folder, RecordersPath(database_folder), lines);
}

}  // namespace kestrune::server
