// The statistics builders and the eight chart types drawn, on one data set.
#include <QImage>

#include "bench/registration.h"
#include "charts/graph_type.h"
#include "charts/statistics.h"
#include "render/chart_image.h"

namespace kestrune::bench {
namespace {

using charts::ChartStyle;
using charts::Statistic;
using charts::StatisticsRequest;

// Every month, all months' totals, and the largest item and its category.
StatisticsRequest RequestFor(OpenedSet& set, Statistic statistic, ChartStyle style) {
  StatisticsRequest request;
  request.statistic = statistic;
  request.style = style;
  request.category = set.category();
  request.item = set.item();
  return request;
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
  ChartStyle style;
};

// Totals styles draw every category, styles by months every category in every month.
constexpr MeasuredDrawing kDrawings[] = {
    {"draw_bar", ChartStyle::kBar},        {"draw_pie", ChartStyle::kPie},
    {"draw_3d_bar", ChartStyle::kBar3d},   {"draw_3d_pie", ChartStyle::kPie3d},
    {"draw_line", ChartStyle::kLine},      {"draw_stacked_bar", ChartStyle::kStackedBar},
    {"draw_3d_line", ChartStyle::kLine3d}, {"draw_3d_stacked_bar", ChartStyle::kStackedBar3d},
};

constexpr charts::Size kImageSize{800, 600};

void RegisterDrawing(OpenedSet& set, const RunSettings& settings, const MeasuredDrawing& drawing) {
  Register(drawing.row, set, settings, [drawing](benchmark::State& state, OpenedSet& s) {
    const Statistic statistic = charts::StyleSuits(drawing.style, Statistic::kCategories)
                                    ? Statistic::kCategories
                                    : Statistic::kCategoriesByMonths;
    std::optional<charts::ChartCtrl> chart =
        charts::BuildStatistic(s.db(), RequestFor(s, statistic, drawing.style));
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
      const StatisticsRequest request =
          RequestFor(s, measured.statistic, charts::DefaultStyle(measured.statistic));
      for (auto _ : state) {
        std::optional<charts::ChartCtrl> chart = charts::BuildStatistic(s.db(), request);
        benchmark::DoNotOptimize(chart);
      }
    });
  }
  for (const MeasuredDrawing& drawing : kDrawings) RegisterDrawing(set, settings, drawing);
}

}  // namespace kestrune::bench
