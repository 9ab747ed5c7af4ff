#include "database/maintenance_edits.h"

#include <algorithm>
#include <optional>

#include "database/amounts.h"
#include "database/catalogue_files.h"

namespace kestrune {
namespace {

std::string Shifted(const std::string& amount_line, double delta) {
  return FormatFileAmount(ParseAmount(amount_line) + delta);
}

// Which part of a category or item file a line stands in.
class Place {
 public:
  explicit Place(SectionMarks totals) : totals_(totals) {}
  // Call for every line before looking at the flags.
  void See(const std::string& line) {
    if (previous_) Begin(*previous_);
    ended_totals = in_totals && line == totals_.end;
    ended_persons = in_persons && line == kEndPersonTotals;
    if (line == totals_.end) in_totals = false;
    if (line == kEndPersonTotals) in_persons = false;
    if (line == kEndPurchaseList) in_purchases = false;
    if (line == kEndItemList) in_items = false;
    previous_ = &line;
  }
  bool in_totals = false, in_persons = false, in_purchases = false, in_items = false;
  // The line just seen is the end line of an open section.
  bool ended_totals = false, ended_persons = false;

 private:
  // A begin line opens its section from the next line on.
  void Begin(const std::string& previous) {
    if (previous == totals_.begin) in_totals = true;
    if (previous == kBeginPersonTotals) in_persons = true;
    if (previous == kBeginPurchaseList) in_purchases = true;
    if (previous == kBeginItemList) in_items = true;
  }
  SectionMarks totals_;
  const std::string* previous_ = nullptr;
};

}  // namespace

std::vector<std::string> InsertItemLine(std::vector<std::string> lines,
                                        const std::string& item_line) {
  while (lines.size() < 2) lines.push_back(" ");
  if (lines.size() > 2 && lines[2] == kBeginItemList) {
    lines.insert(lines.begin() + 3, item_line);
  } else {
    lines.insert(lines.begin() + 2, {kBeginItemList, item_line, kEndItemList});
  }
  return lines;
}

std::vector<std::string> DropItemLines(const std::vector<std::string>& lines,
                                       const std::string& item) {
  std::vector<std::string> out;
  Place place(kCategoryTotals);
  for (const std::string& line : lines) {
    place.See(line);
    if (place.in_items && line != kEndItemList && ParseItemLine(line).name == item) continue;
    out.push_back(line);
  }
  return out;
}

namespace {

// Every amount line of the totals and person totals sections becomes
// old_weight * its value + table_weight * the tables' amount for its place.
std::vector<std::string> RewriteAmounts(const std::vector<std::string>& lines, SectionMarks totals,
                                        const ExpenseTables& tables, double old_weight,
                                        double table_weight) {
  std::vector<std::string> out;
  Place place(totals);
  std::string month;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    place.See(line);
    out.push_back(line);
    if (place.in_persons && line.starts_with(kMonthPrefix)) {
      month = line.substr(kMonthPrefix.size());
    }
    double amount = 0.0;
    if (place.in_totals && AmountFollows(lines, i, totals.end)) {
      amount = tables.Month(line);
    } else if (place.in_persons && line.starts_with(kPersonPrefix) &&
               AmountFollows(lines, i, kEndPersonTotals)) {
      amount = tables.Person(month, line.substr(kPersonPrefix.size()));
    } else {
      continue;
    }
    place.See(lines[++i]);
    out.push_back(FormatFileAmount(old_weight * ParseAmount(lines[i]) + table_weight * amount));
  }
  return out;
}

}  // namespace

std::vector<std::string> ShiftAmounts(const std::vector<std::string>& lines, SectionMarks totals,
                                      const ExpenseTables& tables, double sign) {
  return RewriteAmounts(lines, totals, tables, 1.0, sign);
}

std::vector<std::string> SetAmounts(const std::vector<std::string>& lines, SectionMarks totals,
                                    const ExpenseTables& tables) {
  return RewriteAmounts(lines, totals, tables, 0.0, 1.0);
}

namespace {

// The persons of `block` that have no line in the block yet, each with a "0" amount.
void AddMissingPersons(std::vector<std::string>& out, const AmountTable* block,
                       const std::vector<std::string>& present) {
  if (block == nullptr) return;
  for (const std::string& person : block->keys()) {
    if (std::find(present.begin(), present.end(), person) != present.end()) continue;
    out.push_back(std::string(kPersonPrefix) + person);
    out.push_back("0");
  }
}

}  // namespace

