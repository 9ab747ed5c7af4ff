// What the integrity check and the editors learn of a category or item file's state: the
// first damage of its sections and every amount with its line.
#include <algorithm>

#include "database/catalogue_files.h"
#include "database/expense_file.h"
#include "database/month_keys.h"
#include "database/same_section.h"

namespace kestrune {
namespace {

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// "inf", "infinity" or "nan" (any case, signed, blanks around): numbers the C library reads
// that no amount may be.
bool IsNonFinite(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower == "inf" || lower == "infinity" || lower == "nan" ||
         (lower.starts_with("nan(") && lower.ends_with(")"));
}

// What is wrong with an amount text, or nothing.
std::optional<std::string> AmountFault(std::string_view text, bool (*sane)(Cents)) {
  const std::optional<Cents> value = ReadWholeCents(text);
  if (!value && IsNonFinite(text)) return Quoted(text) + " is not a finite number";
  if (!value) return Quoted(text) + " is not a number";
  if (!sane(*value)) return Quoted(text) + " is out of range";
  return std::nullopt;
}

std::optional<std::string> PurchaseFault(std::string_view line) {
  if (std::count(line.begin(), line.end(), '|') < 5) return "not a purchase line";
  const PurchaseRecord purchase = ParsePurchaseLine(line);
  if (!IsMonthKey(MonthKeyOf(purchase))) return "purchase without a month key";
  return AmountFault(purchase.sum, IsSaneSumCents);
}

std::optional<std::string> KeyFault(std::string_view key) {
  if (key == kAllMonths || IsMonthKey(key)) return std::nullopt;
  return Quoted(key) + " is not a month key";
}

}  // namespace

// Walks the parts in file order, counting lines, and stops at the first fault.
class ExpenseFile::FaultFinder {
 public:
  explicit FaultFinder(const ExpenseFile& file) : file_(file) {}

  std::optional<SectionFault> Run() {
    const bool category = SameSection(file_.totals_marks_, kCategoryTotals);
    for (std::size_t p = 0; p < file_.layout_.size() && !fault_; ++p) {
      const Piece& piece = file_.layout_[p];
      if (category && p < 2) {
        ++line_;
      } else if (piece.part == Part::kLine) {
        Outside(piece.line);
        ++line_;
      } else {
        SectionPiece(piece.part);
      }
    }
    return fault_;
  }

 private:
  void Fail(int line, std::string what) {
    if (!fault_) fault_ = SectionFault{line, std::move(what)};
  }
  void Fail(std::optional<std::string> what) {
    if (what) Fail(line_, std::move(*what));
  }

  SectionMarks Marks(Part part) const {
    if (part == Part::kTotals) return file_.totals_marks_;
    if (part == Part::kPersons) return kPersonTotals;
    return kPurchaseList;
  }

  // A plain line after the header: the file's own sections were taken by their first begin.
  void Outside(std::string_view line) {
    const bool item = SameSection(file_.totals_marks_, kItemTotals);
    for (Part part : {Part::kTotals, Part::kPersons, Part::kPurchases}) {
      if (part == Part::kPurchases && !item) break;
      const SectionMarks marks = Marks(part);
      if (line == marks.begin) return Fail(line_, Quoted(marks.begin) + " a second time");
      if (line == marks.end) {
        return Fail(line_, Quoted(marks.end) + " without " + Quoted(marks.begin));
      }
    }
    if (IsSectionLine(line)) return Fail(line_, Quoted(line) + " does not belong in this file");
    if (!line.empty()) Fail(line_, "a line outside every section");
  }

  void SectionPiece(Part part) {
    const int begin = line_++;
    if (part == Part::kItemList) {
      line_ += static_cast<int>(file_.items_.entries.size());
      if (!file_.items_.ended)
        Fail(begin, Quoted(kBeginItemList) + " without " + Quoted(kEndItemList));
      ++line_;
      return;
    }
    const SectionMarks marks = Marks(part);
    bool ended = false;
    if (part == Part::kPurchases) {
      for (std::string_view line : file_.PurchaseLines()) {
        if (fault_) break;
        if (!Content(line, marks)) Fail(PurchaseFault(line));
        ++line_;
      }
      ended = file_.purchases_.ended;
    } else {
      const Section& section = part == Part::kTotals ? file_.totals_ : file_.persons_;
      in_block_ = false;
      for (std::size_t e = 0; e < section.entries.size() && !fault_; ++e) {
        Entry(section.entries, e, part == Part::kPersons, marks);
      }
      ended = section.ended;
    }
    if (!ended) Fail(begin, Quoted(marks.begin) + " without " + Quoted(marks.end));
    ++line_;
  }

