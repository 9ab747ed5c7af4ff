#pragma once

#include <map>
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

// What kestrune-ui-bench measured in one step: the longest time the event loop did not
// answer and the step's whole time, in milliseconds.
struct BlockedTime {
  double longest_ms = 0;
  double total_ms = 0;
};

// Runs the blocked-time benchmark (the program at `tool`) once on the set's working folder,
// with the largest item selected for all months; it records one purchase there. Returns the
// steps by name ("open", "switch", "purchase"); none when the tool is missing or a step
// never showed its page.
std::map<std::string, BlockedTime> MeasureBlockedTime(const std::string& tool,
                                                      const OpenedSet& set);

}  // namespace kestrune::bench
