// The statistics builders on a small book: what each chart shows against the totals the
// queries give and against sums worked out by hand.
#include "charts/statistics.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "charts/chart_arithmetic.h"
#include "charts/chart_description.h"
#include "charts/graph_type.h"
#include "charts/person_shares.h"
#include "charts/recording_canvas.h"
#include "charts/statistic_kinds.h"
#include "tests/support/database_fixture.h"

namespace kestrune::charts {
namespace {

using testing::Lines;
using S = Statistic;

// Anna, Bob and Cleo; Food with Milk and Bread, Home with Lamp, Toys without items; bought
// in April, May and June 2004, some of it for all.
class StatisticsTest : public testing::DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Load();
    for (const char* person : {"Anna", "Bob", "Cleo"}) ASSERT_TRUE(db.AddPerson(person, "").ok());
    for (const char* category : {"Food", "Home", "Toys"})
      ASSERT_TRUE(db.AddCategory(category, "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Food", "Milk", "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Food", "Bread", "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Home", "Lamp", "").ok());
    Record("Food", "Milk", "2004|May|03|Anna|x|12.50");
    Record("Food", "Milk", "2004|May|04|for all|x|30.00");
    Record("Food", "Milk", "2004|April|01|Bob|x|5.00");
    Record("Food", "Bread", "2004|June|02|Cleo|x|9.99");
    Record("Home", "Lamp", "2004|June|01|Bob|x|200.00");
    Record("Home", "Lamp", "2004|June|02|for all|x|9.00");
  }
  static StatisticsRequest Request(Statistic statistic, std::string category = "",
                                   std::string item = "", std::string person = "",
                                   std::string month_key = "all months") {
    return {statistic, category, item, person, month_key, DefaultStyle(statistic), {}};
  }
  ChartCtrl Build(const StatisticsRequest& request) {
    std::optional<ChartCtrl> chart = BuildStatistic(db, request);
    EXPECT_TRUE(chart.has_value());
    return chart ? *chart : ChartCtrl(kBarChart);
  }
  static std::vector<int> Values(const ChartSeries& series) {
    std::vector<int> values;
    for (const ChartPoint& point : series.points()) values.push_back(point.value);
    return values;
  }
  // The first series' values.
  std::vector<int> Values(const StatisticsRequest& request) {
    return Values(Build(request).series().at(0));
  }
};

// A total as a chart draws it: whole units, the cents dropped.
int WholeUnits(const Result<Cents>& total) {
  EXPECT_TRUE(total.ok());
  return static_cast<int>(total.value / 100);
}

TEST_F(StatisticsTest, EachBarIsTheTotalItsQueryGivesForTheMonthAsked) {
  std::vector<std::string> keys = db.GetMonths();
  keys.push_back("all months");
  for (const std::string& key : keys) {
    std::vector<int> categories;
    for (const char* category : {"Food", "Home", "Toys"})
      categories.push_back(WholeUnits(db.CategoryMonthTotal(key, category)));
    const ChartCtrl chart = Build(Request(S::kCategories, "", "", "", key));
    EXPECT_EQ(chart.series().at(0).name(), key);
    EXPECT_EQ(Values(chart.series().at(0)), categories) << key;

    EXPECT_EQ(Values(Request(S::kCategoryItems, "Food", "", "", key)),
              (std::vector<int>{WholeUnits(db.ItemMonthTotal(key, "Food", "Bread")),
                                WholeUnits(db.ItemMonthTotal(key, "Food", "Milk"))}));
  }
}

