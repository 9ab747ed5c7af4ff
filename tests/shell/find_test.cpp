#include <QComboBox>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include "shell/find_panel.h"
#include "shell/find_request.h"
#include "shell/find_results.h"
#include "tests/shell/frame_fixture.h"

namespace kestrune::testing {
namespace {

FoundPurchase Found(std::string date, std::string item, Cents cents) {
  FoundPurchase found;
  found.date = std::move(date);
  found.item = std::move(item);
  found.cents = cents;
  return found;
}

// A column as the table shows it from top to bottom.
std::string Column(const QAbstractItemModel& model, int column) {
  std::string text;
  for (int row = 0; row < model.rowCount(); ++row) {
    text += model.index(row, column).data().toString().toStdString() + " ";
  }
  return text;
}

// Sums sort as numbers and dates as dates, not as the text shown; the summary counts them all.
TEST(FindResults, SortByNumberAndDateAndSumEveryResult) {
  FindResultsModel results;
  results.setResults({{Found("2024-10-02", "Rent", 70000), Found("2024-09-30", "Milk", 990),
                       Found("", "Bread", 12050)},
                      82040});
  QSortFilterProxyModel sorted;
  sorted.setSourceModel(&results);
  sorted.setSortRole(FindResultsModel::kSortRole);
  sorted.sort(FindResultsModel::kSum, Qt::AscendingOrder);
  EXPECT_EQ(Column(sorted, FindResultsModel::kSum), "9.90 120.50 700.00 ");
  sorted.sort(FindResultsModel::kDate, Qt::DescendingOrder);
  EXPECT_EQ(Column(sorted, FindResultsModel::kItem), "Rent Milk Bread ");  // no date: last
  EXPECT_EQ(ResultsSummary(3, results.results().sum), "3 purchases found, 820.40 in all");
  EXPECT_EQ(ResultsSummary(1, 350), "1 purchase found, 3.50 in all");
}

TEST(FindRequestOf, ThePanelsFieldsMakeTheSearchOrSayWhatIsWrong) {
  FindFields fields{"  rye\tbread ", "for all", QDate(2024, 3, 1), QDate(2024, 3, 31), "1,5", ""};
  const Result<FindRequest> request = RequestOf(fields);
  ASSERT_TRUE(request.ok());
  EXPECT_EQ(request.value.words, (std::vector<std::string>{"rye", "bread"}));
  EXPECT_EQ(request.value.person, "for all");
  EXPECT_EQ(request.value.from, "2024-03-01");
  EXPECT_EQ(request.value.to, "2024-03-31");
  EXPECT_EQ(request.value.min_sum, 150);
  EXPECT_FALSE(request.value.max_sum);
  EXPECT_FALSE(RequestOf(FindFields{}).value.from);
  fields.max_sum = "1";
  EXPECT_EQ(RequestOf(fields).status.message(), "The smallest sum is larger than the largest sum.");
  fields.max_sum = "12abc";
  EXPECT_EQ(RequestOf(fields).status.message(), "The largest sum \"12abc\" is not a number.");
  fields.from = QDate(2024, 4, 1);
  EXPECT_EQ(RequestOf(fields).status.message(), "The first day is after the last day.");
}

class FindTest : public FrameTest {
 protected:
  // Types into the panel's field and presses Enter there, then waits for the search.
  std::string Search(FindPanel& panel, const char* field, const QString& text) {
    auto* edit = panel.findChild<QLineEdit*>(field);
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panel.searching(); }));
    Settle();
    return panel.findChild<QLabel*>("findSummary")->text().toStdString();
  }
};

TEST_F(FindTest, CtrlFFindsAPurchaseAndADoubleClickShowsItsItemInItsMonth) {
  MainWindow& main = OpenHousehold("Bread");
  main.activateWindow();
  QTest::keyClick(&main, Qt::Key_F, Qt::ControlModifier);
  Settle();
  ASSERT_NE(main.findPanel(), nullptr);
  FindPanel& panel = *main.findPanel();
  EXPECT_EQ(Search(panel, "minSum", "abc"), "The smallest sum \"abc\" is not a number.");
  panel.findChild<QLineEdit*>("minSum")->clear();
  EXPECT_EQ(Search(panel, "findWords", "RYE"), "1 purchase found, 3.50 in all");
  EXPECT_EQ(Search(panel, "findWords", ""), "2 purchases found, 703.50 in all");
  panel.findChild<QComboBox*>("findPerson")->setCurrentText("Bob");
  EXPECT_EQ(Search(panel, "findWords", "rent"), "1 purchase found, 700.00 in all");

  QTableView* table = panel.table();
  const QRect row = table->visualRect(table->model()->index(0, FindResultsModel::kItem));
  // A double-click is a click, then a second press that the window reports as a double-click.
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row.center());
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row.center());
  Settle();
  EXPECT_EQ(main.state().selectedCategory, "Home");
  EXPECT_EQ(main.state().selectedItem, "Rent");
  EXPECT_EQ(main.monthChooser()->currentText(), "2024 February");
  EXPECT_NE(TreeOutline().find("Rent *"), std::string::npos) << TreeOutline();
}

}  // namespace
}  // namespace kestrune::testing
