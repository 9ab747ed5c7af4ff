#pragma once

#include <string>

#include "database/expense_database.h"

namespace kestrune {

// The page of a book that holds no purchase yet: a greeting and the first steps (add a
// person, add a category, add an item, record a purchase), each a link whose target is a
// command of the page-link vocabulary (page_links.h). Steps the catalogue already satisfies
// are marked done. Reads the catalogue only; changes nothing.
std::string WelcomePageText(const ExpenseDatabase& db);

// Whether the view's empty state greets the user: the book holds no purchase yet.
bool ShowsWelcome(const ExpenseDatabase& db);

}  // namespace kestrune