TEST_F(StatisticsTest, APersonsValueIncludesAnEqualShareOfForAll) {
  // Milk: Anna 12.50 + 10, Bob 5 + 10, Cleo 10; the Lamp adds 3 to everyone.
  EXPECT_EQ(Values(Request(S::kItemPersons, "Food", "Milk")), (std::vector<int>{22, 15, 10}));
  EXPECT_EQ(Values(Request(S::kCategoryPersons, "Food")), (std::vector<int>{22, 15, 19}));
  EXPECT_EQ(Values(Request(S::kPersons)), (std::vector<int>{25, 218, 22}));
  EXPECT_EQ(Values(Request(S::kPersonCategories, "", "", "Anna")), (std::vector<int>{22, 3, 0}));
  EXPECT_EQ(Values(Request(S::kPersonItems, "Food", "", "Cleo")), (std::vector<int>{9, 10}));
  // The household's statistics of an item and of a person show the same.
  EXPECT_EQ(Values(Request(S::kHouseholdItemPersons, "Food", "Milk")),
            (std::vector<int>{22, 15, 10}));
  EXPECT_EQ(Values(Request(S::kHouseholdPersonCategories, "", "", "Anna")),
            (std::vector<int>{22, 3, 0}));
  EXPECT_EQ(Values(Request(S::kPersonCategoriesInMonth, "", "", "Bob", "2004 June")),
            (std::vector<int>{0, 203, 0}));
}

TEST_F(StatisticsTest, ByMonthsIsTheTotalsChartOfEachMonthNewestFirst) {
  const std::pair<S, S> pairs[] = {
      {S::kItemPersons, S::kItemPersonsByMonths},
      {S::kHouseholdItemPersons, S::kHouseholdItemPersonsByMonths},
      {S::kCategoryPersons, S::kCategoryPersonsByMonths},
      {S::kPersons, S::kPersonsByMonths},
      {S::kPersonCategories, S::kPersonCategoriesByMonths},
      {S::kHouseholdPersonCategories, S::kHouseholdPersonCategoriesByMonths},
      {S::kPersonItems, S::kPersonItemsByMonths},
      {S::kCategories, S::kCategoriesByMonths},
      {S::kCategoryItems, S::kCategoryItemsByMonths}};
  for (const auto& [totals, by_months] : pairs) {
    const ChartCtrl chart = Build(Request(by_months, "Food", "Milk", "Cleo"));
    ASSERT_EQ(chart.series_count(), 3);
    for (const ChartSeries& series : chart.series()) {
      EXPECT_EQ(Values(series), Values(Request(totals, "Food", "Milk", "Cleo", series.name())))
          << static_cast<int>(by_months) << series.name();
    }
    EXPECT_EQ(chart.series().front().name(), "2004 June");
  }
  EXPECT_EQ(Values(Request(S::kPersonCategoriesInMonth, "", "", "Cleo", "2004 May")),
            Values(Build(Request(S::kPersonCategoriesByMonths, "", "", "Cleo")).series().at(1)));
}

TEST_F(StatisticsTest, TheChartsAsDrawn) {
  // Home 209 is the largest: 229.9 by 22.99, truncated; the maximum rises to the eleventh
  // tick so that the labels match the bars.
  EXPECT_EQ(
      DescribeChart(Build(Request(S::kCategories))),
      Lines({"title \"Category's statictics\"", "x-axis title \"\"", "y-axis title \"Expenses\"",
             "graph type 0 \"Bar chart\"", "scale minimum 0 maximum 242 step 22 ticks 11",
             "label 0 \"Food\"", "label 1 \"Home\"", "label 2 \"Toys\"", "label 9 \"12345678\"",
             "colour 0 #00c000", "colour 1 #00c0c0", "colour 2 #c7b1ff",
             "series \"all months\" 0:57 1:209 2:0"}));
  // No item: the spare label alone, no colours, a series without points, the scale at ten.
  EXPECT_EQ(DescribeChart(Build(Request(S::kCategoryItems, "Toys"))),
            Lines({"title \"Items statictics\"", "x-axis title \"\"", "y-axis title \"Expenses\"",
                   "graph type 0 \"Bar chart\"", "scale minimum 0 maximum 10 step 1 ticks 10",
                   "label 9 \"12345678\"", "series \"all months\""}));
  // The item alone in one green under the spare label's key; the largest month is May's 42.5.
  StatisticsRequest milk = Request(S::kItemByMonths, "Food", "Milk");
  milk.style = ChartStyle::kLine;
  EXPECT_EQ(DescribeChart(Build(milk)),
            Lines({"title \"Statictics by months\"", "x-axis title \"Months\"",
                   "y-axis title \"Expenses\"", "graph type 1 \"Line graph\"",
                   "scale minimum 0 maximum 48 step 4 ticks 12", "label 0 \"Milk\"",
                   "label 1 \"12345678\"", "colour 1 #00c000", "series \"2004 June\" 0:0",
                   "series \"2004 May\" 0:42", "series \"2004 April\" 0:5"}));
  // The titles the charts above do not show.
  EXPECT_EQ(Build(Request(S::kItemPersons, "Food", "Milk")).title(), "Person's statictics");
  EXPECT_EQ(Build(Request(S::kPersons)).title(), "Persons statictics");
  EXPECT_EQ(Build(Request(S::kPersonItems, "Food", "", "Anna")).title(), "Item's statictics");
}

