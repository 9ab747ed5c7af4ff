#include "database/sections.h"

#include <algorithm>
#include <cmath>

#include "database/amounts.h"
#include "database/catalogue_files.h"
#include "database/month_keys.h"
#include "database/text_lines.h"

namespace kestrune {

std::string FormatPurchaseLine(const PurchaseRecord& p) {
  return p.year + "|" + p.month + "|" + p.day + "|" + p.person + "|" + p.information + "|" + p.sum;
}

PurchaseRecord ParsePurchaseLine(std::string_view line) {
  std::string* fields[5];
  PurchaseRecord record;
  fields[0] = &record.year;
  fields[1] = &record.month;
  fields[2] = &record.day;
  fields[3] = &record.person;
  fields[4] = &record.information;
  for (std::string* field : fields) {
    const auto bar = line.find('|');
    if (bar == std::string_view::npos) {
      *field = std::string(line);
      return record;
    }
    *field = std::string(line.substr(0, bar));
    line.remove_prefix(bar + 1);
  }
  record.sum = std::string(line);
  return record;
}

std::string MonthKeyOf(const PurchaseRecord& purchase) {
  return MakeMonthKey(purchase.year, purchase.month);
}

bool IsSectionLine(std::string_view line) {
  for (const SectionMarks& marks : {kCategoryTotals, kItemTotals, kPersonTotals, kPurchaseList}) {
    if (line == marks.begin || line == marks.end) return true;
  }
  return false;
}

bool AmountFollows(const std::vector<std::string>& lines, std::size_t at, const char* end) {
  if (at + 1 >= lines.size() || IsSectionLine(lines[at])) return false;
  const std::string& next = lines[at + 1];
  return next != end && !IsSectionLine(next) && !next.starts_with(kMonthPrefix) &&
         !next.starts_with(kPersonPrefix);
}

namespace {

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// What is wrong with an amount text, or nothing.
std::optional<std::string> AmountFault(std::string_view text, bool (*sane)(double)) {
  const std::optional<double> value = ReadWholeAmount(text);
  if (!value) return Quoted(text) + " is not a number";
  if (!std::isfinite(*value)) return Quoted(text) + " is not a finite number";
  if (!sane(*value)) return Quoted(text) + " is out of range";
  return std::nullopt;
}

std::optional<std::string> PurchaseFault(std::string_view line) {
  if (std::count(line.begin(), line.end(), '|') < 5) return "not a purchase line";
  const PurchaseRecord purchase = ParsePurchaseLine(line);
  if (!IsMonthKey(MonthKeyOf(purchase))) return "purchase without a month key";
  return AmountFault(purchase.sum, IsSaneSum);
}

std::optional<std::string> KeyFault(std::string_view key) {
  if (key == kAllMonths || IsMonthKey(key)) return std::nullopt;
  return Quoted(key) + " is not a month key";
}

// Walks a file's lines for FindSectionFault.
class SectionChecker {
 public:
  SectionChecker(const std::vector<std::string>& lines, SectionMarks totals)
      : lines_(lines), totals_(totals), allowed_{totals, kPersonTotals, kPurchaseList} {
    allowed_count_ = std::string_view(totals.begin) == kBeginItemTotals ? 3 : 2;
  }

  std::optional<SectionFault> Run() {
    for (i_ = FirstSectionLine(); i_ < lines_.size() && !fault_; ++i_) See(lines_[i_]);
    if (!fault_ && open_ != nullptr) {
      Fail(open_line_, Quoted(open_->begin) + " without " + Quoted(open_->end));
    }
    return fault_;
  }

 private:
  void Fail(std::size_t at, std::string what) {
    if (!fault_) fault_ = SectionFault{static_cast<int>(at) + 1, std::move(what)};
  }
  void Fail(std::optional<std::string> what) {
    if (what) Fail(i_, std::move(*what));
  }

  // Past a category file's name, information and item list.
  std::size_t FirstSectionLine() {
    if (std::string_view(totals_.begin) != kBeginCategoryTotals) return 0;
    if (lines_.size() < 3 || lines_[2] != kBeginItemList) return 2;
    const auto end = std::find(lines_.begin() + 3, lines_.end(), kEndItemList);
    if (end == lines_.end()) Fail(2, Quoted(kBeginItemList) + " without " + Quoted(kEndItemList));
    return static_cast<std::size_t>(end - lines_.begin()) + 1;
  }

  const SectionMarks* Kind(const std::string& line, bool begin) const {
    for (int s = 0; s < allowed_count_; ++s) {
      if (line == (begin ? allowed_[s].begin : allowed_[s].end)) return &allowed_[s];
    }
    return nullptr;
  }

