#include "database/section_edits.h"

#include <algorithm>

#include "database/amounts.h"
#include "database/month_keys.h"

namespace kestrune {
namespace {

bool IsMonthLine(const std::string& line) {
  return line.starts_with(kMonthPrefix);
}

std::string MonthLine(const std::string& key) {
  return std::string(kMonthPrefix) + key;
}

std::string PersonLine(const std::string& person) {
  return std::string(kPersonPrefix) + person;
}

std::string Shifted(const std::string& amount_line, double delta) {
  return FormatFileAmount(ParseAmount(amount_line) + delta);
}

// Walks one file's lines for ChangeTotals.
class TotalsEditor {
 public:
  TotalsEditor(const std::vector<std::string>& lines, SectionMarks totals,
               const TotalsChange& change)
      : lines_(lines), totals_(totals), change_(change) {}

  std::vector<std::string> Run() {
    for (i_ = 0; i_ < lines_.size(); ++i_) {
      const std::string& line = lines_[i_];
      if (in_totals_) {
        TotalsLine(line);
      } else if (in_persons_) {
        PersonsLine(line);
      } else {
        in_totals_ = line == totals_.begin;
        in_persons_ = line == kBeginPersonTotals;
        out_.push_back(line);
      }
    }
    return std::move(out_);
  }

 private:
  // Keeps the key line and shifts the amount after it; true when it did.
  bool ShiftPair(const char* end) {
    out_.push_back(lines_[i_]);
    if (!AmountFollows(lines_, i_, end)) return false;
    out_.push_back(Shifted(lines_[++i_], change_.delta));
    return true;
  }

  // Appends a missing entry: `heads` followed by the amount text, when creating at all.
  void Create(bool missing, std::initializer_list<std::string> heads) {
    if (!missing || !change_.create_with) return;
    for (const std::string& line : heads) out_.push_back(line);
    out_.push_back(*change_.create_with);
  }

  void TotalsLine(const std::string& line) {
    if (line == totals_.end) {
      Create(!all_found_, {std::string(kAllMonths)});
      Create(!key_found_, {change_.month_key});
      out_.push_back(line);
      in_totals_ = false;
    } else if (line == kAllMonths) {
      all_found_ = ShiftPair(totals_.end) || all_found_;
    } else if (line == change_.month_key) {
      key_found_ = ShiftPair(totals_.end) || key_found_;
    } else {
      out_.push_back(line);
    }
  }

  void CloseBlock() {
    Create(wanted_block_ && !person_found_, {PersonLine(change_.person)});
    wanted_block_ = false;
  }

  void PersonsLine(const std::string& line) {
    if (IsMonthLine(line) || line == kEndPersonTotals) CloseBlock();
    if (line == kEndPersonTotals) {
      Create(!all_block_, {MonthLine(std::string(kAllMonths)), PersonLine(change_.person)});
      Create(!key_block_, {MonthLine(change_.month_key), PersonLine(change_.person)});
      out_.push_back(line);
      in_persons_ = false;
    } else if (IsMonthLine(line)) {
      const std::string key = line.substr(kMonthPrefix.size());
      wanted_block_ = key == kAllMonths || key == change_.month_key;
      all_block_ = all_block_ || key == kAllMonths;
      key_block_ = key_block_ || key == change_.month_key;
      person_found_ = false;
      out_.push_back(line);
    } else if (wanted_block_ && line == PersonLine(change_.person)) {
      person_found_ = ShiftPair(kEndPersonTotals) || person_found_;
    } else {
      out_.push_back(line);
    }
  }

