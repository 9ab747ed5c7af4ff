#include "database/totals_index.h"

#include "database/amounts.h"
#include "database/text_lines.h"

namespace kestrune {
namespace {

// Marker lines as views, so comparing a line with one costs no strlen.
constexpr std::string_view kPersonsBegin = kBeginPersonTotals;
constexpr std::string_view kPersonsEnd = kEndPersonTotals;

}  // namespace

// One pass over the lines with the flags of both scans. A line may take the amount the line
// before asked for and ask for the next one itself, as in the scans.
class TotalsIndex::Builder {
 public:
  Builder(TotalsIndex& index, SectionMarks totals, const Focus& focus)
      : index_(index), totals_begin_(totals.begin), totals_end_(totals.end), focus_(focus) {}

  void Run(std::string_view content) {
    LineReader reader(content);
    for (std::string_view line; !Done() && reader.Next(line);) See(line);
  }

 private:
  // Nothing after the end of the sections read can change an answer.
  bool Done() const {
    const bool months_done = index_.totals_found_ && totals_ended_;
    const bool persons_done = index_.persons_found_ && persons_ended_;
    return (months_done || !focus_.months) && (persons_done || !focus_.persons);
  }

  bool Kept(std::string_view key) const { return !focus_.only || *focus_.only == key; }

  void See(std::string_view line) {
    TakeAmount(line);
    if (line == totals_begin_) index_.totals_found_ = true;
    if (line == totals_end_) totals_ended_ = true;
    if (focus_.months && index_.totals_found_ && !totals_ended_ && Kept(line)) wanted_key_ = line;
    // The person scan looks at the line before it updates its flags.
    if (focus_.persons && index_.persons_found_ && !persons_ended_ && block_ && Kept(*block_) &&
        line.starts_with(kPersonPrefix)) {
      wanted_person_ = line.substr(kPersonPrefix.size());
    }
    if (line.starts_with(kMonthPrefix)) block_ = line.substr(kMonthPrefix.size());
    if (line == kPersonsBegin) index_.persons_found_ = true;
    if (line == kPersonsEnd) persons_ended_ = true;
  }

  void TakeAmount(std::string_view line) {
    if (!wanted_key_ && !wanted_person_) return;
    const Cents amount = ParseCents(line);
    if (wanted_key_) index_.month_amounts_.insert_or_assign(std::string(*wanted_key_), amount);
    if (wanted_person_) {
      // The asking line was no "month: " line, so the block is still the one it stood in.
      auto block = index_.blocks_.find(*block_);
      if (block == index_.blocks_.end()) {
        block = index_.blocks_.emplace(std::string(*block_), std::vector<PersonAmount>()).first;
      }
      block->second.emplace_back(std::string(*wanted_person_), amount);
    }
    wanted_key_.reset();
    wanted_person_.reset();
  }

  TotalsIndex& index_;
  std::string_view totals_begin_;
  std::string_view totals_end_;
  const Focus& focus_;
  bool totals_ended_ = false;
  bool persons_ended_ = false;
  std::optional<std::string_view> block_;  // the key of the last "month: " line
  std::optional<std::string_view> wanted_key_;
  std::optional<std::string_view> wanted_person_;
};

TotalsIndex::TotalsIndex(std::string_view content, SectionMarks totals)
    : TotalsIndex(content, totals, Focus{}) {}

TotalsIndex::TotalsIndex(std::string_view content, SectionMarks totals, const Focus& focus) {
  Builder(*this, totals, focus).Run(content);
}

TotalsIndex TotalsIndex::ForMonthTotal(std::string_view content, SectionMarks totals,
                                       std::string_view key) {
  return TotalsIndex(content, totals, Focus{true, false, key});
}

TotalsIndex TotalsIndex::ForPersonTotals(std::string_view content, std::string_view key) {
  // The person-totals section is the same in both kinds of file.
  return TotalsIndex(content, kItemTotals, Focus{false, true, key});
}

MonthTotalScan TotalsIndex::MonthTotal(std::string_view key) const {
  MonthTotalScan scan;
  scan.section_found = totals_found_;
  if (const auto found = month_amounts_.find(key); found != month_amounts_.end()) {
    scan.amount = found->second;
  }
  return scan;
}

bool TotalsIndex::FillPersonTotals(std::string_view key, PersonTotals& totals) const {
  if (const auto block = blocks_.find(key); block != blocks_.end()) {
    for (const auto& [person, amount] : block->second) {
      if (const auto wanted = totals.find(person); wanted != totals.end()) {
        wanted->second = amount;
      }
    }
  }
  return persons_found_;
}

}  // namespace kestrune
