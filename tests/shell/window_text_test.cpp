// What the window makes of the household's own texts and keys: names that look like markup
// or run long, pane widths, the purchase dialog's fields and the keyboard shortcuts.
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
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

TEST_F(WindowTextTest, ThePurchaseDialogNamesItsItemKeepsTheTypedMonthAndANoteAndHasAKey) {
  PrepareHousehold();
  Open();
  ASSERT_TRUE(SelectNode("Bread"));
  Then([](QDialog& d) {
    EXPECT_EQ(d.findChild<QLabel*>("item")->text(), "Bread (Food)");
    auto* date = d.findChild<QDateEdit*>("date");
    date->setDate(QDate(2024, 1, 31));
    date->setCurrentSection(QDateTimeEdit::MonthSection);
    QTest::keyClicks(date, "11");
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_EQ(date->date(), QDate(2024, 11, 30));
    date->setCurrentSection(QDateTimeEdit::MonthSection);
    QTest::keyClicks(date, "feb");
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_EQ(date->date(), QDate(2024, 2, 29));
    auto* note = d.findChild<QLineEdit*>("information");
    EXPECT_FALSE(note->placeholderText().isEmpty());
    d.findChild<QLineEdit*>("sum")->setText("2");
    note->setText("rye\nand wheat");
    d.show();  // Enter reaches the default button of a dialog on the screen
    QTest::keyClick(note, Qt::Key_Return);
  });
  Action("actionAddPurchase")->trigger();
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_NE(
      work.Read("data/BASE/items/Food Bread.txt").find("2024|February|29|Anna|rye and wheat|"),
      std::string::npos);
  // Common commands have keys, and the help page lists every key.
  frame->activateWindow();
  QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(prompts.dialogs, std::vector<std::string>(2, "Add purchase"));
  QFile help(":/shell/help/index.htm");
  ASSERT_TRUE(help.open(QIODevice::ReadOnly));
  const QString page = QString::fromUtf8(help.readAll());
  int keyed = 0;
  for (const QAction* action : frame->findChildren<QAction*>()) {
    if (action->shortcut().isEmpty()) continue;
    ++keyed;
    const QString key = action->shortcut().toString();
    EXPECT_TRUE(page.contains(QString("<kbd>%1</kbd>").arg(key))) << key.toStdString();
  }
  EXPECT_GE(keyed, 5);
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
