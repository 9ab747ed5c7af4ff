// The statistics builders on small databases: every value below is worked out by hand from
// the purchases each test records.
#include "charts/statistics.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>

#include "charts/chart_description.h"
#include "charts/graph_type.h"
#include "charts/person_shares.h"
#include "charts/recording_canvas.h"
#include "charts/statistic_kinds.h"
#include "database/sections.h"
#include "tests/support/database_fixture.h"

namespace kestrune::charts {
namespace {

using testing::Lines;

// Persons Anna, Bob and Cleo; Food with Milk and Bread, Home with Lamp, Toys without items.
class StatisticsTest : public testing::DatabaseTest {
 protected:
  void SetUp() override {
    WriteEmptyIndexes();
    Load();
    for (const char* person : {"Anna", "Bob", "Cleo"}) ASSERT_TRUE(db.AddPerson(person, "").ok());
    for (const char* category : {"Food", "Home", "Toys"}) {
      ASSERT_TRUE(db.AddCategory(category, "").ok());
    }
    ASSERT_TRUE(db.AddItemToCategory("Food", "Milk", "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Food", "Bread", "").ok());
    ASSERT_TRUE(db.AddItemToCategory("Home", "Lamp", "").ok());
  }
  // Records a purchase line (year|month|day|person|information|sum) as the dialog does.
  void Buy(const std::string& category, const std::string& item, const std::string& line) {
    const PurchaseRecord purchase = ParsePurchaseLine(line);
    ASSERT_TRUE(db.AddMonth(MonthKeyOf(purchase)).ok());
    ASSERT_TRUE(db.RecordPurchase(category, item, purchase).ok());
  }
  // The filled chart as text; empty (and a failure) when nothing was built.
  std::string Describe(Statistic statistic, const StatisticsInput& in = AllMonths()) {
    const std::optional<ChartCtrl> chart = BuildStatistic(db, statistic, in);
    EXPECT_TRUE(chart.has_value());
    return chart ? DescribeChart(*chart) : "";
  }
  static StatisticsInput AllMonths() {
    StatisticsInput in;
    in.Show = 1;
    return in;
  }
  // The lines of a description from the scale on (the head is checked once per title).
  static std::string Body(const std::string& description) {
    return description.substr(description.find("scale "));
  }
};

constexpr const char* kThreeColours = "colour 0 #00c000\ncolour 1 #00c0c0\ncolour 2 #c7b1ff\n";
constexpr const char* kPersonLabels = "label 0 \"Anna\"\nlabel 1 \"Bob\"\nlabel 2 \"Cleo\"\n";

TEST_F(StatisticsTest, TotalsScaleStaysAtTenUntilAValueExceedsItAndPointsAreTruncated) {
  Buy("Food", "Bread", "2004|June|02|Cleo|x|9.99");
  EXPECT_EQ(
      Describe(Statistic::kCategories),
      Lines({"title \"Category's statictics\"", "x-axis title \"\"", "y-axis title \"Expenses\"",
             "graph type 0 \"Bar chart\"", "scale minimum 0 maximum 10 step 1 ticks 10",
             "label 0 \"Food\"", "label 1 \"Home\"", "label 2 \"Toys\"", "label 9 \"12345678\"",
             "colour 0 #00c000", "colour 1 #00c0c0", "colour 2 #c7b1ff",
             "series \"all months\" 0:9 1:0 2:0"}));

  Buy("Home", "Lamp", "2004|June|01|Bob|x|200.00");
  EXPECT_EQ(
      Body(Describe(Statistic::kCategories)),
      Lines({"scale minimum 0 maximum 220 step 22 ticks 10", "label 0 \"Food\"", "label 1 \"Home\"",
             "label 2 \"Toys\"", "label 9 \"12345678\"", "colour 0 #00c000", "colour 1 #00c0c0",
             "colour 2 #c7b1ff", "series \"all months\" 0:9 1:200 2:0"}));
}

TEST_F(StatisticsTest, PersonsOfAnItemShareWhatWasBoughtForAll) {
  Buy("Food", "Milk", "2004|May|03|Anna|x|12.50");
  Buy("Food", "Milk", "2004|May|04|for all|x|30.00");
  Buy("Food", "Milk", "2004|June|01|Bob|x|5.00");
  StatisticsInput in = AllMonths();
  in.SelectedCat = "Food";
  in.SelectedItem = "Milk";
  // 30 for all adds 10 to each of three persons; "for all" gets no point of its own.
  // Largest 22.5: maximum 24.75 and step 2.475, truncated.
  const std::string body = "scale minimum 0 maximum 24 step 2 ticks 12\n" +
                           std::string(kPersonLabels) + "label 9 \"12345678\"\n" + kThreeColours +
                           "series \"all months\" 0:22 1:15 2:10\n";
  EXPECT_EQ(Describe(Statistic::kItemPersons, in),
            Lines({"title \"Person's statictics\"", "x-axis title \"\"",
                   "y-axis title \"Expenses\"", "graph type 0 \"Bar chart\""}) +
                body);

  // The household's item statistics read the item from their own selection strings.
  StatisticsInput household = AllMonths();
  household.SelectedStatisticMenu = "Food";
  household.SelectedStatisticMenuChild = "Milk";
  const std::string described = Describe(Statistic::kHouseholdItemPersons, household);
  EXPECT_EQ(described.substr(0, described.find('\n')), "title \"Persons statictics\"");
  EXPECT_EQ(Body(described), body);
}

TEST_F(StatisticsTest, MonthFilterNamesTheSeriesAndFallsBackToAllMonths) {
  Buy("Food", "Milk", "2004|May|03|Anna|x|12.50");
  Buy("Food", "Milk", "2004|May|04|for all|x|30.00");
  Buy("Food", "Milk", "2004|June|01|Bob|x|5.00");
  StatisticsInput in;
  in.SelectedCat = "Food";
  in.SelectedItem = "Milk";
  auto series = [&](int show, int position) {
    in.Show = show;
    in.month_chooser_position = position;
    const std::optional<ChartCtrl> chart = BuildStatistic(db, Statistic::kItemPersons, in);
    return DescribeChart(*chart).substr(DescribeChart(*chart).find("series "));
  };
  // The months are 2004 June, 2004 May: position 1 is May.
  EXPECT_EQ(series(2, 1), "series \"2004 May\" 0:22 1:10 2:10\n");
  EXPECT_EQ(series(2, 0), "series \"2004 June\" 0:0 1:5 2:0\n");
  // No month chosen, a position past the months, or Show 1: the grand total.
  for (const auto& [show, position] : {std::pair{2, -1}, std::pair{2, 2}, std::pair{1, 1}}) {
    EXPECT_EQ(series(show, position), "series \"all months\" 0:22 1:15 2:10\n")
        << "Show " << show << ", position " << position;
  }
}

TEST_F(StatisticsTest, ByMonthsShowsTheNewestMonthsFirstScaledToTheLargestMonthlySum) {
  const char* months[] = {"January", "February", "March", "April", "May"};
  for (int m = 1; m <= 5; ++m) {
    Buy("Food", "Milk",
        "2004|" + std::string(months[m - 1]) + "|01|Anna|x|" + std::to_string(10 * m) + ".00");
  }
  Buy("Food", "Milk", "2004|May|02|for all|x|30.00");
  StatisticsInput in;
  in.SelectedCat = "Food";
  in.SelectedItem = "Milk";
  in.ShowAllMonths = false;
  in.MonthsNum = 3;
  // May sums to 60 + 10 + 10 = 80: maximum 88, step 8.8 truncated.
  const std::string head =
      Lines({"title \"Statictics by months\"", "x-axis title \"Months\"",
             "y-axis title \"Expenses\"", "graph type 20 \"Stacked bar chart\"",
             "scale minimum 0 maximum 88 step 8 ticks 11"}) +
      kPersonLabels + "label 9 \"12345678\"\n" + kThreeColours;
  EXPECT_EQ(
      Describe(Statistic::kItemPersonsByMonths, in),
      head + Lines({"series \"2004 May\" 0:60 1:10 2:10", "series \"2004 April\" 0:40 1:0 2:0",
                    "series \"2004 March\" 0:30 1:0 2:0"}));

  in.ShowAllMonths = true;
  const std::optional<ChartCtrl> all = BuildStatistic(db, Statistic::kItemPersonsByMonths, in);
  ASSERT_EQ(all->series_count(), 5);
  EXPECT_EQ(all->series().back().name(), "2004 January");
  EXPECT_EQ(all->scale_maximum(), 88);
}

TEST_F(StatisticsTest, ByMonthsWithoutMonthsHasOneEmptyNoDataSeries) {
  StatisticsInput in;
  in.SelectedStatisticMenu = "Food";
  const std::optional<ChartCtrl> chart = BuildStatistic(db, Statistic::kCategoryItemsByMonths, in);
  ASSERT_TRUE(chart.has_value());
  ASSERT_EQ(chart->series_count(), 1);
  EXPECT_EQ(chart->series()[0].name(), "No data");
  EXPECT_EQ(chart->series()[0].PointCount(), 0);
  EXPECT_EQ(chart->category_count(), 0);  // so the legend lists no rows
  EXPECT_EQ(chart->scale_maximum(), 10);
}

TEST_F(StatisticsTest, ItemAloneByMonthsHasOneGreenUnderTheSpareLabelsKey) {
  Buy("Food", "Milk", "2004|May|03|Anna|x|12.50");
  Buy("Food", "Milk", "2004|June|01|for all|x|30.00");
  StatisticsInput in;
  in.SelectedCat = "Food";
  in.SelectedItem = "Milk";
  in.month_Chart = 1;
  EXPECT_EQ(Body(Describe(Statistic::kItemByMonths, in)),
            Lines({"scale minimum 0 maximum 33 step 3 ticks 11", "label 0 \"Milk\"",
                   "label 1 \"12345678\"", "colour 1 #00c000", "series \"2004 June\" 0:30",
                   "series \"2004 May\" 0:12"}));
}

TEST_F(StatisticsTest, AllExpensesByMonthsLabelsEveryMonthButPointsOnlyTheMonthsShown) {
  const char* months[] = {"January", "February", "March", "April", "May"};
  for (int m = 1; m <= 5; ++m) {
    Buy("Food", "Milk",
        "2004|" + std::string(months[m - 1]) + "|01|Anna|x|" + std::to_string(10 * m) + ".00");
  }
  Buy("Home", "Lamp", "2004|March|09|Bob|x|100.00");
  StatisticsInput in;
  in.ShowAllMonths = false;
  in.MonthsNum = 3;
  // The largest month, March, sums 130 over both categories: 143 by 14.3, truncated. 143
  // falls between the tenth and the eleventh tick, so the maximum is the eleventh, 154, and
  // the tick labels match the bars.
  EXPECT_EQ(
      Describe(Statistic::kMonths, in),
      Lines({"title \"Statictics by months\"", "x-axis title \"\"", "y-axis title \"Expenses\"",
             "graph type 0 \"Bar chart\"", "scale minimum 0 maximum 154 step 14 ticks 11",
             "label 0 \"2004 May\"", "label 1 \"2004 April\"", "label 2 \"2004 March\"",
             "label 3 \"2004 February\"", "label 4 \"2004 January\"", "label 9 \"12345678\"",
             "colour 0 #00c000", "colour 1 #00c0c0", "colour 2 #c7b1ff", "colour 3 #ff9933",
             "colour 4 #ffff00", "series \"\" 0:50 1:40 2:130"}));
}

// Anna 12.50 and "for all" 30 on Milk in May; Bob 200 and "for all" 9 on the Lamp in June.
class PersonStatisticsTest : public StatisticsTest {
 protected:
  void SetUp() override {
    StatisticsTest::SetUp();
    Buy("Food", "Milk", "2004|May|03|Anna|x|12.50");
    Buy("Food", "Milk", "2004|May|04|for all|x|30.00");
    Buy("Home", "Lamp", "2004|June|01|Bob|x|200.00");
    Buy("Home", "Lamp", "2004|June|02|for all|x|9.00");
  }
  std::string Series(Statistic statistic, const StatisticsInput& in) {
    const std::string described = Describe(statistic, in);
    return described.substr(described.find("series "));
  }
};

TEST_F(PersonStatisticsTest, APersonsCategoriesAndItemsAddTheShareOfForAll) {
  StatisticsInput in = AllMonths();
  in.SelectedPerson = "Anna";
  const std::string described = Describe(Statistic::kPersonCategories, in);
  EXPECT_EQ(described.substr(0, described.find('\n')), "title \"Category's statictics\"");
  // Food 12.5 + 10, Home 0 + 3.
  EXPECT_EQ(Body(described), Lines({"scale minimum 0 maximum 24 step 2 ticks 12",
                                    "label 0 \"Food\"", "label 1 \"Home\"", "label 2 \"Toys\"",
                                    "label 9 \"12345678\"", "colour 0 #00c000", "colour 1 #00c0c0",
                                    "colour 2 #c7b1ff", "series \"all months\" 0:22 1:3 2:0"}));

  StatisticsInput household = AllMonths();
  household.SelectedStatisticMenu = "Anna";
  EXPECT_EQ(Describe(Statistic::kHouseholdPersonCategories, household), described);

  in.SelectedPersonMenuChild = "Food";
  const std::string items = Describe(Statistic::kPersonItems, in);
  EXPECT_EQ(items.substr(0, items.find('\n')), "title \"Item's statictics\"");
  EXPECT_NE(items.find("label 0 \"Bread\"\nlabel 1 \"Milk\"\nlabel 9"), std::string::npos);
  EXPECT_EQ(Series(Statistic::kPersonItems, in), "series \"all months\" 0:0 1:22\n");

  StatisticsInput months = AllMonths();
  months.SelectedPerson = "Anna";
  EXPECT_EQ(Series(Statistic::kPersonCategoriesByMonths, months),
            Lines({"series \"2004 June\" 0:0 1:3 2:0", "series \"2004 May\" 0:22 1:0 2:0"}));
}

TEST_F(PersonStatisticsTest, APersonsMonthIsItsOwnWhateverTheFilter) {
  StatisticsInput in = AllMonths();
  in.SelectedPerson = "Bob";
  in.SelectedPersonMenuChild = "2004 June";
  // Home 200 + 3: 223.3 by 22.33, truncated; the maximum rises to the eleventh tick.
  const std::string described = Describe(Statistic::kPersonCategoriesInMonth, in);
  EXPECT_NE(described.find("scale minimum 0 maximum 242 step 22 ticks 11\n"), std::string::npos);
  EXPECT_EQ(Series(Statistic::kPersonCategoriesInMonth, in),
            "series \"2004 June\" 0:0 1:203 2:0\n");
}

TEST_F(PersonStatisticsTest, PersonsOverCategoriesAndOfOneCategory) {
  // Anna 22.5 + 3, Bob 10 + 203, Cleo 10 + 3; the largest gives 234.3 by 23.43, and the
  // maximum the eleventh tick.
  const std::string persons = Describe(Statistic::kPersons);
  EXPECT_EQ(persons.substr(0, persons.find('\n')), "title \"Persons statictics\"");
  EXPECT_EQ(Body(persons), "scale minimum 0 maximum 253 step 23 ticks 11\n" +
                               std::string(kPersonLabels) + "label 9 \"12345678\"\n" +
                               kThreeColours + "series \"all months\" 0:25 1:213 2:13\n");

  StatisticsInput in = AllMonths();
  in.SelectedStatisticMenu = "Food";
  const std::string food = Describe(Statistic::kCategoryPersons, in);
  EXPECT_EQ(food.substr(0, food.find('\n')), "title \"Person's statictics\"");
  EXPECT_EQ(Series(Statistic::kCategoryPersons, in), "series \"all months\" 0:22 1:10 2:10\n");

  const std::string items = Describe(Statistic::kCategoryItems, in);
  EXPECT_EQ(items.substr(0, items.find('\n')), "title \"Items statictics\"");
  EXPECT_EQ(Series(Statistic::kCategoryItems, in), "series \"all months\" 0:0 1:42\n");

  EXPECT_EQ(Series(Statistic::kPersonsByMonths, AllMonths()),
            Lines({"series \"2004 June\" 0:3 1:203 2:3", "series \"2004 May\" 0:22 1:10 2:10"}));
}

TEST_F(StatisticsTest, EmptyEntityListsGiveASeriesWithoutPointsAndNoColours) {
  StatisticsInput in = AllMonths();
  in.SelectedStatisticMenu = "Toys";
  const std::optional<ChartCtrl> chart = BuildStatistic(db, Statistic::kCategoryItems, in);
  ASSERT_TRUE(chart.has_value());
  EXPECT_EQ(chart->labels().Count(), 1);  // the spare label alone
  EXPECT_TRUE(chart->colours().empty());
  ASSERT_EQ(chart->series_count(), 1);
  EXPECT_EQ(chart->series()[0].PointCount(), 0);
}

TEST_F(StatisticsTest, ChartTypeSettingsMapToGraphTypesAndOthersBuildNothing) {
  StatisticsInput in = AllMonths();
  in.SelectedCat = "Home";
  in.SelectedItem = "Lamp";
  const int totals[] = {kBarChart, kPieChart, kBarChart3d, kPieChart3d};
  const int by_months[] = {kLineGraph, kStackedBarChart, kLineGraph3d, kStackedBarChart3d};
  for (int setting = 1; setting <= 4; ++setting) {
    in.Chart = setting;
    in.month_Chart = 5 - setting;  // the other setting never matters
    EXPECT_EQ(BuildStatistic(db, Statistic::kCategories, in)->graph_type(), totals[setting - 1]);
    EXPECT_EQ(BuildStatistic(db, Statistic::kMonths, in)->graph_type(), totals[setting - 1]);
    in.month_Chart = setting;
    in.Chart = 5 - setting;
    EXPECT_EQ(BuildStatistic(db, Statistic::kCategoriesByMonths, in)->graph_type(),
              by_months[setting - 1]);
  }
  in.Chart = 0;
  in.month_Chart = 5;
  EXPECT_FALSE(BuildStatistic(db, Statistic::kItemPersons, in).has_value());
  EXPECT_FALSE(BuildStatistic(db, Statistic::kItemByMonths, in).has_value());
  // Nothing was read, so the Lamp's file, left to its first reader, is still not there.
  EXPECT_FALSE(std::filesystem::exists(db.ItemFilePath("Home", "Lamp")));
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
        for (const std::string& call : canvas.calls()) {
          EXPECT_EQ(call.find("2147483647"), std::string::npos) << call;
        }
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
  EXPECT_DOUBLE_EQ(ShareOf(totals, "Anna", 3), 15.0);
  EXPECT_DOUBLE_EQ(ShareOf(totals, "Anna", 0), 5.0);  // nobody to share among
  EXPECT_DOUBLE_EQ(ShareOf(totals, "Zoe", 2), 15.0);  // a name not asked for counts as 0
  EXPECT_EQ(EveryoneAtZero({"Anna"}), (PersonTotals{{"Anna", 0}, {kForAll, 0}}));
}

}  // namespace
}  // namespace kestrune::charts
