#pragma once

#include <string>
#include <vector>

#include "database/expense_database.h"
#include "database/records.h"
#include "database/result.h"

namespace kestrune {

// The purchases of the month key ("all months": every purchase), read from the item files:
// categories in name order, each category's items in list order, each item's purchases newest
// first (purchases of one day in the order the item page lists them). Writes nothing; a file
// that cannot be read fails the whole export.
Result<std::vector<BookPurchase>> PurchasesToExport(const ExpenseDatabase& db,
                                                    const std::string& month_key);

// Sorts an item's purchases newest first, as the export lists them; purchases of one day end
// in the order the item page's exchanges leave them.
void SortNewestFirst(std::vector<PurchaseRecord>& purchases);

// "YYYY-MM-DD" of the purchase's year, month name and day.
std::string IsoDate(const PurchaseRecord& purchase);

// The purchases as comma-separated values: the header row
// "date,category,item,person,information,sum", then one row per purchase, the sum with a dot
// and two decimals, records ended by CRLF, UTF-8 as the book holds it.
std::string PurchasesCsv(const std::vector<BookPurchase>& purchases);

// The purchases as a plain-text accounting journal: one transaction per purchase dated
// YYYY-MM-DD with the person as payee and the information as a note, its sum posted to
// "Expenses:CATEGORY:ITEM" and balanced against "Assets:Cash". Names are made fit for the
// journal's grammar by JournalAccountName, JournalPayee and JournalNote.
std::string PurchasesJournal(const std::vector<BookPurchase>& purchases);

// One part of an account name: ":" (the account separator) becomes "_", tabs and runs of
// blanks (which end an account name) become one blank, blanks at the ends go, and an empty
// part becomes "_".
std::string JournalAccountName(const std::string& name);

// A note: tabs and runs of blanks become one blank, "[" and "]" (a dated note) become "("
// and ")".
std::string JournalNote(const std::string& text);
// A payee: as a note (two blanks would end it), and a leading "*", "!" or "(" (a state or a
// code) becomes "_".
std::string JournalPayee(const std::string& text);

}  // namespace kestrune
