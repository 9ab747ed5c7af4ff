#pragma once

#include <string>
#include <vector>

#include "bench/book_generator.h"

namespace kestrune::bench {

// A generated household book the benchmarks run on.
struct DataSet {
  std::string name;   // short, for benchmark names: "small", "large", "larger"
  std::string label;  // for the table
  BookShape shape;
};

// The large household (20 categories of 25 items, 4 persons, 120 months, 100,000
// purchases) and the same household kept a tenth as long and ten times as long: months and
// purchases scale together, the catalogue stays.
std::vector<DataSet> StandardDataSets();

// The kestrune-cli command line that generates the set.
std::string GenerateCommand(const DataSet& set);

// The working folder of the set under `cache`; generated first when it is missing or was
// generated with another shape.
std::string PreparedWorkdir(const std::string& cache, const DataSet& set);

// A copy of a working folder in a new temporary folder, removed with it: benchmarks that
// change the book never touch the cached set.
class ScratchCopy {
 public:
  explicit ScratchCopy(const std::string& workdir);
  ~ScratchCopy();
  ScratchCopy(const ScratchCopy&) = delete;
  ScratchCopy& operator=(const ScratchCopy&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace kestrune::bench
