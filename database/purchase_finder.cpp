// Finding purchases by words, person, days and sums, with the purchases kept in memory.
#include "database/purchase_finder.h"

#include <algorithm>
#include <map>
#include <utility>

#include "database/book_export.h"
#include "database/expense_file.h"
#include "database/month_keys.h"
#include "database/sections.h"
#include "database/text_fold.h"

namespace kestrune {

namespace {

// One purchase kept: numbers to filter on, and where its line and folded information are.
struct Row {
  std::int64_t day = 0;  // YYYYMMDD
  Cents cents = 0;
  std::int32_t person = 0;
  std::uint32_t line_at = 0;  // the line, then its ISO date
  std::uint32_t line_size = 0;
  std::uint32_t date_size = 0;
  std::uint32_t info_at = 0;
  std::uint32_t info_size = 0;
};

// The purchases of one item file, newest first, as last read.
struct ItemFile {
  std::optional<FileStamp> stamp;  // taken before the file was read
  std::string lines;               // each purchase line followed by its ISO date
  std::string folded;              // the folded information texts, one after the other
  std::vector<Row> rows;
  std::uint64_t seen = 0;  // the last search that wanted the file

  std::string_view Line(const Row& row) const {
    return {lines.data() + row.line_at, row.line_size};
  }
  std::string_view Date(const Row& row) const {
    return {lines.data() + row.line_at + row.line_size, row.date_size};
  }
  std::string_view Info(const Row& row) const {
    return {folded.data() + row.info_at, row.info_size};
  }
};

// An item file to search, with the names it is found under.
struct Searched {
  std::string category;
  std::string item;
  const ItemFile* file;
};

// The request with its texts read: days as YYYYMMDD, words folded.
struct Filters {
  std::vector<std::string> words;
  std::optional<std::int64_t> from, to;
  std::optional<Cents> min_sum, max_sum;
  std::optional<std::int32_t> person;  // -1: a person no purchase has

  bool Admits(const Row& row) const {
    return (!from || row.day >= *from) && (!to || row.day <= *to) &&
           (!min_sum || row.cents >= *min_sum) && (!max_sum || row.cents <= *max_sum) &&
           (!person || row.person == *person);
  }
};

bool IsDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// The day of the purchase as YYYYMMDD, read as its page and the export read it.
std::int64_t DayOf(const PurchaseRecord& purchase) {
  return ParseCents(purchase.year) / 100 * 10000 + MonthNumber(purchase.month) * 100 +
         ParseCents(purchase.day) / 100;
}

// The request's day, or an InvalidArgument status naming the text.
Status ReadDay(const std::optional<std::string>& text, std::optional<std::int64_t>& day) {
  if (!text) return Status::Ok();
  const std::optional<int> parsed = ParseIsoDay(*text);
  if (!parsed) return Status::InvalidArgument("Not a date (YYYY-MM-DD): " + *text);
  day = *parsed;
  return Status::Ok();
}

// The purchases of an item file's text, newest first as the export lists them.
std::vector<PurchaseRecord> NewestFirst(std::string content) {
  std::vector<PurchaseRecord> purchases =
      ExpenseFile(std::move(content), kItemTotals).Purchases(kAllMonths);
  SortNewestFirst(purchases);
  return purchases;
}

std::uint32_t Size(std::string_view text) {
  return static_cast<std::uint32_t>(text.size());
}

std::uint32_t Append(std::string& to, std::string_view text) {
  const auto at = static_cast<std::uint32_t>(to.size());
  to += text;
  return at;
}

// Whether the file is surely as it was when `before` was taken.
bool Unchanged(const std::optional<FileStamp>& before, const std::optional<FileStamp>& now) {
  return before && now && before->settled && before->SameAs(*now);
}

bool HasAll(std::string_view text, const std::vector<std::string_view>& words) {
  for (std::string_view word : words) {
    if (text.find(word) == std::string_view::npos) return false;
  }
  return true;
}

FoundPurchase Found(const Searched& searched, const Row& row) {
  const std::string_view line = searched.file->Line(row);
  FoundPurchase found{searched.category,
                      searched.item,
                      ParsePurchaseLine(line),
                      std::string(line),
                      std::string(searched.file->Date(row)),
                      row.cents};
  return found;
}

// A purchase that passed the filters, and the file it is in.
using Match = std::pair<const Searched*, const Row*>;

// Adds the item file's purchases that pass the filters to `matches`.
void Collect(const Searched& searched, const Filters& filters, std::vector<Match>& matches) {
  const std::string category = FoldCase(searched.category);
  const std::string item = FoldCase(searched.item);
  std::vector<std::string_view> left;  // the words neither name holds
  for (const std::string& word : filters.words) {
    if (category.find(word) == std::string::npos && item.find(word) == std::string::npos) {
      left.push_back(word);
    }
  }
  for (const Row& row : searched.file->rows) {
    if (filters.Admits(row) && HasAll(searched.file->Info(row), left)) {
      matches.emplace_back(&searched, &row);
    }
  }
}

FindResult Listed(const std::vector<Match>& matches) {
  FindResult result;
  result.purchases.reserve(matches.size());
  for (const auto& [searched, row] : matches) {
    result.purchases.push_back(Found(*searched, *row));
    // Damaged sums read as huge ones; the total stays a number rather than overflow.
    result.sum = std::clamp(result.sum + row->cents, -kHugeCents * 4, kHugeCents * 4);
  }
  return result;
}

}  // namespace

struct PurchaseFinder::Kept {
  std::map<std::string, ItemFile> files;  // by item file path
  std::map<std::string, std::int32_t, std::less<>> person_ids;
  std::uint64_t searches = 0;

