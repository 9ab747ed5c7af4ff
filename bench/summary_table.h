#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "bench/data_sets.h"

namespace kestrune::bench {

// One line of the table: a measurement, and the median it must stay under on the large
// household, where there is a target.
struct Row {
  std::string id;  // the benchmark name before "/SET"
  std::string label;
  std::optional<double> target_ms;
};

// Every measurement, in the order of the table.
std::vector<Row> TableRows();

// Medians in milliseconds by benchmark name ("ROW/SET").
using Medians = std::map<std::string, double>;

// Shows every run as the console reporter does and keeps the medians of the repetitions.
class MedianCollector final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  const Medians& medians() const { return medians_; }
  void Add(const std::string& name, double milliseconds) { medians_[name] = milliseconds; }

 private:
  Medians medians_;
};

// The table: a column of medians per set, the growth from the large household to the set
// after it, the target and whether the large household meets it. Returns the number of
// targets missed.
int PrintTable(std::ostream& out, const std::vector<DataSet>& sets, const Medians& medians);

}  // namespace kestrune::bench
