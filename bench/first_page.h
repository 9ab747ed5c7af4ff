#pragma once

#include <optional>
#include <string>

#include "bench/opened_set.h"

namespace kestrune::bench {

// Starts the desktop program's main frame (through the probe at `probe`) on the set's
// working folder `starts` times, with the set's largest item selected as a user's last
// session left it, for all months or (as at a first start) for the newest month. Returns the
// median time from starting the process to the item page shown in the browser, in
// milliseconds; nothing when the probe is missing or never shows the page.
std::optional<double> MedianFirstPage(const std::string& probe, const OpenedSet& set, int starts,
                                      bool all_months);

}  // namespace kestrune::bench
