#include "database/journal.h"

#include <charconv>

#include "database/checksum.h"

namespace kestrune {
namespace {

constexpr std::string_view kHeader = "kestrune journal 1\n";
constexpr std::string_view kTrailer = "end ";

bool SafeRelativePath(std::string_view path) {
  if (path.empty() || path.front() == '/') return false;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view part = path.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return false;
    start = end + 1;
  }
  return true;
}

// Reads "<number>" followed by `stop` from the front of `in`.
std::optional<std::size_t> TakeNumber(std::string_view& in, char stop) {
  std::size_t value = 0;
  const auto result = std::from_chars(in.data(), in.data() + in.size(), value);
  if (result.ec != std::errc() || result.ptr == in.data() + in.size() || *result.ptr != stop) {
    return std::nullopt;
  }
  in.remove_prefix(static_cast<std::size_t>(result.ptr - in.data()) + 1);
  return value;
}

std::optional<std::string> TakeBytes(std::string_view& in, std::size_t count) {
  if (in.size() < count) return std::nullopt;
  std::string bytes(in.substr(0, count));
  in.remove_prefix(count);
  return bytes;
}

std::optional<JournalEntry> TakeEntry(std::string_view& in) {
  if (in.size() < 2 || (in[0] != 'W' && in[0] != 'R') || in[1] != ' ') return std::nullopt;
  const bool write = in[0] == 'W';
  in.remove_prefix(2);
  const auto path_size = TakeNumber(in, write ? ' ' : '\n');
  const auto content_size =
      write && path_size ? TakeNumber(in, '\n') : std::optional<std::size_t>(0);
  if (!path_size || !content_size) return std::nullopt;
  JournalEntry entry;
  std::optional<std::string> path = TakeBytes(in, *path_size);
  if (!path || !SafeRelativePath(*path)) return std::nullopt;
  entry.path = std::move(*path);
  if (write) {
    entry.content = TakeBytes(in, *content_size);
    if (!entry.content) return std::nullopt;
  }
  if (in.empty() || in.front() != '\n') return std::nullopt;
  in.remove_prefix(1);
  return entry;
}

}  // namespace

std::string EncodeJournal(const std::vector<JournalEntry>& entries) {
  std::size_t size = kHeader.size() + 40;
  for (const JournalEntry& entry : entries) {
    size += entry.path.size() + (entry.content ? entry.content->size() : 0) + 48;
  }
  // Appended piece by piece: the contents, the bulk of a journal, are copied once.
  std::string body(kHeader);
  body.reserve(size);
  for (const JournalEntry& entry : entries) {
    body.append(entry.content ? "W " : "R ").append(std::to_string(entry.path.size()));
    if (entry.content) body.append(" ").append(std::to_string(entry.content->size()));
    body.append("\n").append(entry.path);
    if (entry.content) body.append(*entry.content);
    body.append("\n");
  }
  const std::string sum = Hex(Checksum(body));
  return body.append(kTrailer).append(sum).append("\n");
}

std::optional<std::vector<JournalEntry>> DecodeJournal(std::string_view bytes) {
  const std::size_t trailer = bytes.rfind(kTrailer);
  if (!bytes.starts_with(kHeader) || trailer == std::string_view::npos || !bytes.ends_with("\n")) {
    return std::nullopt;
  }
  const std::string_view body = bytes.substr(0, trailer);
  const std::string_view sum = bytes.substr(trailer + kTrailer.size());
  if (Hex(Checksum(body)) + "\n" != sum) return std::nullopt;
  std::string_view in = body.substr(kHeader.size());
  std::vector<JournalEntry> entries;
  while (!in.empty()) {
    std::optional<JournalEntry> entry = TakeEntry(in);
    if (!entry) return std::nullopt;
    entries.push_back(std::move(*entry));
  }
  return entries;
}

}  // namespace kestrune