  void See(const std::string& line) {
    if (open_ != nullptr && line == open_->end) {
      if (amount_next_) Fail(i_, "an amount is missing before " + Quoted(line));
      open_ = nullptr;
    } else if (open_ != nullptr && IsSectionLine(line)) {
      Fail(i_, Quoted(line) + " before " + Quoted(open_->end));
    } else if (open_ != nullptr) {
      Content(line);
    } else if (const SectionMarks* section = Kind(line, true)) {
      Open(section);
    } else if (const SectionMarks* section = Kind(line, false)) {
      Fail(i_, Quoted(line) + " without " + Quoted(section->begin));
    } else if (IsSectionLine(line)) {
      Fail(i_, Quoted(line) + " does not belong in this file");
    } else if (!line.empty()) {
      Fail(i_, "a line outside every section");
    }
  }

  void Open(const SectionMarks* section) {
    const std::size_t s = static_cast<std::size_t>(section - allowed_);
    if (seen_[s]) Fail(i_, Quoted(section->begin) + " a second time");
    seen_[s] = true;
    open_ = section;
    open_line_ = i_;
    amount_next_ = in_block_ = false;
  }

  void Content(const std::string& line) {
    if (amount_next_) {
      amount_next_ = false;
      Fail(AmountFault(line, IsSaneTotal));
    } else if (open_ == &allowed_[2]) {
      Fail(PurchaseFault(line));
    } else if (open_ == &allowed_[1]) {
      PersonsLine(line);
    } else {
      Fail(KeyFault(line));
      amount_next_ = true;
    }
  }

  void PersonsLine(const std::string& line) {
    if (line.starts_with(kMonthPrefix)) {
      Fail(KeyFault(std::string_view(line).substr(kMonthPrefix.size())));
      in_block_ = true;
    } else if (!line.starts_with(kPersonPrefix)) {
      Fail(i_, "neither a \"month: \" nor a \"person: \" line");
    } else if (!in_block_) {
      Fail(i_, "a \"person: \" line before the first \"month: \" line");
    } else {
      amount_next_ = true;
    }
  }

  const std::vector<std::string>& lines_;
  SectionMarks totals_;
  const SectionMarks allowed_[3];
  int allowed_count_ = 2;
  bool seen_[3] = {};
  const SectionMarks* open_ = nullptr;
  std::size_t open_line_ = 0;
  std::size_t i_ = 0;
  bool amount_next_ = false;
  bool in_block_ = false;
  std::optional<SectionFault> fault_;
};

}  // namespace

std::optional<SectionFault> FindSectionFault(const std::vector<std::string>& lines,
                                             SectionMarks totals) {
  return SectionChecker(lines, totals).Run();
}

std::string NewItemTotalsFile() {
  return JoinLines({kBeginItemTotals, kEndItemTotals, kBeginPersonTotals, kEndPersonTotals});
}

std::string NewItemFile() {
  return JoinLines({kBeginItemTotals, kEndItemTotals, kBeginPersonTotals, kEndPersonTotals,
                    kBeginPurchaseList, kEndPurchaseList});
}

std::string AppendEmptySection(const std::string& content, SectionMarks section) {
  return content + "\n" + section.begin + "\n" + section.end;
}

MonthTotalScan ScanMonthTotal(const std::vector<std::string>& lines, SectionMarks section,
                              std::string_view key) {
  MonthTotalScan scan;
  bool ended = false;
  bool take_next = false;
  for (const std::string& line : lines) {
    if (take_next) {
      scan.amount = ParseCents(line);
      take_next = false;
    }
    if (line == section.begin) scan.section_found = true;
    if (line == section.end) ended = true;
    if (scan.section_found && !ended && line == key) take_next = true;
  }
  return scan;
}

bool ScanPersonTotals(const std::vector<std::string>& lines, std::string_view key,
                      PersonTotals& totals) {
  const std::string wanted_block = std::string(kMonthPrefix) + std::string(key);
  bool inside = false, ended = false, in_month = false, take_next = false;
  std::string person;
  for (const std::string& line : lines) {
    if (take_next) {
      if (auto found = totals.find(person); found != totals.end()) {
        found->second = ParseCents(line);
      }
      take_next = false;
    }
    if (inside && in_month && !ended && line.starts_with(kPersonPrefix)) {
      person = line.substr(kPersonPrefix.size());
      take_next = true;
    }
    if (line.starts_with(kMonthPrefix) && line != wanted_block) in_month = false;
    if (line == wanted_block) in_month = true;
    if (line == kBeginPersonTotals) inside = true;
    if (line == kEndPersonTotals) ended = true;
  }
  return inside;
}

bool ScanPurchases(const std::vector<std::string>& lines, std::string_view key,
                   std::vector<PurchaseRecord>& purchases) {
  bool inside = false, ended = false;
  const bool all_months = key == kAllMonths;
  for (const std::string& line : lines) {
    if (inside && !ended && line != kEndPurchaseList) {
      PurchaseRecord record = ParsePurchaseLine(line);
      if (all_months || MonthKeyOf(record) == key) purchases.push_back(std::move(record));
    }
    if (line == kBeginPurchaseList) inside = true;
    if (line == kEndPurchaseList) ended = true;
  }
  return inside;
}

}  // namespace kestrune
