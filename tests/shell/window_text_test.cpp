// What the window makes of the household's own texts and of the screen: names that look like
// markup or run long, pane widths, and what it keeps from one run to the next.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSplitter>
#include <QTest>
#include <QTimer>

#include "shell/qt_user_prompts.h"
#include "tests/shell/frame_fixture.h"

namespace kestrune {
namespace {

// 126 characters that read as bold if taken for markup.
const std::string kLongName = "<b>x<b>" + std::string(119, 'W');

using WindowTextTest = testing::FrameTest;

TEST_F(WindowTextTest, ALongNameLikeMarkupIsShownPlainCutAndWholeInItsTooltip) {
  Prepare([](ExpenseDatabase& db) { EXPECT_TRUE(db.AddCategory(kLongName, "").ok()); });
  MainWindow& main = Open();
  ASSERT_TRUE(SelectNode(kLongName));
  const QString name = QString::fromStdString(kLongName);
  auto* caption = main.captionBar()->findChild<QLabel*>("captionText");
  EXPECT_EQ(caption->textFormat(), Qt::PlainText);
  EXPECT_TRUE(caption->text().startsWith("<b>x<b>W")) << caption->text().toStdString();
  EXPECT_LT(caption->text().size(), name.size());
  EXPECT_TRUE(caption->toolTip().contains(name.toHtmlEscaped()));
  EXPECT_TRUE(main.treePane()->tree()->currentItem()->toolTip(0).contains(name.toHtmlEscaped()));
  // Nothing asks for more room than a small screen has.
  EXPECT_LE(main.minimumSizeHint().width(), 800);
  EXPECT_LE(main.treePane()->width(), 320);
  EXPECT_GE(main.folderBar()->width(), 100);
}

// Closing writes the preferences: the choices, the chosen month, the selection and the
// layout come back on the next run.
TEST_F(WindowTextTest, ClosingKeepsTheChoicesTheMonthTheSelectionAndTheLayout) {
  PrepareHousehold();
  store->Write("Config", "MonthsNum", "0");
  MainWindow& main = Open();
  main.monthChooser()->setCurrentIndex(1);
  main.folderBar()->setSmallIcons(1, true);
  Run("actionShowAll");
  Run("actionPie3dChart");
  ASSERT_TRUE(main.db().AddItemToCategory("Home", "NULL", "").ok());  // a name, not "nothing"
  ASSERT_TRUE(SelectNode("Home"));
  auto* splitter = frame->findChild<QSplitter*>("treeSplitter");
  const int before = splitter->sizes().value(0);
  QSplitterHandle* handle = splitter->handle(1);
  QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(2, 20));
  QTest::mouseMove(handle, QPoint(42, 20));
  QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(42, 20));
  const int after = splitter->sizes().value(0);
  EXPECT_NE(after, before);
  frame->showNormal();
  frame->setGeometry(40, 50, 900, 600);
  Settle();
  CloseFrame();
  EXPECT_EQ(Setting("Config/Chart"), "DPIE");
  EXPECT_EQ(Setting("Status/SelectedMonth"), "2024 February");
  EXPECT_EQ(Setting("Config/Show"), "ALL");
  EXPECT_EQ(Setting("Config/IsSmallPers"), "true");
  EXPECT_EQ(Setting("Config/MonthsNum"), "1");
  EXPECT_EQ(Setting("Status/SelectedCat"), "Home");
  EXPECT_EQ(Setting("Status/SelectedItem"), "NULL");
  // The choices come back checked, and the category, not its item named "NULL".
  MainWindow& again = Open();
  EXPECT_EQ(frame->findChild<QSplitter*>("treeSplitter")->sizes().value(0), after);
  EXPECT_FALSE(frame->isMaximized());
  EXPECT_EQ(frame->size(), QSize(900, 600));
  EXPECT_TRUE(Action("actionShowAll")->isChecked() && Action("actionPie3dChart")->isChecked());
  EXPECT_FALSE(again.monthChooser()->isEnabled());
  EXPECT_EQ(again.monthChooser()->currentText(), "2024 February");
  EXPECT_EQ(again.captionBar()->text(), "Home");
  ASSERT_TRUE(SelectNode("NULL"));
  EXPECT_EQ(again.state().selectedItem, "NULL");
  again.reselectFolder();  // the refilled tree selects the item again
  Settle();
  EXPECT_NE(TreeOutline().find("  NULL *"), std::string::npos) << TreeOutline();
  EXPECT_NE(work.Read("data/temp.tmp").find("href=\"Add purchase\""), std::string::npos);
}

// A message quoting a name shows the name's characters, never bold text.
TEST(MessageBoxText, NamesInAMessageAndItsDetailArePlainText) {
  QtUserPrompts prompts;
  std::vector<std::pair<QString, Qt::TextFormat>> labels;
  QTimer::singleShot(0, [&labels] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    for (QLabel* label : box->findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) labels.emplace_back(label->text(), label->textFormat());
    }
    box->close();
  });
  prompts.ShowMessage("Invalid item name", "\"<b>x<b>\" is in use.");
  ASSERT_EQ(labels.size(), 2u);
  for (const auto& [text, format] : labels) EXPECT_EQ(format, Qt::PlainText) << text.toStdString();
}

}  // namespace
}  // namespace kestrune
