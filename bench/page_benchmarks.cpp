// The five page writers on one data set, for all months. The page file is written without
// fsync: it is made again at every paint, so flushing it buys nothing (one measurement shows
// what a flushed write adds).
#include "bench/registration.h"
#include "pages/page_writers.h"

namespace kestrune::bench {
namespace {

constexpr int kAllMonthsPosition = -1;

using PageWriter = std::function<Status(OpenedSet&)>;

void RegisterPage(const std::string& row, OpenedSet& set, const RunSettings& settings,
                  PageWriter write) {
  Register(row, set, settings, [write](benchmark::State& state, OpenedSet& s) {
    for (auto _ : state) {
      if (const Status written = write(s); !written.ok()) {
        state.SkipWithError(written.message().c_str());
      }
    }
  });
}

}  // namespace

void RegisterPageBenchmarks(OpenedSet& set, const RunSettings& settings) {
  RegisterPage("page_item", set, settings, [](OpenedSet& s) {
    return WriteItemPage(s.db(), s.fast_fs(), s.page_path(), s.category(), s.item(),
                         kAllMonthsPosition);
  });
  RegisterPage("page_item_fsync", set, settings, [](OpenedSet& s) {
    return WriteItemPage(s.db(), s.durable_fs(), s.page_path(), s.category(), s.item(),
                         kAllMonthsPosition);
  });
  RegisterPage("page_category", set, settings, [](OpenedSet& s) {
    return WriteCategoryPage(s.db(), s.fast_fs(), s.page_path(), s.category(), kAllMonthsPosition);
  });
  RegisterPage("page_person", set, settings, [](OpenedSet& s) {
    return WritePersonPage(s.db(), s.fast_fs(), s.page_path(), s.person(), kAllMonthsPosition);
  });
  RegisterPage("page_person_items", set, settings, [](OpenedSet& s) {
    return WritePersonItemsPage(s.db(), s.fast_fs(), s.page_path(), s.person(), kAllMonthsPosition);
  });
  RegisterPage("page_item_statistics", set, settings, [](OpenedSet& s) {
    return WriteItemStatisticsPage(s.db(), s.fast_fs(), s.page_path(), kAllMonthsPosition);
  });
}

}  // namespace kestrune::bench
