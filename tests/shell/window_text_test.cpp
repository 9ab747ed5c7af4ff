// What the window makes of the household's own texts and of the screen: names that look like
// markup or run long, pane widths, and the layout kept from one run to the next.
#include <QApplication>
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
  Settle();
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

TEST_F(WindowTextTest, TheWindowAndPanesComeBackAsTheUserLeftThem) {
  PrepareHousehold();
  Open();
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
  EXPECT_EQ(Setting("Config/Show"), "MONTH");  // the other keys as they were
  Open();
  EXPECT_EQ(frame->findChild<QSplitter*>("treeSplitter")->sizes().value(0), after);
  EXPECT_FALSE(frame->isMaximized());
  EXPECT_EQ(frame->size(), QSize(900, 600));
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
