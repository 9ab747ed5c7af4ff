#pragma once

#include <string>

#include "database/expense_database.h"
#include "database/file_system.h"
#include "database/result.h"
#include "database/status.h"

namespace kestrune {

// The five report pages. Each is one HTML document on a single line, made of the frame of
// page_pieces.h around what the page lists; user text is escaped and link targets encoded
// (html_text.h), so a name without "&", "<", ">", "\"" or URL-special characters is written
// exactly as it is stored.
//
// `month_position` is a position in the months array, -1 for all months; it must be below
// the number of months. Building a page reads the catalogue and the data files through the
// queries of `db` and writes nothing; a file that cannot be read fails the page with the
// first such failure.
//
// Amounts a person spent add to the person's own amount an equal share of what was bought
// "for all": that amount divided by the number of persons, rounded half away from zero to
// the cent (no share when there are none). A person's total shares the sum of the
// household's amounts, so it rounds once.

// One item with its purchases, sorted by month number and day, largest first (the year is
// not compared, so December of any year comes before January).
Result<std::string> ItemPageText(const ExpenseDatabase& db, const std::string& category,
                                 const std::string& item, int month_position);
// One category with its items and their totals.
Result<std::string> CategoryPageText(const ExpenseDatabase& db, const std::string& category,
                                     int month_position);
// One person with what they spent per category.
Result<std::string> PersonPageText(const ExpenseDatabase& db, const std::string& person,
                                   int month_position);
// One person with what they spent per item; each row links to the item's category.
Result<std::string> PersonItemsPageText(const ExpenseDatabase& db, const std::string& person,
                                        int month_position);
// Every item of every category with its total.
Result<std::string> ItemStatisticsPageText(const ExpenseDatabase& db, int month_position);

// The message of a page file that cannot be written.
inline constexpr const char* kPageFileError = "Ups! Cant open data file";

// Replaces the page file at `page_path` with `page` in one atomic write through `fs`. A failed
// write leaves the old file and returns kPageFileError.
Status WritePageFile(FileSystem& fs, const std::string& page_path, const std::string& page);

// Writes `page` to `path`, a file the user named, with ReplaceNamedFile (named_file.h): only
// an absent path, a regular file or a link to one is replaced. A refusal or a failed write
// returns kPageFileError followed by ": " and the reason, and leaves what was there.
Status WriteNamedPageFile(FileSystem& fs, const std::string& path, const std::string& page);

// The writers: each builds its page and writes it with WritePageFile; a page that cannot be
// built returns its failure and writes nothing.
Status WriteItemPage(const ExpenseDatabase& db, FileSystem& fs, const std::string& page_path,
                     const std::string& category, const std::string& item, int month_position);
Status WriteCategoryPage(const ExpenseDatabase& db, FileSystem& fs, const std::string& page_path,
                         const std::string& category, int month_position);
Status WritePersonPage(const ExpenseDatabase& db, FileSystem& fs, const std::string& page_path,
                       const std::string& person, int month_position);
Status WritePersonItemsPage(const ExpenseDatabase& db, FileSystem& fs, const std::string& page_path,
                            const std::string& person, int month_position);
Status WriteItemStatisticsPage(const ExpenseDatabase& db, FileSystem& fs,
                               const std::string& page_path, int month_position);

}  // namespace kestrune
