// Load, purchases and check on one data set.
#include "bench/no_prompt.h"
#include "bench/registration.h"
#include "database/integrity_check.h"
#include "database/sections.h"

namespace kestrune::bench {
namespace {

// A purchase of the newest month by the first person, with a note no generated purchase
// has: deleting it after recording it leaves the files as they were.
PurchaseRecord BenchPurchase(OpenedSet& set) {
  const std::string key = set.db().GetMonths().front();
  return {key.substr(0, 4), key.substr(5), "15", set.person(), "measuring", "12.34"};
}

void Expect(benchmark::State& state, const Status& status) {
  if (!status.ok()) state.SkipWithError(status.message().c_str());
}

void Record(benchmark::State& state, OpenedSet& set, ExpenseDatabase& db) {
  const PurchaseRecord purchase = BenchPurchase(set);
  for (auto _ : state) {
    Expect(state, db.RecordPurchase(set.category(), set.item(), purchase));
    state.PauseTiming();
    Expect(state, db.DeletePurchase(set.category(), set.item(), FormatPurchaseLine(purchase)));
    state.ResumeTiming();
  }
}

// The same without undo entries: the difference is what keeping them costs.
void RecordWithoutUndo(benchmark::State& state, OpenedSet& set, ExpenseDatabase& db) {
  db.set_keep_undo(false);
  Record(state, set, db);
  db.set_keep_undo(true);
}

void Delete(benchmark::State& state, OpenedSet& set, ExpenseDatabase& db) {
  const PurchaseRecord purchase = BenchPurchase(set);
  for (auto _ : state) {
    state.PauseTiming();
    Expect(state, db.RecordPurchase(set.category(), set.item(), purchase));
    state.ResumeTiming();
    Expect(state, db.DeletePurchase(set.category(), set.item(), FormatPurchaseLine(purchase)));
  }
}

}  // namespace

void RegisterDatabaseBenchmarks(OpenedSet& set, const RunSettings& settings) {
  Register("load", set, settings, [](benchmark::State& state, OpenedSet& s) {
    NoPrompt prompt;
    for (auto _ : state) {
      ExpenseDatabase db(s.fast_fs());
      benchmark::DoNotOptimize(db.LoadDatabase(s.folder(), prompt));
    }
  });
  Register("record", set, settings,
           [](benchmark::State& state, OpenedSet& s) { Record(state, s, s.fast_db()); });
  Register("record_no_undo", set, settings,
           [](benchmark::State& state, OpenedSet& s) { RecordWithoutUndo(state, s, s.fast_db()); });
  Register("delete", set, settings,
           [](benchmark::State& state, OpenedSet& s) { Delete(state, s, s.fast_db()); });
  Register("record_fsync", set, settings,
           [](benchmark::State& state, OpenedSet& s) { Record(state, s, s.db()); });
  Register("record_fsync_no_undo", set, settings,
           [](benchmark::State& state, OpenedSet& s) { RecordWithoutUndo(state, s, s.db()); });
  Register("delete_fsync", set, settings,
           [](benchmark::State& state, OpenedSet& s) { Delete(state, s, s.db()); });
  Register("check", set, settings, [](benchmark::State& state, OpenedSet& s) {
    for (auto _ : state) {
      const IntegrityReport report = CheckIntegrity(s.db(), s.fast_fs());
      if (!report.clean()) state.SkipWithError("the book does not add up");
    }
  });
}

}  // namespace kestrune::bench
