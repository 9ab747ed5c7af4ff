#include "bench/data_sets.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "database/database_folder.h"

namespace kestrune::bench {
namespace {

namespace fs = std::filesystem;

std::string ShapeOptions(const BookShape& shape) {
  std::ostringstream text;
  text << "--categories " << shape.categories << " --items " << shape.items << " --persons "
       << shape.persons << " --months " << shape.months << " --purchases " << shape.purchases
       << " --seed " << shape.seed;
  return text.str();
}

std::string ReadText(const fs::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void Generate(const fs::path& workdir, const DataSet& set) {
  std::cerr << "Generating the " << set.label << " (" << ShapeOptions(set.shape) << ")...\n";
  fs::remove_all(workdir);
  // A cache that is regenerated at will needs no flushes.
  PosixFileSystem files(/*durable=*/false);
  const Status written =
      WriteBook(files, DatabaseFolderOf(workdir.string()), GenerateBook(set.shape));
  if (!written.ok()) throw std::runtime_error(written.message());
}

}  // namespace

std::vector<DataSet> StandardDataSets() {
  return {{"small", "10x smaller", {20, 25, 4, 12, 10000, 1}},
          {"large", "large household", {20, 25, 4, 120, 100000, 1}},
          {"larger", "10x larger", {20, 25, 4, 1200, 1000000, 1}}};
}

std::string GenerateCommand(const DataSet& set) {
  return "kestrune-cli --workdir DIR generate " + ShapeOptions(set.shape);
}

std::string PreparedWorkdir(const std::string& cache, const DataSet& set) {
  const fs::path workdir = fs::path(cache) / set.name;
  const fs::path stamp = fs::path(cache) / (set.name + ".shape");
  const std::string wanted = ShapeOptions(set.shape);
  if (!fs::exists(workdir / "data" / "BASE") || ReadText(stamp) != wanted) {
    Generate(workdir, set);
    std::ofstream(stamp) << wanted;
  }
  return workdir.string();
}

ScratchCopy::ScratchCopy(const std::string& workdir) {
  std::string pattern = (fs::temp_directory_path() / "kestrune-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  fs::copy(workdir, path_, fs::copy_options::recursive);
}

ScratchCopy::~ScratchCopy() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

}  // namespace kestrune::bench
