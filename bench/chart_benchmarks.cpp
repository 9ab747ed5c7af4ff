// The statistics builders and the eight chart types drawn, on one data set.
#include <QImage>

#include "bench/registration.h"
#include "charts/graph_type.h"
#include "charts/statistics.h"
#include "render/chart_image.h"

namespace kestrune::bench {
namespace {

using charts::Statistic;
using charts::StatisticsInput;

// Every month, all months' totals, and the largest item and its category selected.
StatisticsInput InputFor(OpenedSet& set, int chart, int month_chart) {
  StatisticsInput input;
  input.Chart = chart;
  input.month_Chart = month_chart;
  input.Show = 1;
  input.ShowAllMonths = true;
  input.SelectedCat = set.category();
  input.SelectedItem = set.item();
  input.SelectedStatisticMenu = set.category();
  return input;
}

struct MeasuredStatistic {
  const char* row;
  Statistic statistic;
};

// One of each kind (totals and by months, over persons, categories, items and months), and
// those of the largest item.
constexpr MeasuredStatistic kStatistics[] = {
    {"stat_persons", Statistic::kPersons},
    {"stat_persons_by_months", Statistic::kPersonsByMonths},
    {"stat_categories", Statistic::kCategories},
    {"stat_categories_by_months", Statistic::kCategoriesByMonths},
    {"stat_items", Statistic::kCategoryItems},
    {"stat_items_by_months", Statistic::kCategoryItemsByMonths},
    {"stat_months", Statistic::kMonths},
    {"stat_item_persons", Statistic::kItemPersons},
    {"stat_item_persons_by_months", Statistic::kItemPersonsByMonths},
    {"stat_item_by_months", Statistic::kItemByMonths},
};

struct MeasuredDrawing {
  const char* row;
  bool by_months;
  int setting;  // of `Chart` or of `month_Chart`
};

// Totals styles draw every category, styles by months every category in every month.
constexpr MeasuredDrawing kDrawings[] = {
    {"draw_bar", false, 1},    {"draw_pie", false, 2},           {"draw_3d_bar", false, 3},
    {"draw_3d_pie", false, 4}, {"draw_line", true, 1},           {"draw_stacked_bar", true, 2},
    {"draw_3d_line", true, 3}, {"draw_3d_stacked_bar", true, 4},
};

constexpr charts::Size kImageSize{800, 600};

void RegisterDrawing(OpenedSet& set, const RunSettings& settings, const MeasuredDrawing& drawing) {
  Register(drawing.row, set, settings, [drawing](benchmark::State& state, OpenedSet& s) {
    const StatisticsInput input = InputFor(s, drawing.setting, drawing.setting);
    std::optional<charts::ChartCtrl> chart = charts::BuildStatistic(
        s.db(), drawing.by_months ? Statistic::kCategoriesByMonths : Statistic::kCategories, input);
    for (auto _ : state) {
      QImage image = render::RenderChartImage(*chart, kImageSize);
      benchmark::DoNotOptimize(image.constBits());
    }
  });
}

}  // namespace

void RegisterChartBenchmarks(OpenedSet& set, const RunSettings& settings) {
  for (const MeasuredStatistic& measured : kStatistics) {
    Register(measured.row, set, settings, [measured](benchmark::State& state, OpenedSet& s) {
      const StatisticsInput input = InputFor(s, 1, 2);
      for (auto _ : state) {
        std::optional<charts::ChartCtrl> chart =
            charts::BuildStatistic(s.db(), measured.statistic, input);
        benchmark::DoNotOptimize(chart);
      }
    });
  }
  for (const MeasuredDrawing& drawing : kDrawings) RegisterDrawing(set, settings, drawing);
}

}  // namespace kestrune::bench
