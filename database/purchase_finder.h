#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/amounts.h"
#include "database/expense_database.h"
#include "database/file_system.h"
#include "database/records.h"
#include "database/result.h"

namespace kestrune {

// What to look for. Every filter that is set must hold; an empty request finds every
// purchase of the book.
struct FindRequest {
  // Each word must occur somewhere in the category's name, the item's name or the purchase's
  // information (a word may be in one and the next word in another). Letters are compared
  // without case (FoldCase in text_fold.h): "é" finds "É" but not "e". Empty words match
  // everything.
  std::vector<std::string> words = {};
  // The purchase's person exactly as written, or "for all"; nothing for every person.
  std::optional<std::string> person = {};
  // The first and the last day, both included, as "YYYY-MM-DD" (see ParseIsoDay).
  std::optional<std::string> from = {};
  std::optional<std::string> to = {};
  // The smallest and the largest sum, both included, in exact cents.
  std::optional<Cents> min_sum = {};
  std::optional<Cents> max_sum = {};
};

// One purchase found.
struct FoundPurchase {
  std::string category;
  std::string item;
  PurchaseRecord purchase;
  // The purchase line as the item file holds it (the six fields joined by "|"): what
  // ExpenseDatabase::DeletePurchase and ReplacePurchase take. A damaged line of fewer than six
  // fields is given with its missing fields added empty.
  std::string line;
  std::string date;  // "YYYY-MM-DD" of the purchase's year, month name and day
  Cents cents = 0;   // the purchase's sum
};

// What a search found: the purchases in the order the export lists them (categories in name
// order, each category's items in list order, each item's purchases newest first, those of
// one day as the item page lists them), their count and their exact sum.
struct FindResult {
  std::vector<FoundPurchase> purchases;
  Cents sum = 0;

  std::size_t count() const { return purchases.size(); }
};

// The day of "YYYY-MM-DD" (four-digit year, a real month and day of that month) as the
// number YYYYMMDD; nothing for any other text.
std::optional<int> ParseIsoDay(std::string_view text);

// Searches the purchases of a book and keeps them in memory between searches, so that only
// the first search reads every item file.
//
// Keeping in step: each search takes the categories and items from the catalogue of the
// database it is given, and asks the disk for each item file's stamp (FileSystem::Stamp: its
// identity, size and modification and change times). An item file is read again when its
// stamp differs from the one taken before it was last read, when that stamp was taken too
// soon after the file's last change to tell a later change of the same size apart, or when
// the disk gives no stamp. So changes made by this process, the command line or the household
// server are all seen, and a renamed or moved item is read under its new path. Files no
// longer in the catalogue are forgotten.
//
// Threading: a finder is used by one thread at a time; it may move to another thread between
// searches. The database given to Find must not change while the search runs, so a thread
// other than the database's owner searches on an ExpenseDatabase::Snapshot() taken for it
// (one snapshot per search, or kept while the catalogue does not change). The file system must
// be usable from that thread (PosixFileSystem is).
class PurchaseFinder {
 public:
  // Reads through `fs`, which must be the disk the searched databases work on and must
  // outlive the finder.
  explicit PurchaseFinder(FileSystem& fs);
  PurchaseFinder(const PurchaseFinder&) = delete;
  PurchaseFinder& operator=(const PurchaseFinder&) = delete;
  ~PurchaseFinder();

  // The purchases of `db`'s book that match `request`. Writes nothing. An item file that is
  // absent, or has no purchase list, holds no purchases. Fails with InvalidArgument for a
  // date that is not "YYYY-MM-DD" ("Not a date (YYYY-MM-DD): TEXT"), and with the file's
  // message ("Can't read PATH: REASON") when an item file exists but cannot be read; the
  // purchases kept from earlier searches stay for the next one.
  Result<FindResult> Find(const ExpenseDatabase& db, const FindRequest& request);

  // How many purchases are kept in memory (for measuring).
  std::size_t KeptPurchases() const;

 private:
  struct Kept;
  FileSystem& fs_;
  std::unique_ptr<Kept> kept_;  // the purchases of each item file read so far
};

}  // namespace kestrune