  // A foreign section line inside a section; true when it was one.
  bool Content(std::string_view line, SectionMarks marks) {
    if (!IsSectionLine(line)) return false;
    Fail(line_, Quoted(line) + " before " + Quoted(marks.end));
    return true;
  }

  void Entry(const std::vector<ExpenseFile::Entry>& entries, std::size_t e, bool persons,
             SectionMarks marks) {
    const ExpenseFile::Entry& entry = entries[e];
    if (Content(entry.line, marks)) return;
    const bool wants_amount = persons ? PersonsLine(entry.line) : KeyLine(entry.line);
    ++line_;
    if (fault_ || !wants_amount) return;
    if (entry.amount) {
      Fail(AmountFault(*entry.amount, IsSaneTotalCents));
      ++line_;
    } else if (e + 1 < entries.size()) {
      // The next line stood where the amount belongs.
      const std::string_view next = entries[e + 1].line;
      if (!Content(next, marks)) Fail(line_, Quoted(next) + " is not a number");
    } else if (persons ? file_.persons_.ended : file_.totals_.ended) {
      Fail(line_, "an amount is missing before " + Quoted(marks.end));
    }
  }

  bool KeyLine(std::string_view line) {
    Fail(KeyFault(line));
    return true;
  }

  bool PersonsLine(std::string_view line) {
    if (line.starts_with(kMonthPrefix)) {
      Fail(KeyFault(line.substr(kMonthPrefix.size())));
      in_block_ = true;
      return false;
    }
    if (!line.starts_with(kPersonPrefix)) {
      Fail(line_, "neither a \"month: \" nor a \"person: \" line");
    } else if (!in_block_) {
      Fail(line_, "a \"person: \" line before the first \"month: \" line");
    }
    return true;
  }

  const ExpenseFile& file_;
  int line_ = 1;
  bool in_block_ = false;
  std::optional<SectionFault> fault_;
};

std::optional<SectionFault> ExpenseFile::Fault() const {
  Complete();
  return FaultFinder(*this).Run();
}

void ExpenseFile::ReadTables(ExpenseTables& tables, AmountLines* where) const {
  Complete();
  int line = 1;
  auto count = [&](const Section& section) {
    for (const Entry& entry : section.entries) line += entry.amount ? 2 : 1;
  };
  for (const Piece& piece : layout_) {
    if (piece.part == Part::kLine) {
      ++line;
      continue;
    }
    ++line;  // the begin line
    if (piece.part == Part::kItemList) count(items_);
    if (piece.part == Part::kPurchases) line += static_cast<int>(PurchaseLines().size());
    std::string month;
    static const Section kNone;
    const Section& section = piece.part == Part::kTotals    ? totals_
                             : piece.part == Part::kPersons ? persons_
                                                            : kNone;
    for (const Entry& entry : section.entries) {
      line += entry.amount ? 2 : 1;
      if (piece.part == Part::kPersons && entry.line.starts_with(kMonthPrefix)) {
        month = entry.line.substr(kMonthPrefix.size());
      }
      if (!entry.amount) continue;
      const Cents amount = ParseCents(*entry.amount);
      if (piece.part == Part::kTotals) {
        tables.months[std::string(entry.line)] = amount;
        if (where) where->months[std::string(entry.line)] = line - 1;
      } else if (entry.line.starts_with(kPersonPrefix)) {
        const std::string person(entry.line.substr(kPersonPrefix.size()));
        tables.persons[month][person] = amount;
        if (where) where->persons[{month, person}] = line - 1;
      }
    }
    ++line;  // the end line (counted also when missing: nothing follows then)
  }
}

}  // namespace kestrune
