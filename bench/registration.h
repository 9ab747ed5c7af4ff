#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "bench/opened_set.h"

namespace kestrune::bench {

// How long each measurement runs: `repetitions` runs of at least `min_time` seconds each;
// the table shows the median of the runs.
struct RunSettings {
  int repetitions = 5;
  double min_time = 0.05;
};

// Registers the benchmark "ROW/SET" that runs `body` on the opened set, in milliseconds.
void Register(const std::string& row, OpenedSet& set, const RunSettings& settings,
              std::function<void(benchmark::State&, OpenedSet&)> body);

// Start-up load, recording and deleting a purchase on the largest item (with and without
// flushes), and the integrity check.
void RegisterDatabaseBenchmarks(OpenedSet& set, const RunSettings& settings);
// Importing a CSV file of 100,000 new purchases into the large household, the plan and the
// one change together, with and without flushes.
void RegisterImportBenchmark(OpenedSet& set, const RunSettings& settings);
// The five page writers.
void RegisterPageBenchmarks(OpenedSet& set, const RunSettings& settings);
// The statistics builders, and drawing each of the eight chart types to an 800x600 image.
void RegisterChartBenchmarks(OpenedSet& set, const RunSettings& settings);
// Finding purchases: the first search (every item file read) and searches after it for a
// word, for every purchase, and for a word after a purchase was recorded on the largest item.
void RegisterFindBenchmarks(OpenedSet& set, const RunSettings& settings);

}  // namespace kestrune::bench