TEST_F(StatisticsTest, MonthsShownLimitsTheSeriesToTheNewest) {
  StatisticsRequest request = Request(S::kCategoriesByMonths);
  request.months_shown = 2;
  ChartCtrl chart = Build(request);
  ASSERT_EQ(chart.series_count(), 2);
  EXPECT_EQ(chart.series()[1].name(), "2004 May");
  // The scale follows the largest monthly sum shown: June's 218.99.
  EXPECT_EQ(chart.scale_maximum(), 240);

  request.months_shown = 0;
  chart = Build(request);
  ASSERT_EQ(chart.series_count(), 1);
  EXPECT_EQ(chart.series()[0].name(), "No data");
  EXPECT_EQ(chart.series()[0].PointCount(), 0);

  // All expenses by months label every month but give a bar only to the months shown.
  request = Request(S::kMonths);
  request.months_shown = 2;
  chart = Build(request);
  EXPECT_EQ(chart.labels().Count(), 4);  // three months and the spare label
  EXPECT_EQ(Values(chart.series().at(0)), (std::vector<int>{218, 42}));
}

TEST_F(StatisticsTest, AnUnsuitedStyleOrUnknownNameBuildsNothing) {
  ASSERT_TRUE(db.AddItemToCategory("Home", "Rug", "").ok());
  StatisticsRequest request = Request(S::kItemPersons, "Home", "Rug");
  request.style = ChartStyle::kLine;
  EXPECT_FALSE(BuildStatistic(db, request).has_value());
  request.statistic = S::kItemByMonths;
  for (const int style : {static_cast<int>(ChartStyle::kPie), 8, -1}) {
    request.style = static_cast<ChartStyle>(style);
    EXPECT_FALSE(BuildStatistic(db, request).has_value()) << style;
  }
  // Nor does a name the catalogue lacks, which a query would make a file for.
  request.style = ChartStyle::kLine;
  request.item = "Sofa";
  EXPECT_FALSE(BuildStatistic(db, request).has_value());
  request.statistic = S::kCategoryPersons;
  request.style = ChartStyle::kBar;
  request.category = "Garden";
  EXPECT_FALSE(BuildStatistic(db, request).has_value());
  // Nothing was read, so the Rug's file, left to its first reader, is still not there.
  EXPECT_FALSE(std::filesystem::exists(db.ItemFilePath("Home", "Rug")));
  EXPECT_FALSE(std::filesystem::exists(db.ItemFilePath("Home", "Sofa")));
  EXPECT_FALSE(std::filesystem::exists(db.CategoryFilePath("Garden")));
}