  const std::vector<std::string>& lines_;
  SectionMarks totals_;
  const TotalsChange& change_;
  std::vector<std::string> out_;
  std::size_t i_ = 0;
  bool in_totals_ = false, in_persons_ = false;
  bool all_found_ = false, key_found_ = false;
  bool wanted_block_ = false, person_found_ = false, all_block_ = false, key_block_ = false;
};

}  // namespace

std::vector<std::string> ChangeTotals(const std::vector<std::string>& lines, SectionMarks totals,
                                      const TotalsChange& change) {
  return TotalsEditor(lines, totals, change).Run();
}

std::vector<std::string> DropMonth(const std::vector<std::string>& lines, SectionMarks totals,
                                   const std::string& month_key, double month_total,
                                   const PersonTotals& month_persons) {
  std::vector<std::string> out;
  bool in_totals = false, in_persons = false, in_purchases = false;
  bool dropped_block = false, all_block = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (in_totals && line == month_key) {
      if (AmountFollows(lines, i, totals.end)) ++i;
      continue;
    }
    if (in_totals && line == kAllMonths && AmountFollows(lines, i, totals.end)) {
      out.push_back(line);
      out.push_back(Shifted(lines[++i], -month_total));
      continue;
    }
    if (in_persons && IsMonthLine(line)) {
      dropped_block = line == MonthLine(month_key);
      all_block = line == MonthLine(std::string(kAllMonths));
      if (dropped_block) continue;
    }
    if (in_persons && line == kEndPersonTotals) dropped_block = all_block = false;
    if (dropped_block) continue;
    if (in_persons && all_block && line.starts_with(kPersonPrefix) &&
        AmountFollows(lines, i, kEndPersonTotals)) {
      const auto found = month_persons.find(line.substr(kPersonPrefix.size()));
      out.push_back(line);
      const double taken = found == month_persons.end() ? 0.0 : CentsToUnits(found->second);
      out.push_back(found == month_persons.end() ? lines[i + 1] : Shifted(lines[i + 1], -taken));
      ++i;
      continue;
    }
    if (in_purchases && line != kEndPurchaseList &&
        MonthKeyOf(ParsePurchaseLine(line)) == month_key) {
      continue;
    }
    if (line == totals.begin) in_totals = true;
    if (line == totals.end) in_totals = false;
    if (line == kBeginPersonTotals) in_persons = true;
    if (line == kEndPersonTotals) in_persons = false;
    if (line == kBeginPurchaseList) in_purchases = true;
    if (line == kEndPurchaseList) in_purchases = false;
    out.push_back(line);
  }
  return out;
}

void InsertPurchaseLine(std::vector<std::string>& lines, const std::string& purchase_line) {
  auto begin = std::find(lines.begin(), lines.end(), kBeginPurchaseList);
  if (begin == lines.end()) return;
  lines.insert(begin + 1, purchase_line);
}

bool RemovePurchaseLine(std::vector<std::string>& lines, const PurchaseRecord& purchase) {
  bool inside = false;
  for (auto line = lines.begin(); line != lines.end(); ++line) {
    if (*line == kEndPurchaseList) inside = false;
    if (inside && ParsePurchaseLine(*line) == purchase) {
      lines.erase(line);
      return true;
    }
    if (*line == kBeginPurchaseList) inside = true;
  }
  return false;
}

void EnsureSections(std::vector<std::string>& lines, const std::vector<SectionMarks>& sections) {
  for (const SectionMarks& section : sections) {
    if (std::find(lines.begin(), lines.end(), section.begin) != lines.end()) continue;
    lines.push_back(section.begin);
    lines.push_back(section.end);
  }
}

std::vector<std::string> EmptyExpenseSections(const std::vector<std::string>& lines) {
  const SectionMarks sections[] = {kCategoryTotals, kItemTotals, kPersonTotals, kPurchaseList};
  bool emptied[4] = {};
  const SectionMarks* open = nullptr;
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    if (open != nullptr && line == open->end) open = nullptr;
    if (open != nullptr) continue;
    out.push_back(line);
    for (int s = 0; s < 4; ++s) {
      if (!emptied[s] && line == sections[s].begin) {
        emptied[s] = true;
        open = &sections[s];
      }
    }
  }
  return out;
}

}  // namespace kestrune
