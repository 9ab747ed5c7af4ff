#pragma once

#include <string>
#include <vector>

#include "database/expense_tables.h"
#include "database/records.h"
#include "database/sections.h"

namespace kestrune {

// Line edits of category, item and person files for the catalogue's maintenance. Lines an
// edit does not name stay unchanged and in place; amounts are written "%5.2f".

// Adds the item line as the first of the item list; a file without an item list gets one
// (before its third line, or at the end of a shorter file).
std::vector<std::string> InsertItemLine(std::vector<std::string> lines,
                                        const std::string& item_line);

// Drops every line of the item list that names the item.
std::vector<std::string> DropItemLines(const std::vector<std::string>& lines,
                                       const std::string& item);

// Every amount after a month key of the totals section gains sign * the tables' amount for
// that key, every amount after a "person: " line sign * the tables' amount for the block's
// month and that person. Each such amount line is rewritten, also when nothing is added.
std::vector<std::string> ShiftAmounts(const std::vector<std::string>& lines, SectionMarks totals,
                                      const ExpenseTables& tables, double sign);

// Every amount line of the totals and person totals sections is set to the tables' amount
// for its place (0 where the tables have none).
std::vector<std::string> SetAmounts(const std::vector<std::string>& lines, SectionMarks totals,
                                    const ExpenseTables& tables);

// Makes a line for every amount of the tables the file lacks, with the amount "0": missing
// month pairs before the totals' end line, missing persons at the end of their month's block,
// missing blocks (with all their persons) before the person totals' end line.
std::vector<std::string> MakeRoom(const std::vector<std::string>& lines, SectionMarks totals,
                                  const ExpenseTables& tables);

// Takes a person out: the totals lose the person's amount of each month (read from
// `tables`), the person's pairs leave every block, and the person's purchases leave the list.
std::vector<std::string> RemovePerson(const std::vector<std::string>& lines, SectionMarks totals,
                                      const std::string& person, const ExpenseTables& tables);

// Renames the person in every "person: " line and in the person field of purchase lines.
std::vector<std::string> RenamePerson(const std::vector<std::string>& lines,
                                      const std::string& old_name, const std::string& new_name);

// Replaces line `index` of a header (category or person file), adding lines up to it.
void SetHeaderLine(std::vector<std::string>& lines, std::size_t index, const std::string& text);

// Replaces every line equal to `old_name` (index files); `new_name` empty drops them.
std::vector<std::string> ReplaceIndexLines(const std::vector<std::string>& lines,
                                           const std::string& old_name,
                                           const std::string& new_name);

}  // namespace kestrune
