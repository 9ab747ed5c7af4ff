// The totals and charts pages.
#include "charts/statistics.h"
#include "database/month_keys.h"
#include "server/household_site.h"
#include "server/site_pages.h"
#include "server/site_visit.h"

namespace kestrune::server {
namespace {

using charts::ChartStyle;
using charts::Statistic;

struct SiteChart {
  const char* name;
  const char* caption;
  Statistic statistic;
  ChartStyle style;
};

// The charts the charts page shows; "mine" is the signed-in member's own.
constexpr SiteChart kCharts[] = {
    {"mine", "My share of each category", Statistic::kPersonCategories, ChartStyle::kPie},
    {"persons", "Each person's share", Statistic::kPersons, ChartStyle::kPie},
    {"categories", "Every category", Statistic::kCategories, ChartStyle::kBar},
    {"months", "The last twelve months", Statistic::kMonths, ChartStyle::kBar},
};
constexpr charts::Size kChartSize{720, 480};

// Rows of both months' amounts, name by name, and their total.
std::vector<std::vector<std::string>> BothMonths(
    const std::vector<std::pair<std::string, Cents>>& now,
    const std::vector<std::pair<std::string, Cents>>& before) {
  std::vector<std::vector<std::string>> rows;
  Cents sums[2] = {0, 0};
  for (size_t i = 0; i < now.size() && i < before.size(); ++i) {
    rows.push_back(
        {now[i].first, FormatShownCents(now[i].second), FormatShownCents(before[i].second)});
    sums[0] += now[i].second;
    sums[1] += before[i].second;
  }
  rows.push_back({"Total", FormatShownCents(sums[0]), FormatShownCents(sums[1])});
  return rows;
}

}  // namespace

WebResponse HouseholdSite::TotalsPage(Visit& visit) {
  const Day today = hooks_.today();
  MonthTotals now, before;
  Status read = TotalsOfMonth(db_, MonthKeyOf(today.year, today.month), now);
  if (read.ok()) read = TotalsOfMonth(db_, MonthKeyBefore(today.year, today.month), before);
  if (!read.ok()) return Framed(visit, "Totals", ErrorBox(read), 500);
  const std::vector<std::string> header = {"", now.month_key, before.month_key};
  std::string html =
      "<h2>By category</h2>\n" + Table(header, BothMonths(now.by_category, before.by_category));
  html += "<h2>By person</h2>\n" + Table(header, BothMonths(now.by_person, before.by_person));
  return Framed(visit, "Totals", html);
}

WebResponse HouseholdSite::ChartsPage(Visit& visit) {
  std::string html;
  for (const SiteChart& chart : kCharts) {
    html += "<h2>" + std::string(chart.caption) +
            "</h2>\n<img class=\"chart\" src=\"/chart.svg?name=" + chart.name + "\" alt=\"" +
            chart.caption + "\" width=\"720\" height=\"480\">\n";
  }
  return Framed(visit, "Charts", html);
}

WebResponse HouseholdSite::Chart(Visit& visit) {
  const std::string name = visit.fields["name"];
  const SiteChart* chosen = nullptr;
  for (const SiteChart& chart : kCharts) {
    if (name == chart.name) chosen = &chart;
  }
  if (!chosen) return Refused(visit, 404, "No such chart.");
  charts::StatisticsRequest request;
  request.statistic = chosen->statistic;
  request.style = chosen->style;
  request.person = visit.member.person;
  if (chosen->statistic == Statistic::kMonths) request.months_shown = 12;
  Status read = Status::Ok();
  std::optional<charts::ChartCtrl> chart = charts::BuildStatistic(db_, request, &read);
  std::optional<std::string> svg;
  if (chart && read.ok() && hooks_.draw_svg) svg = hooks_.draw_svg(*chart, kChartSize);
  if (!svg) return Refused(visit, 500, read.ok() ? "The chart cannot be drawn." : read.message());
  WebResponse response;
  response.content_type = "image/svg+xml";
  response.body = std::move(*svg);
  return response;
}

}  // namespace kestrune::server