  // The number of a person's name, given the first time the name is met.
  std::int32_t PersonId(std::string_view person) {
    const auto found = person_ids.find(person);
    if (found != person_ids.end()) return found->second;
    const auto id = static_cast<std::int32_t>(person_ids.size());
    person_ids.emplace(std::string(person), id);
    return id;
  }

  // The item file as kept, read again first when it may have changed.
  Result<const ItemFile*> Current(FileSystem& fs, const std::string& path) {
    const std::optional<FileStamp> stamp = fs.Stamp(path);
    const auto kept = files.find(path);
    if (kept != files.end() && Unchanged(kept->second.stamp, stamp)) {
      kept->second.seen = searches;
      return {&kept->second};
    }
    ItemFile fresh;
    const Status read = Read(fs, path, fresh);
    if (!read.ok()) return Failed<const ItemFile*>(read);
    fresh.stamp = stamp;
    fresh.seen = searches;
    ItemFile& slot = files[path];
    slot = std::move(fresh);
    return {&slot};
  }

  // The purchases of the file; none when it is absent.
  Status Read(FileSystem& fs, const std::string& path, ItemFile& file) {
    std::string content;
    const Status read = fs.Read(path, content);
    if (read.IsNotFound()) return Status::Ok();
    if (!read.ok()) return read;
    for (const PurchaseRecord& purchase : NewestFirst(std::move(content))) Keep(purchase, file);
    return Status::Ok();
  }

  void Keep(const PurchaseRecord& purchase, ItemFile& file) {
    const std::string line = FormatPurchaseLine(purchase);
    const std::string date = IsoDate(purchase);
    const std::string info = FoldCase(purchase.information);
    Row row{DayOf(purchase), ParseCents(purchase.sum), PersonId(purchase.person)};
    row.line_at = Append(file.lines, line);
    Append(file.lines, date);
    row.line_size = Size(line);
    row.date_size = Size(date);
    row.info_at = Append(file.folded, info);
    row.info_size = Size(info);
    file.rows.push_back(row);
  }

  // The item files of the catalogue, each current; the kept files of no item are dropped.
  Status Gather(FileSystem& fs, const ExpenseDatabase& db, std::vector<Searched>& searched) {
    ++searches;
    for (const std::string& category : db.GetCategoryNames()) {
      for (const std::string& item : db.GetItemNames(category)) {
        Result<const ItemFile*> file = Current(fs, db.ItemFilePath(category, item));
        if (!file.ok()) return file.status;
        searched.push_back(Searched{category, item, file.value});
      }
    }
    std::erase_if(files, [&](const auto& kept) { return kept.second.seen != searches; });
    return Status::Ok();
  }
};

std::optional<int> ParseIsoDay(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const std::string_view year = text.substr(0, 4), month = text.substr(5, 2),
                         day = text.substr(8, 2);
  if (!IsDigits(year) || !IsDigits(month) || !IsDigits(day)) return std::nullopt;
  const int y = std::stoi(std::string(year)), m = std::stoi(std::string(month)),
            d = std::stoi(std::string(day));
  if (m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return std::nullopt;
  return y * 10000 + m * 100 + d;
}

PurchaseFinder::PurchaseFinder(FileSystem& fs) : fs_(fs), kept_(std::make_unique<Kept>()) {}

PurchaseFinder::~PurchaseFinder() = default;

std::size_t PurchaseFinder::KeptPurchases() const {
  std::size_t count = 0;
  for (const auto& [path, file] : kept_->files) count += file.rows.size();
  return count;
}

Result<FindResult> PurchaseFinder::Find(const ExpenseDatabase& db, const FindRequest& request) {
  Filters filters{{}, {}, {}, request.min_sum, request.max_sum, {}};
  Status status = ReadDay(request.from, filters.from);
  if (status.ok()) status = ReadDay(request.to, filters.to);
  if (!status.ok()) return Failed<FindResult>(status);
  for (const std::string& word : request.words) {
    if (!word.empty()) filters.words.push_back(FoldCase(word));
  }
  std::vector<Searched> searched;
  status = kept_->Gather(fs_, db, searched);
  if (!status.ok()) return Failed<FindResult>(status);
  if (request.person) {
    const auto id = kept_->person_ids.find(*request.person);
    filters.person = id == kept_->person_ids.end() ? -1 : id->second;
  }
  std::vector<Match> matches;
  for (const Searched& one : searched) Collect(one, filters, matches);
  return Result<FindResult>{Listed(matches)};
}

}  // namespace kestrune
