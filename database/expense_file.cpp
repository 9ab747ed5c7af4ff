// Reading a category or item file into its parts, writing it back, and the questions the
// queries ask of it.
#include "database/expense_file.h"

#include "database/catalogue_files.h"
#include "database/month_keys.h"
#include "database/same_section.h"
#include "database/text_lines.h"

namespace kestrune {
namespace {

// Whether `next` may be the amount of the key or person line before it.
bool IsAmountLine(std::string_view next, std::string_view end) {
  return next != end && !IsSectionLine(next) && !next.starts_with(kMonthPrefix) &&
         !next.starts_with(kPersonPrefix);
}

// Where the line `line` starts in `text` at or after `from` (which follows a line end), or
// npos. Searching for the line end before it keeps the search fast on long lists.
std::size_t FindLine(std::string_view text, std::size_t from, std::string_view line) {
  std::string needle = "\n" + std::string(line);
  for (std::size_t at = from - 1;; ++at) {
    at = text.find(needle, at);
    if (at == std::string_view::npos) return at;
    const std::size_t after = at + needle.size();
    const std::string_view rest = text.substr(after, text.find('\n', after) - after);
    if (rest.empty() || rest == "\r") return at + 1;
  }
}

}  // namespace

class ExpenseFile::Parser {
 public:
  Parser(const ExpenseFile& file, std::string_view text, std::size_t at)
      : file_(file),
        text_(text),
        cursor_(text, at),
        totals_begin_(file.totals_marks_.begin),
        totals_end_(file.totals_marks_.end) {}

  // Reads from the start, or from where an earlier reading stopped, up to the end or to the
  // first stop allowed: right after the totals, or at a purchase list after both totals.
  void Run(bool start, bool after_totals, bool at_purchases) {
    if (start && IsCategory()) Header();
    stop_after_totals_ = after_totals;
    stop_at_purchases_ = at_purchases;
    for (std::string_view line; !stopped_;) {
      line_start_ = cursor_.at();
      if (!cursor_.Next(line)) break;
      See(line);
    }
  }

 private:
  bool IsCategory() const { return SameSection(file_.totals_marks_, kCategoryTotals); }

  void Header() {
    std::string_view line;
    for (int i = 0; i < 2 && cursor_.Next(line); ++i) file_.layout_.push_back({Part::kLine, line});
    if (!cursor_.Peek(line) || line != kBeginItemList) return;
    cursor_.Next(line);
    file_.layout_.push_back({Part::kItemList, {}});
    file_.items_.present = true;
    while (cursor_.Next(line)) {
      if (line == kEndItemList) {
        file_.items_.ended = true;
        return;
      }
      file_.items_.entries.push_back({line, std::nullopt});
    }
  }

  void See(std::string_view line) {
    if (open_ != nullptr) return Inside(line);
    if (line == totals_begin_ && !file_.totals_.present) {
      Open(Part::kTotals, file_.totals_, totals_end_);
    } else if (line == kBeginPersonTotals && !file_.persons_.present) {
      Open(Part::kPersons, file_.persons_, kEndPersonTotals);
    } else if (line == kBeginPurchaseList && !IsCategory() && !file_.purchases_.present) {
      if (stop_at_purchases_ && file_.totals_.ended && file_.persons_.ended) {
        file_.rest_ = line_start_;
        file_.persons_read_ = file_.purchases_.present = stopped_ = true;
        return;
      }
      PurchaseList();
    } else {
      file_.layout_.push_back({Part::kLine, line});
    }
  }

  void Open(Part part, Section& section, std::string_view end) {
    file_.layout_.push_back({part, {}});
    section.present = true;
    open_ = &section;
    end_ = end;
    persons_ = part == Part::kPersons;
  }

  void Inside(std::string_view line) {
    if (line == end_) {
      open_->ended = true;
      stopped_ = stop_after_totals_ && open_ == &file_.totals_;
      if (stopped_) file_.rest_ = cursor_.at();
      open_ = nullptr;
      return;
    }
    Entry entry{line, std::nullopt};
    const bool pairs = persons_ ? line.starts_with(kPersonPrefix) : !IsSectionLine(line);
    std::string_view next;
    if (pairs && cursor_.Peek(next) && IsAmountLine(next, end_)) {
      cursor_.Next(next);
      entry.amount = next;
    }
    open_->entries.push_back(entry);
  }

  // The list's text is taken whole, up to its end line; its lines are split when needed.
  void PurchaseList() {
    file_.layout_.push_back({Part::kPurchases, {}});
    ExpenseFile::PurchaseList& list = file_.purchases_;
    list.present = true;
    const std::size_t from = cursor_.at();
    const std::size_t end = from == 0 || from > text_.size() || text_[from - 1] != '\n'
                                ? std::string_view::npos
                                : FindLine(text_, from, kEndPurchaseList);
    if (end == std::string_view::npos) {
      list.text = text_.substr(std::min(from, text_.size()));
      cursor_.MoveTo(text_.size());
      return;
    }
    list.ended = true;
    list.text = text_.substr(from, end - from);
    cursor_.MoveTo(end);
    std::string_view end_line;
    cursor_.Next(end_line);
  }