TEST_F(StatisticsTest, BudgetChartDrawsEachMonthsSpendingWithTheBudgetAsALineAcross) {
  ASSERT_TRUE(db.SetBudget("Food", "", 4000).ok());
  StatisticsRequest request = Request(S::kBudgetByMonths, "Food");
  ChartCtrl chart = Build(request);
  EXPECT_EQ(chart.title(), "Budget and spending by months");
  // June, May and April 2004: 9.99, 42.50 and 5.00, whole units drawn.
  EXPECT_EQ(Values(chart.series().at(0)), (std::vector<int>{9, 42, 5}));
  RecordingCanvas canvas(Size{640, 480}, TextMetrics{16, 7, 14});
  chart.Draw(canvas);
  std::vector<int> bar_tops;
  int line_y = -1;
  for (const std::string& call : canvas.calls()) {
    std::istringstream in(call);
    std::string verb;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    in >> verb >> x1 >> y1 >> x2 >> y2;
    if (verb == "rect" && y2 == chart.layout().plot_bottom) bar_tops.push_back(y1);
    if (verb == "line" && y1 == y2 && x1 == chart.layout().plot_left &&
        x2 == x1 + chart.layout().plot_width) {
      line_y = y1;
    }
  }
  // The budget line lies under May's bar, over June's and April's (y grows downwards).
  ASSERT_EQ(bar_tops.size(), 3u);
  EXPECT_TRUE(bar_tops[1] < line_y && line_y < bar_tops[0] && line_y < bar_tops[2]) << line_y;
  EXPECT_NE(canvas.Text().find("\"Budget 40.00\""), std::string::npos);

  // An item's budget above every bar raises the scale to hold it; without one, no line.
  ASSERT_TRUE(db.SetBudget("Food", "Milk", 10000).ok());
  request.item = "Milk";
  request.months_shown = 2;
  chart = Build(request);
  EXPECT_EQ(Values(chart.series().at(0)), (std::vector<int>{0, 42}));
  EXPECT_GE(chart.scale_maximum(), 100);
  EXPECT_EQ(chart.level_line()->caption, "Budget 100.00");
  ASSERT_TRUE(db.ClearBudget("Food", "Milk").ok());
  EXPECT_FALSE(Build(request).level_line());
  request.style = ChartStyle::kPie;
  EXPECT_FALSE(BuildStatistic(db, request));
}

TEST(ChartScale, HugeAndNonFiniteAmountsKeepTheScaleAndItsLabelsSane) {
  for (const int type : kGraphTypes) {
    for (const double huge : {1e300, HUGE_VAL, 2e9}) {
      ChartCtrl totals = StartChart(type, "t", "", {"a", "b", "c"});
      AddTotalsSeries(totals, "", {huge, std::nan(""), 500});
      ChartCtrl months = StartChart(type, "t", "", {"a", "b"});
      AddMonthSeries(months, {"2004 January"}, [&](const std::string&) {
        return std::vector<double>{huge, huge};
      });
      for (ChartCtrl* chart : {&totals, &months}) {
        EXPECT_EQ(chart->scale_maximum(), 1100000000) << type << " " << huge;
        EXPECT_EQ(chart->scale_step(), 110000000);
        RecordingCanvas canvas(Size{640, 480}, TextMetrics{16, 7, 14});
        chart->Draw(canvas);
        for (const std::string& call : canvas.calls())
          EXPECT_EQ(call.find("2147483647"), std::string::npos) << call;
      }
    }
  }
  ChartCtrl chart(kBarChart);
  EXPECT_FALSE(chart.SetScale(0, INT_MAX, 1000000000));  // its last label would be 3e9
  EXPECT_FALSE(chart.SetScale(INT_MIN, 0, 1000000000));
}

TEST(PersonShares, ForAllIsSharedOnlyWhenThereArePersons) {
  const PersonTotals totals{{"Anna", 500}, {"Bob", 0}, {kForAll, 3000}};
  EXPECT_EQ(SharesOf(totals, {"Anna", "Bob"}), (std::vector<double>{20.0, 15.0}));
  EXPECT_DOUBLE_EQ(ShareOf(totals, "Anna", 0), 5.0);  // nobody to share among
  EXPECT_DOUBLE_EQ(ShareOf(totals, "Zoe", 2), 15.0);  // a name not asked for counts as 0
}

}  // namespace
}  // namespace kestrune::charts
