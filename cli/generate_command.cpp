// generate: a made-up household book of any size, for measuring.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/cli_run.h"
#include "cli/command_support.h"
#include "bench/book_generator.h"
#include "database/database_folder.h"
#include "database/database_lock.h"

namespace kestrune::cli {
namespace {

int Generate(const std::string& workdir, const BookShape& shape) {
  if (const std::string problem = CheckBookShape(shape); !problem.empty()) {
    std::cerr << "usage: " << problem << "\n";
    return kExitUsage;
  }
  const std::string folder = DatabaseFolderOf(workdir);
  // Hundreds of files flushed one by one take seconds; one sync at the end takes less.
  PosixFileSystem fs(/*durable=*/false);
  // A generated book never mixes with, or replaces, a real one.
  if (DatabaseFolderExists(fs, folder)) {
    return Refuse("A database exists in " + folder + "; generate writes only a new one");
  }
  DatabaseLock lock;
  Status ready = CreateEmptyDatabase(fs, folder);
  if (ready.ok()) ready = lock.Acquire(folder);
  if (ready.ok()) ready = WriteBook(fs, folder, GenerateBook(shape));
  if (const int failed = Reported(ready)) return failed;
  ::sync();
  std::cout << "Generated " << shape.purchases << " purchases of " << shape.persons
            << " persons over " << shape.months << " months in " << shape.categories
            << " categories of " << shape.items << " items into " << folder << "\n";
  return kExitOk;
}

}  // namespace

void AddGenerateCommands(CLI::App& app, CliRun& run) {
  auto shape = std::make_shared<BookShape>();
  auto* sub = app.add_subcommand(
      "generate", "write a made-up household book into a working folder that has no database");
  sub->add_option("--categories", shape->categories, "number of categories")->capture_default_str();
  sub->add_option("--items", shape->items, "items in each category")->capture_default_str();
  sub->add_option("--persons", shape->persons, "number of persons")->capture_default_str();
  sub->add_option("--months", shape->months, "months ending with 2024 December")
      ->capture_default_str();
  sub->add_option("--purchases", shape->purchases, "number of purchases")->capture_default_str();
  sub->add_option("--seed", shape->seed, "the same seed gives the same book")
      ->capture_default_str();
  sub->callback(
      [&run, shape] { run.action = [shape](CliRun& r) { return Generate(r.workdir, *shape); }; });
}

}  // namespace kestrune::cli
