#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/amount_tables.h"
#include "database/amounts.h"
#include "database/records.h"
#include "database/sections.h"

namespace kestrune {

// One purchase's effect on the running totals.
struct TotalsChange {
  std::string month_key;
  std::string person;
  Cents delta = 0;
  // When set, missing entries are created with this amount text: the month's and "all
  // months" pairs at the end of the totals, the person's pair at the end of the month's and
  // the "all months" blocks, and missing blocks at the end of the person totals.
  std::optional<std::string> create_with;
};

// A category file (its name, information and item list, then the expense sections) or an
// item file (the expense sections only), read once into its parts: the item list, the totals
// section (month key and amount pairs), the person totals ("month: KEY" blocks of
// "person: NAME" and amount pairs) and, in item files, the purchase list. Every other line is
// kept where it stood, so Format gives back the file's lines unchanged (each ended by "\n")
// and edits change only what they name. Amount lines keep their text until an edit writes
// them ("%5.2f"). Reading stops after the totals and goes on only as far as a question needs:
// the person totals, then what follows the purchase list (none of the totals need it).
//
// A damaged file is read as far as it goes: the first section of each kind counts, later
// ones are kept as plain lines; a key or person line is paired with the next line unless that
// is a section line, a "month: " or "person: " line or missing (it then reads 0). Fault()
// tells the first damage. The purchase list is split into lines only when asked for.
class ExpenseFile {
 public:
  // `totals` is kCategoryTotals for a category file, kItemTotals for an item file.
  ExpenseFile(std::string content, SectionMarks totals);

  // The file's text: every line followed by "\n".
  std::string Format() const;
  // The text the file was read from.
  const std::string& text() const { return *content_; }

  // The first fault of the section structure against what the writers make: a section
  // doubled, opened inside another or left without its end, an end without its begin, a
  // non-blank line outside the sections, a key that is no month key, an amount that is not
  // a sane total, a purchase line without six fields, a month key or a sane sum. Line
  // numbers count from 1.
  std::optional<SectionFault> Fault() const;

  // Whether the file has the section (its begin line, as the first of its kind).
  bool Has(SectionMarks section) const;
  // The amount of the last pair of `key` in the totals section; 0 when there is none.
  Cents MonthTotal(std::string_view key) const;
  // The persons of the block(s) "month: KEY" with their amounts, in file order: where a
  // person comes twice the later counts.
  std::vector<std::pair<std::string_view, Cents>> PersonAmounts(std::string_view key) const;
  // The purchases of month `key` (all of them for "all months") in file order.
  std::vector<PurchaseRecord> Purchases(std::string_view key) const;
  // Every amount of the totals and person totals into `tables`; `where`, when given, gets
  // the line of each.
  void ReadTables(ExpenseTables& tables, AmountLines* where = nullptr) const;

  // Appends the section, empty, when the file lacks it.
  void EnsureSection(SectionMarks section);
  // Adds the change to the month's and "all months" amounts and to the person's amounts in
  // their blocks, creating what is missing when `create_with` is set.
  void ChangeTotals(const TotalsChange& change);
  // The purchase becomes the first line of the purchase list (when there is one).
  void InsertPurchase(const PurchaseRecord& purchase);
  // Removes the first purchase line that holds exactly this purchase; false when none does.
  bool RemovePurchase(const PurchaseRecord& purchase);
  // Takes month `key` out: its totals pair, its person block and its purchases go, and the
  // "all months" amounts lose its total and, for each of `persons`, the person's amount.
  void DropMonth(std::string_view key, const std::vector<std::string>& persons);
  // Empties the totals, person totals and purchase list, keeping their begin and end lines.
  void EmptySections();
  // Every amount gains `sign` times the tables' amount for its place (each one rewritten).
  void ShiftAmounts(const ExpenseTables& tables, int sign);
  // Every amount becomes the tables' amount for its place (0 where they have none).
  void SetAmounts(const ExpenseTables& tables);
  // Adds an entry with the amount "0" for every amount of the tables the file lacks: month
  // pairs at the end of the totals, persons at the end of their block, missing blocks at the
  // end of the person totals.
  void MakeRoom(const ExpenseTables& tables);
  // The totals lose the person's amounts (from `tables`), the person's entries leave every
  // block and the person's purchases leave the list.
  void RemovePerson(const std::string& person, const ExpenseTables& tables);
  // Renames the person in the person totals and in the purchase lines.
  void RenamePerson(const std::string& old_name, const std::string& new_name);

  // Appends at the end of its section (which must be there) as a whole file written at once
  // has it: a month key and amount pair of the totals, a "month: KEY" block of the person
  // totals, a person and amount pair to the last block, a purchase line to the list.
  void AppendMonthTotal(const std::string& key, Cents amount);
  void AppendBlock(const std::string& key);
  void AppendPersonTotal(const std::string& person, Cents amount);
  void AppendPurchase(const PurchaseRecord& purchase);

  // Category files: replaces header line `index` (0 the name, 1 the information), adding
  // " " lines up to it.
  void SetHeaderLine(std::size_t index, const std::string& text);
  // Category files: the item line becomes the first of the item list; a file without one
  // gets an item list as its third line.
  void InsertItemLine(const std::string& item_line);
  // Category files: drops every item line that names the item.
  void DropItem(const std::string& item);

 private:
  enum class Part : std::uint8_t { kLine, kItemList, kTotals, kPersons, kPurchases };
  struct Piece {
    Part part;
    std::string_view line;  // kLine only
  };
  // A line of a section and, for a key or person line, the amount line after it.
  struct Entry {
    std::string_view line;
    std::optional<std::string_view> amount;
  };
  struct Section {
    bool present = false;
    bool ended = false;
    std::vector<Entry> entries;
  };
  // The purchase list: its text between the begin and end lines until first edited, its
  // lines from then on.
  struct PurchaseList {
    bool present = false;
    bool ended = false;
    bool split = false;
    std::string_view text;
    std::vector<std::string_view> lines;
  };
  class Parser;
  class FaultFinder;

  std::string_view Own(std::string text);
  void Shift(Entry& entry, Cents delta);
  void SplitPurchases();
  // The purchase list's lines, split or not.
  std::vector<std::string_view> PurchaseLines() const;
  void RewriteAmounts(const ExpenseTables& tables, Cents old_weight, Cents table_weight);
  void EraseBlock(std::string_view key);
  void AppendSection(Part part, Section& section);
  // Reads on where the reading stopped: up to the person totals (ReadPersons) or to the end
  // (Complete, which every part but the totals and the person totals needs).
  void ReadPersons() const;
  void Complete() const;
  Section* SectionOf(SectionMarks marks);
  const Section* SectionOf(SectionMarks marks) const;

  std::unique_ptr<const std::string> content_;  // the views point into it and into owned_
  std::deque<std::string> owned_;               // texts the edits made
  SectionMarks totals_marks_;
  // The parts, filled in by Complete() (so also when reading) where the reading stopped.
  mutable std::vector<Piece> layout_;
  mutable Section items_, totals_, persons_;
  mutable PurchaseList purchases_;
  mutable std::optional<std::size_t> rest_;  // where the reading stopped
  mutable bool persons_read_ = false;        // it stopped at a purchase list after both totals
};

}  // namespace kestrune
