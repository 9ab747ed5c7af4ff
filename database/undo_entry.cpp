#include "database/undo_entry.h"

#include <charconv>

#include "database/checksum.h"
#include "database/database_folder.h"

namespace kestrune {
namespace {

constexpr std::string_view kHeader = "kestrune undo 1\n";
constexpr std::string_view kTrailer = "end ";

// Checksums in 16 hexadecimal digits: an entry's size does not depend on them.
std::string Hex16(std::uint64_t value) {
  std::string digits = Hex(value);
  return std::string(16 - digits.size(), '0') + digits;
}

// "NAME SIZE\nBYTES\n": every text is counted, so names may hold any byte.
void PutText(std::string& out, std::string_view name, std::string_view text) {
  out.append(name).append(" ").append(std::to_string(text.size())).append("\n");
  out.append(text).append("\n");
}

void PutFocus(std::string& out, std::string_view name, const ChangeFocus& focus) {
  out.append(name);
  for (const std::string* part : {&focus.category, &focus.item, &focus.person}) {
    out.append(" ").append(std::to_string(part->size()));
  }
  out.append("\n").append(focus.category).append(focus.item).append(focus.person).append("\n");
}

// "file PATHSIZE EXPECTED SIZE\nPATHCONTENTS\n"; "-" for an absent file on either side.
void PutFile(std::string& out, const UndoFile& file) {
  out.append("file ").append(std::to_string(file.path.size()));
  out.append(" ").append(file.expected ? Hex16(*file.expected) : "-");
  out.append(" ").append(file.contents ? std::to_string(file.contents->size()) : "-");
  out.append("\n").append(file.path).append(file.contents.value_or("")).append("\n");
}

// Reads the entry's fields from the front of the text; every Take fails for good once one
// fails.
class Reader {
 public:
  explicit Reader(std::string_view in) : in_(in) {}
  bool ok() const { return ok_; }
  bool done() const { return in_.empty(); }

  bool Word(std::string_view word) {
    ok_ = ok_ && in_.starts_with(word) && in_.size() > word.size() && in_[word.size()] == ' ';
    if (ok_) in_.remove_prefix(word.size() + 1);
    return ok_;
  }
  // A number followed by `stop`; nothing for "-" when `dash` allows it.
  std::optional<std::uint64_t> Number(char stop, int base = 10, bool dash = false) {
    if (ok_ && dash && in_.size() >= 2 && in_[0] == '-' && in_[1] == stop) {
      in_.remove_prefix(2);
      return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(in_.data(), in_.data() + in_.size(), value, base);
    ok_ = ok_ && error == std::errc() && end != in_.data() + in_.size() && *end == stop;
    if (ok_) in_.remove_prefix(static_cast<std::size_t>(end - in_.data()) + 1);
    return value;
  }
  std::string Bytes(std::uint64_t count) {
    ok_ = ok_ && in_.size() >= count;
    if (!ok_) return {};
    std::string bytes(in_.substr(0, count));
    in_.remove_prefix(count);
    return bytes;
  }
  void EndLine() {
    ok_ = ok_ && !in_.empty() && in_.front() == '\n';
    if (ok_) in_.remove_prefix(1);
  }

 private:
  std::string_view in_;
  bool ok_ = true;
};

std::string TakeText(Reader& in, std::string_view name) {
  if (!in.Word(name)) return {};
  const std::uint64_t size = *in.Number('\n');
  std::string text = in.Bytes(size);
  in.EndLine();
  return text;
}

ChangeFocus TakeFocus(Reader& in, std::string_view name) {
  if (!in.Word(name)) return {};
  const std::uint64_t category = *in.Number(' ');
  const std::uint64_t item = *in.Number(' ');
  const std::uint64_t person = *in.Number('\n');
  ChangeFocus focus{in.Bytes(category), in.Bytes(item), in.Bytes(person)};
  in.EndLine();
  return focus;
}

UndoFile TakeFile(Reader& in) {
  if (!in.Word("file")) return {};
  const std::uint64_t path = *in.Number(' ');
  UndoFile file;
  file.expected = in.Number(' ', 16, true);
  const std::optional<std::uint64_t> size = in.Number('\n', 10, true);
  file.path = in.Bytes(path);
  if (size) file.contents = in.Bytes(*size);
  in.EndLine();
  return file;
}

bool PlainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

std::string EncodeUndoEntry(const UndoEntry& entry) {
  std::string body(kHeader);
  PutText(body, "time", entry.shown.time);
  PutText(body, "description", entry.shown.description);
  PutFocus(body, "focus", entry.shown.focus);
  PutFocus(body, "reverse", entry.reverse_focus);
  for (const UndoFile& file : entry.files) PutFile(body, file);
  return body + std::string(kTrailer) + Hex16(Checksum(body)) + "\n";
}

std::optional<UndoEntry> DecodeUndoEntry(std::string_view bytes) {
  const std::size_t trailer = bytes.rfind(kTrailer);
  if (!bytes.starts_with(kHeader) || trailer == std::string_view::npos) return std::nullopt;
  const std::string_view body = bytes.substr(0, trailer);
  if (Hex16(Checksum(body)) + "\n" != bytes.substr(trailer + kTrailer.size())) {
    return std::nullopt;
  }
  Reader in(body.substr(kHeader.size()));
  UndoEntry entry;
  entry.shown.time = TakeText(in, "time");
  entry.shown.description = TakeText(in, "description");
  entry.shown.focus = TakeFocus(in, "focus");
  entry.reverse_focus = TakeFocus(in, "reverse");
  while (in.ok() && !in.done()) {
    entry.files.push_back(TakeFile(in));
    if (!IsBookDataPath(entry.files.back().path)) return std::nullopt;
  }
  if (!in.ok()) return std::nullopt;
  return entry;
}

bool IsBookDataPath(std::string_view path) {
  const std::size_t slash = path.find('/');
  if (slash == std::string_view::npos) {
    return PlainName(path) && !path.starts_with(kWorkFolderName);
  }
  const std::string_view folder = path.substr(0, slash);
  return (folder == "categories" || folder == "items" || folder == "persons") &&
         PlainName(path.substr(slash + 1));
}

std::string EntryName::Format() const {
  std::string digits = std::to_string(number);
  if (digits.size() < 8) digits.insert(0, 8 - digits.size(), '0');
  return digits + "-" + std::to_string(size) + (redo ? ".redo" : ".undo");
}

std::optional<EntryName> ParseEntryName(std::string_view name) {
  EntryName parsed;
  const char* end = name.data() + name.size();
  const auto [dash, e1] = std::from_chars(name.data(), end, parsed.number);
  if (e1 != std::errc() || dash == end || *dash != '-') return std::nullopt;
  const auto [dot, e2] = std::from_chars(dash + 1, end, parsed.size);
  if (e2 != std::errc() || dot == dash + 1) return std::nullopt;
  const std::string_view kind(dot, static_cast<std::size_t>(end - dot));
  if (kind != ".undo" && kind != ".redo") return std::nullopt;
  parsed.redo = kind == ".redo";
  if (parsed.Format() != name) return std::nullopt;
  return parsed;
}

}  // namespace kestrune
