// Exporting the book's purchases as comma-separated values and as an accounting journal.
#include "database/book_export.h"

#include <utility>

#include "database/amounts.h"
#include "database/csv.h"
#include "database/exchange_sort.h"
#include "database/month_keys.h"

namespace kestrune {
namespace {

std::string TwoDigits(Cents value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? "0" + text : text;
}

// Blanks, tabs and line breaks as one blank, none at the ends.
std::string SingleBlanks(const std::string& text) {
  std::string out;
  for (char c : text) {
    const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
    if (!blank) {
      out += c;
    } else if (!out.empty() && out.back() != ' ') {
      out += ' ';
    }
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string SumText(const PurchaseRecord& purchase) {
  return FormatShownCents(ParseCents(purchase.sum));
}

}  // namespace

void SortNewestFirst(std::vector<PurchaseRecord>& purchases) {
  std::vector<std::pair<Cents, Cents>> keys;
  keys.reserve(purchases.size());
  for (const PurchaseRecord& purchase : purchases) {
    keys.emplace_back(ParseCents(purchase.year) * 100 + MonthNumber(purchase.month),
                      ParseCents(purchase.day));
  }
  ExchangeSort(purchases, keys);
}

Result<std::vector<BookPurchase>> PurchasesToExport(const ExpenseDatabase& db,
                                                    const std::string& month_key) {
  std::vector<BookPurchase> rows;
  for (const std::string& category : db.GetCategoryNames()) {
    for (const std::string& item : db.GetItemNames(category)) {
      std::vector<PurchaseRecord> purchases;
      const Status read = db.ItemPurchases(month_key, category, item, purchases);
      if (!read.ok()) return Failed<std::vector<BookPurchase>>(read);
      SortNewestFirst(purchases);
      for (PurchaseRecord& purchase : purchases) {
        rows.push_back(BookPurchase{category, item, std::move(purchase)});
      }
    }
  }
  return Result<std::vector<BookPurchase>>{std::move(rows)};
}

std::string IsoDate(const PurchaseRecord& purchase) {
  return purchase.year + "-" + TwoDigits(MonthNumber(purchase.month)) + "-" +
         TwoDigits(ParseCents(purchase.day) / 100);
}

std::string PurchasesCsv(const std::vector<BookPurchase>& purchases) {
  std::string out = CsvRecord({"date", "category", "item", "person", "information", "sum"}, ',');
  for (const BookPurchase& row : purchases) {
    const PurchaseRecord& p = row.purchase;
    out +=
        CsvRecord({IsoDate(p), row.category, row.item, p.person, p.information, SumText(p)}, ',');
  }
  return out;
}

std::string JournalAccountName(const std::string& name) {
  std::string part = SingleBlanks(name);
  for (char& c : part) {
    if (c == ':') c = '_';
  }
  return part.empty() ? "_" : part;
}

std::string JournalNote(const std::string& text) {
  std::string out = SingleBlanks(text);
  for (char& c : out) {
    if (c == '[') c = '(';
    if (c == ']') c = ')';
  }
  return out;
}

std::string JournalPayee(const std::string& text) {
  std::string out = JournalNote(text);
  if (!out.empty() && (out[0] == '*' || out[0] == '!' || out[0] == '(')) out[0] = '_';
  return out;
}

std::string PurchasesJournal(const std::vector<BookPurchase>& purchases) {
  std::string out;
  for (const BookPurchase& row : purchases) {
    const PurchaseRecord& p = row.purchase;
    out += IsoDate(p) + " " + JournalPayee(p.person) + "\n";
    const std::string note = JournalNote(p.information);
    if (!note.empty()) out += "    ; " + note + "\n";
    out += "    Expenses:" + JournalAccountName(row.category) + ":" + JournalAccountName(row.item) +
           "    " + SumText(p) + "\n";
    out += "    Assets:Cash\n\n";
  }
  return out;
}

}  // namespace kestrune
