#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "database/file_system.h"
#include "database/records.h"
#include "database/status.h"

namespace kestrune {

// A made-up household book of any size, for measuring: the same shape and seed always give
// the same book, byte for byte.

// How big the book is.
struct BookShape {
  int categories = 20;
  int items = 25;  // per category
  int persons = 4;
  int months = 120;  // ending with the last month below, the oldest first
  std::int64_t purchases = 100000;
  std::uint64_t seed = 1;
};

// The newest month of every generated book.
inline constexpr int kGeneratedLastYear = 2024;
inline constexpr int kGeneratedLastMonth = 12;

// The largest shape the generator takes: the oldest month stays after the year 1000.
inline constexpr int kMostGeneratedMonths = 12000;

// One purchase of the book, kept small: a million of them fit in memory.
struct GeneratedPurchase {
  std::int32_t category = 0;  // position in GeneratedBook::categories
  std::int32_t item = 0;      // position in that category's items
  std::int32_t month = 0;     // 0 is the oldest month of the book
  std::int16_t day = 1;
  std::int16_t person = -1;  // position in GeneratedBook::persons; -1 is "for all"
  std::int32_t note = 0;     // which purchase note
  std::int64_t cents = 0;
};

// The catalogue and the purchases of a book, in the order the normal operations would
// enter them: categories and persons in list order, each category's items from the last to
// the first (so its file lists them first to last), purchases oldest first, each month's
// by day. Items are bought unevenly: the first item of the first category most often.
struct GeneratedBook {
  BookShape shape;
  std::vector<CategoryRecord> categories;
  std::vector<PersonRecord> persons;
  std::vector<GeneratedPurchase> purchases;
};

// Draws the book. Assumes a shape checked by CheckBookShape.
GeneratedBook GenerateBook(const BookShape& shape);

// Why the shape cannot be generated; empty when it can.
std::string CheckBookShape(const BookShape& shape);

// A month of the book (0 is the oldest) on the calendar, and as a month key ("2015 January").
struct CalendarMonth {
  int year = kGeneratedLastYear;
  int number = kGeneratedLastMonth;  // 1 January ... 12 December
};
CalendarMonth CalendarMonthOf(const BookShape& shape, int month);
std::string GeneratedMonthKey(const BookShape& shape, int month);

// The information text of a purchase note.
std::string GeneratedNote(int note);

// The purchase as its purchase line holds it.
PurchaseRecord RecordOf(const GeneratedBook& book, const GeneratedPurchase& purchase);

// Every file of the book as the normal operations leave them after entering the catalogue
// and recording the purchases in order: path relative to the database folder -> content.
std::map<std::string, std::string> BookFiles(const GeneratedBook& book);

// Writes the book's files into the database folder (made when missing) through `fs`, the
// index files last, so an interrupted write leaves no catalogue naming a missing file.
[[nodiscard]] Status WriteBook(FileSystem& fs, const std::string& database_folder,
                               const GeneratedBook& book);

}  // namespace kestrune
