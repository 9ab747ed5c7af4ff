// kestrune-bench: prepares the data sets, runs every measurement on each and prints the
// table of medians. Options of its own (the rest go to Google Benchmark):
//   --data DIR         where the generated sets are kept between runs (default bench-data)
//   --sets A,B         which sets (small, large, larger; default all three)
//   --repetitions N    runs per measurement (default 5); the median is shown
//   --min-time S       seconds each run lasts at least (default 0.05)
//   --probe PATH       the first-page probe (default: beside this program)
//   --starts N         program starts timed per set (default 3)
//   --ui PATH          the blocked-time benchmark (default: beside this program)
#include <QGuiApplication>
#include <filesystem>
#include <iostream>
#include <memory>

#include "bench/first_page.h"
#include "bench/registration.h"
#include "bench/summary_table.h"

namespace kestrune::bench {
namespace {

struct Options {
  std::string data = "bench-data";
  std::string sets = "small,large,larger";
  std::string probe;
  std::string ui;
  int starts = 3;
  RunSettings settings;
  std::vector<char*> passed_on;  // for Google Benchmark, the program name first
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  const std::filesystem::path folder = std::filesystem::path(argv[0]).parent_path();
  options.probe = (folder / "kestrune-first-page").string();
  options.ui = (folder / "kestrune-ui-bench").string();
  options.passed_on.push_back(argv[0]);
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--data" && has_value) {
      options.data = argv[++i];
    } else if (arg == "--sets" && has_value) {
      options.sets = argv[++i];
    } else if (arg == "--probe" && has_value) {
      options.probe = argv[++i];
    } else if (arg == "--ui" && has_value) {
      options.ui = argv[++i];
    } else if (arg == "--starts" && has_value) {
      options.starts = std::stoi(argv[++i]);
    } else if (arg == "--repetitions" && has_value) {
      options.settings.repetitions = std::stoi(argv[++i]);
    } else if (arg == "--min-time" && has_value) {
      options.settings.min_time = std::stod(argv[++i]);
    } else {
      options.passed_on.push_back(argv[i]);
    }
  }
  return options;
}

std::vector<DataSet> ChosenSets(const std::string& names) {
  std::vector<DataSet> chosen;
  for (const DataSet& set : StandardDataSets()) {
    if (("," + names + ",").find("," + set.name + ",") != std::string::npos) {
      chosen.push_back(set);
    }
  }
  return chosen;
}

int Run(Options& options) {
  const std::vector<DataSet> sets = ChosenSets(options.sets);
  std::vector<std::unique_ptr<OpenedSet>> opened;
  MedianCollector collector;
  for (const DataSet& set : sets) {
    opened.push_back(std::make_unique<OpenedSet>(set, options.data));
    RegisterDatabaseBenchmarks(*opened.back(), options.settings);
    RegisterImportBenchmark(*opened.back(), options.settings);
    RegisterPageBenchmarks(*opened.back(), options.settings);
    RegisterChartBenchmarks(*opened.back(), options.settings);
    RegisterFindBenchmarks(*opened.back(), options.settings);
  }
  int count = static_cast<int>(options.passed_on.size());
  benchmark::Initialize(&count, options.passed_on.data());
  benchmark::RunSpecifiedBenchmarks(&collector);
  for (const auto& set : opened) {
    for (const bool all_months : {false, true}) {
      const std::string row = all_months ? "first_page_all/" : "first_page/";
      if (const auto ms = MedianFirstPage(options.probe, *set, options.starts, all_months)) {
        collector.Add(row + set->set().name, *ms);
      }
    }
    // Last: it records a purchase in the set.
    for (const auto& [step, time] : MeasureBlockedTime(options.ui, *set)) {
      collector.Add("blocked_" + step + "/" + set->set().name, time.longest_ms);
      collector.Add("steps_" + step + "/" + set->set().name, time.total_ms);
    }
  }
  PrintTable(std::cout, sets, collector.medians());
  std::cout << "\nThe sets are made with:";
  for (const DataSet& set : sets) std::cout << "\n  " << set.label << ": " << GenerateCommand(set);
  std::cout << "\n";
  return 0;
}

}  // namespace
}  // namespace kestrune::bench

int main(int argc, char** argv) {
  kestrune::bench::Options options = kestrune::bench::ParseOptions(argc, argv);
  // Drawing text needs a QGuiApplication; no screen is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qt_argc = 1;
  QGuiApplication application(qt_argc, argv);
  return kestrune::bench::Run(options);
}
