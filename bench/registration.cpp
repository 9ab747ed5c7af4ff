#include "bench/registration.h"

namespace kestrune::bench {

void Register(const std::string& row, OpenedSet& set, const RunSettings& settings,
              std::function<void(benchmark::State&, OpenedSet&)> body) {
  const std::string name = row + "/" + set.set().name;
  benchmark::RegisterBenchmark(name.c_str(),
                               [body, &set](benchmark::State& state) { body(state, set); })
      ->Unit(benchmark::kMillisecond)
      ->MinTime(settings.min_time)
      ->Repetitions(settings.repetitions)
      ->ReportAggregatesOnly(true)
      ->UseRealTime();
}

}  // namespace kestrune::bench