namespace {

// Walks one file's lines for MakeRoom.
class RoomMaker {
 public:
  RoomMaker(SectionMarks totals, const ExpenseTables& tables)
      : totals_(totals), tables_(tables), place_(totals) {}

  std::vector<std::string> Run(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      place_.See(lines[i]);
      TotalsLine(lines, i);
      PersonsLine(lines[i]);
      out_.push_back(lines[i]);
    }
    return std::move(out_);
  }

 private:
  void TotalsLine(const std::vector<std::string>& lines, std::size_t i) {
    if (place_.ended_totals) {
      for (const std::string& key : tables_.months.keys()) {
        if (std::find(keys_.begin(), keys_.end(), key) != keys_.end()) continue;
        out_.push_back(key);
        out_.push_back("0");
      }
    }
    const bool key = place_.in_totals && !amount_next_ && AmountFollows(lines, i, totals_.end);
    if (key) keys_.push_back(lines[i]);
    amount_next_ = key;
  }

  void PersonsLine(const std::string& line) {
    const bool block_starts = place_.in_persons && line.starts_with(kMonthPrefix);
    if ((block_starts || place_.ended_persons) && month_) {
      AddMissingPersons(out_, tables_.persons.Find(*month_), persons_);
    }
    if (place_.ended_persons) {
      for (const std::string& key : tables_.persons.keys()) {
        if (std::find(months_.begin(), months_.end(), key) != months_.end()) continue;
        out_.push_back(std::string(kMonthPrefix) + key);
        AddMissingPersons(out_, tables_.persons.Find(key), {});
      }
      month_.reset();
    }
    if (block_starts) {
      month_ = line.substr(kMonthPrefix.size());
      months_.push_back(*month_);
      persons_.clear();
    } else if (place_.in_persons && line.starts_with(kPersonPrefix)) {
      persons_.push_back(line.substr(kPersonPrefix.size()));
    }
  }

  SectionMarks totals_;
  const ExpenseTables& tables_;
  Place place_;
  std::vector<std::string> out_, keys_, months_, persons_;
  std::optional<std::string> month_;  // the open block of the person totals
  bool amount_next_ = false;
};

}  // namespace

std::vector<std::string> MakeRoom(const std::vector<std::string>& lines, SectionMarks totals,
                                  const ExpenseTables& tables) {
  return RoomMaker(totals, tables).Run(lines);
}

std::vector<std::string> RemovePerson(const std::vector<std::string>& lines, SectionMarks totals,
                                      const std::string& person, const ExpenseTables& tables) {
  std::vector<std::string> out;
  Place place(totals);
  std::string month;
  const std::string person_line = std::string(kPersonPrefix) + person;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    place.See(line);
    if (place.in_persons && line.starts_with(kMonthPrefix))
      month = line.substr(kMonthPrefix.size());
    if (place.in_totals && AmountFollows(lines, i, totals.end)) {
      out.push_back(line);
      place.See(lines[++i]);
      out.push_back(Shifted(lines[i], -tables.Person(line, person)));
      continue;
    }
    if (place.in_persons && line == person_line) {
      if (AmountFollows(lines, i, kEndPersonTotals)) place.See(lines[++i]);
      continue;
    }
    if (place.in_purchases && line != kEndPurchaseList &&
        ParsePurchaseLine(line).person == person) {
      continue;
    }
    out.push_back(line);
  }
  return out;
}

std::vector<std::string> RenamePerson(const std::vector<std::string>& lines,
                                      const std::string& old_name, const std::string& new_name) {
  std::vector<std::string> out;
  Place place(kItemTotals);
  const std::string old_line = std::string(kPersonPrefix) + old_name;
  for (const std::string& line : lines) {
    place.See(line);
    if (line == old_line) {
      out.push_back(std::string(kPersonPrefix) + new_name);
    } else if (place.in_purchases && line != kEndPurchaseList &&
               ParsePurchaseLine(line).person == old_name) {
      PurchaseRecord purchase = ParsePurchaseLine(line);
      purchase.person = new_name;
      out.push_back(FormatPurchaseLine(purchase));
    } else {
      out.push_back(line);
    }
  }
  return out;
}

void SetHeaderLine(std::vector<std::string>& lines, std::size_t index, const std::string& text) {
  while (lines.size() <= index) lines.push_back(" ");
  lines[index] = text;
}

std::vector<std::string> ReplaceIndexLines(const std::vector<std::string>& lines,
                                           const std::string& old_name,
                                           const std::string& new_name) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    if (line != old_name) {
      out.push_back(line);
    } else if (!new_name.empty()) {
      out.push_back(new_name);
    }
  }
  return out;
}

}  // namespace kestrune
