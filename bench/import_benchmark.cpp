// Importing a CSV file of 100,000 purchases into the large household.
#include "bench/data_sets.h"
#include "bench/no_prompt.h"
#include "bench/registration.h"
#include "database/amounts.h"
#include "database/book_export.h"
#include "database/book_import.h"
#include "database/database_folder.h"
#include "database/month_keys.h"

namespace kestrune::bench {
namespace {

// Another book of the household's shape (another seed), as the rows of an export: each row is
// new to the household, none is a duplicate.
std::string ImportedFile(const BookShape& household) {
  BookShape shape = household;
  shape.seed = household.seed + 1;
  const GeneratedBook book = GenerateBook(shape);
  std::vector<BookPurchase> rows;
  rows.reserve(book.purchases.size());
  const int newest = kGeneratedLastYear * 12 + kGeneratedLastMonth - 1;
  for (const GeneratedPurchase& p : book.purchases) {
    const int month = newest - (shape.months - 1 - p.month);
    PurchaseRecord record{
        std::to_string(month / 12), std::string(MonthName(month % 12 + 1)),
        std::to_string(p.day),      p.person < 0 ? kForAll : book.persons[p.person].name,
        GeneratedNote(p.note),      FormatFileCents(p.cents)};
    const CategoryRecord& category = book.categories[p.category];
    rows.push_back({category.name, category.items[p.item].name, std::move(record)});
  }
  return PurchasesCsv(rows);
}

void Import(benchmark::State& state, OpenedSet& set, PosixFileSystem& fs, const std::string& file) {
  for (auto _ : state) {
    state.PauseTiming();
    ScratchCopy copy(set.workdir());
    ExpenseDatabase db(fs);
    NoPrompt prompt;
    const bool loaded =
        db.LoadDatabase(DatabaseFolderOf(copy.path()), prompt) == LoadOutcome::kLoaded;
    state.ResumeTiming();
    Result<ImportPlan> plan = PlanImport(db, file, ImportOptions{});
    const Status recorded = plan.ok() ? db.RecordPurchases(plan.value.batch) : plan.status;
    if (!loaded || !recorded.ok() || plan.value.batch.purchases.size() != 100000) {
      state.SkipWithError("the import failed");
    }
  }
}

}  // namespace

void RegisterImportBenchmark(OpenedSet& set, const RunSettings& settings) {
  if (set.set().name != "large") return;
  auto file = std::make_shared<std::string>(ImportedFile(set.set().shape));
  Register("import", set, settings,
           [file](benchmark::State& state, OpenedSet& s) { Import(state, s, s.fast_fs(), *file); });
  Register("import_fsync", set, settings, [file](benchmark::State& state, OpenedSet& s) {
    Import(state, s, s.durable_fs(), *file);
  });
}

}  // namespace kestrune::bench
