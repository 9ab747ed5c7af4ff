#pragma once

#include <QDate>
#include <optional>
#include <string>

#include "database/purchase_finder.h"
#include "database/result.h"

namespace kestrune {

// What the Find panel's fields hold when a search is asked for.
struct FindFields {
  std::string words;                  // as typed: words apart by blanks
  std::optional<std::string> person;  // a person's name or "for all"; nothing for anyone
  std::optional<QDate> from, to;      // the days ticked, both included
  std::string min_sum, max_sum;       // as typed; empty for no bound
};

// The search the fields ask for. Sums are read as typed purchase sums are (a comma or a dot,
// the user's group separator). Refused, with a message for the panel, when a sum is no number
// (or below 0), the first day is after the last or the smallest sum above the largest.
Result<FindRequest> RequestOf(const FindFields& fields);

}  // namespace kestrune