  const ExpenseFile& file_;
  std::string_view text_;
  LineReader cursor_;
  bool stop_after_totals_ = false;
  bool stop_at_purchases_ = false;
  bool stopped_ = false;
  std::size_t line_start_ = 0;
  std::string_view totals_begin_;
  std::string_view totals_end_;
  Section* open_ = nullptr;
  std::string_view end_;
  bool persons_ = false;
};

ExpenseFile::ExpenseFile(std::string content, SectionMarks totals)
    : content_(std::make_unique<const std::string>(std::move(content))), totals_marks_(totals) {
  Parser(*this, *content_, content_->starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0)
      .Run(true, true, true);
}

void ExpenseFile::ReadPersons() const {
  if (!rest_ || persons_read_) return;
  const std::size_t at = *rest_;
  rest_.reset();
  Parser(*this, *content_, at).Run(false, false, true);
}

void ExpenseFile::Complete() const {
  ReadPersons();
  if (!rest_) return;
  const std::size_t at = *rest_;
  rest_.reset();
  purchases_.present = false;
  Parser(*this, *content_, at).Run(false, false, false);
}

std::string_view ExpenseFile::Own(std::string text) {
  return owned_.emplace_back(std::move(text));
}

std::vector<std::string_view> ExpenseFile::PurchaseLines() const {
  Complete();
  if (purchases_.split) return purchases_.lines;
  std::vector<std::string_view> lines;
  LineReader cursor(purchases_.text, 0);
  for (std::string_view line; cursor.Next(line);) lines.push_back(line);
  return lines;
}

void ExpenseFile::SplitPurchases() {
  if (purchases_.split) return;
  purchases_.lines = PurchaseLines();
  purchases_.split = true;
}

namespace {}  // namespace

std::string ExpenseFile::Format() const {
  Complete();
  std::string out;
  out.reserve(content_->size() + 64);
  auto section = [&](const Section& s, std::string_view begin, std::string_view end) {
    AppendEndedLine(out, begin);
    for (const Entry& entry : s.entries) {
      AppendEndedLine(out, entry.line);
      if (entry.amount) AppendEndedLine(out, *entry.amount);
    }
    if (s.ended) AppendEndedLine(out, end);
  };
  for (const Piece& piece : layout_) {
    switch (piece.part) {
      case Part::kLine:
        AppendEndedLine(out, piece.line);
        break;
      case Part::kItemList:
        section(items_, kBeginItemList, kEndItemList);
        break;
      case Part::kTotals:
        section(totals_, totals_marks_.begin, totals_marks_.end);
        break;
      case Part::kPersons:
        section(persons_, kBeginPersonTotals, kEndPersonTotals);
        break;
      case Part::kPurchases:
        AppendEndedLine(out, kBeginPurchaseList);
        // A list as the writers write it is copied whole.
        if (!purchases_.split && purchases_.text.find('\r') == std::string_view::npos &&
            (purchases_.text.empty() || purchases_.text.back() == '\n')) {
          out += purchases_.text;
        } else {
          for (std::string_view line : PurchaseLines()) AppendEndedLine(out, line);
        }
        if (purchases_.ended) AppendEndedLine(out, kEndPurchaseList);
        break;
    }
  }
  return out;
}

const ExpenseFile::Section* ExpenseFile::SectionOf(SectionMarks marks) const {
  if (SameSection(marks, totals_marks_)) return &totals_;
  if (SameSection(marks, kPersonTotals)) return &persons_;
  return nullptr;
}

ExpenseFile::Section* ExpenseFile::SectionOf(SectionMarks marks) {
  return const_cast<Section*>(std::as_const(*this).SectionOf(marks));
}

bool ExpenseFile::Has(SectionMarks section) const {
  if (!SameSection(section, totals_marks_)) ReadPersons();
  if (SameSection(section, kPurchaseList)) return purchases_.present;
  const Section* found = SectionOf(section);
  return found != nullptr && found->present;
}

Cents ExpenseFile::MonthTotal(std::string_view key) const {
  for (auto entry = totals_.entries.rbegin(); entry != totals_.entries.rend(); ++entry) {
    if (entry->line == key) return entry->amount ? ParseCents(*entry->amount) : 0;
  }
  return 0;
}

std::vector<std::pair<std::string_view, Cents>> ExpenseFile::PersonAmounts(
    std::string_view key) const {
  ReadPersons();
  std::vector<std::pair<std::string_view, Cents>> amounts;
  bool wanted = false;
  for (const Entry& entry : persons_.entries) {
    if (entry.line.starts_with(kMonthPrefix)) {
      wanted = entry.line.substr(kMonthPrefix.size()) == key;
    } else if (wanted && entry.line.starts_with(kPersonPrefix)) {
      amounts.emplace_back(entry.line.substr(kPersonPrefix.size()),
                           entry.amount ? ParseCents(*entry.amount) : 0);
    }
  }
  return amounts;
}

std::vector<PurchaseRecord> ExpenseFile::Purchases(std::string_view key) const {
  std::vector<PurchaseRecord> purchases;
  const bool all_months = key == kAllMonths;
  for (std::string_view line : PurchaseLines()) {
    PurchaseRecord record = ParsePurchaseLine(line);
    if (all_months || MonthKeyOf(record) == key) purchases.push_back(std::move(record));
  }
  return purchases;
}

}  // namespace kestrune
