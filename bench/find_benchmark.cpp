// Finding purchases: the first search, which reads every item file, and the searches after it.
#include <chrono>
#include <set>
#include <thread>

#include "bench/registration.h"
#include "database/purchase_finder.h"
#include "database/sections.h"

namespace kestrune::bench {
namespace {

// A word about one purchase in eight has, as typed: the finder folds its case.
const FindRequest kWordRequest{.words = {"CARD"}};

// A scratch copy's files were all just written, and a file changed so lately that its times
// cannot yet tell a later change is read by every search: wait that out, once per set.
void LetFilesSettle(const OpenedSet& set) {
  static std::set<const OpenedSet*> settled;
  if (settled.insert(&set).second) std::this_thread::sleep_for(std::chrono::milliseconds(2100));
}

void Expect(benchmark::State& state, const Result<FindResult>& found) {
  if (!found.ok()) state.SkipWithError(found.status.message().c_str());
}

void FirstSearch(benchmark::State& state, OpenedSet& set) {
  for (auto _ : state) {
    PurchaseFinder finder(set.fast_fs());
    Expect(state, finder.Find(set.fast_db(), kWordRequest));
    state.counters["purchases"] = static_cast<double>(finder.KeptPurchases());
  }
}

void SearchAgain(benchmark::State& state, OpenedSet& set, const FindRequest& request) {
  LetFilesSettle(set);
  PurchaseFinder finder(set.fast_fs());
  Expect(state, finder.Find(set.fast_db(), request));
  for (auto _ : state) Expect(state, finder.Find(set.fast_db(), request));
}

// A search after a purchase was recorded on the largest item: that file is read again.
void SearchAfterRecord(benchmark::State& state, OpenedSet& set) {
  ExpenseDatabase& db = set.fast_db();
  const std::string key = db.GetMonths().front();
  const PurchaseRecord purchase{key.substr(0, 4), key.substr(5), "15",
                                set.person(),     "measuring",   "12.34"};
  LetFilesSettle(set);
  PurchaseFinder finder(set.fast_fs());
  Expect(state, finder.Find(db, kWordRequest));
  for (auto _ : state) {
    state.PauseTiming();
    const Status recorded = db.RecordPurchase(set.category(), set.item(), purchase);
    if (!recorded.ok()) state.SkipWithError(recorded.message().c_str());
    state.ResumeTiming();
    Expect(state, finder.Find(db, kWordRequest));
    state.PauseTiming();
    const Status deleted =
        db.DeletePurchase(set.category(), set.item(), FormatPurchaseLine(purchase));
    if (!deleted.ok()) state.SkipWithError(deleted.message().c_str());
    state.ResumeTiming();
  }
}

}  // namespace

void RegisterFindBenchmarks(OpenedSet& set, const RunSettings& settings) {
  Register("find_first", set, settings, FirstSearch);
  Register("find_word", set, settings,
           [](benchmark::State& state, OpenedSet& s) { SearchAgain(state, s, kWordRequest); });
  Register("find_all", set, settings,
           [](benchmark::State& state, OpenedSet& s) { SearchAgain(state, s, FindRequest{}); });
  Register("find_after_record", set, settings, SearchAfterRecord);
}

}  // namespace kestrune::bench
