#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "database/records.h"

namespace kestrune::charts {

// What a person spent in the statistics: the person's own amount plus an equal share of
// what was bought "for all" (that amount divided by the number of persons, rounded to the
// cent as the pages round it). Shares are in currency units, for drawing.

// Every person and "for all" at 0: the map a person-totals query fills.
PersonTotals EveryoneAtZero(const std::vector<std::string>& persons);

// The person's own amount in `totals` plus the "for all" amount over `person_count`. With no
// persons there is nobody to share among, so the share is 0. A name missing from `totals`
// counts as 0.
double ShareOf(const PersonTotals& totals, const std::string& person, std::size_t person_count);

// ShareOf for each of `persons`, in order, sharing among them all.
std::vector<double> SharesOf(const PersonTotals& totals, const std::vector<std::string>& persons);

}  // namespace kestrune::charts
