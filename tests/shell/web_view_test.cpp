// The main view with its browser. These tests share one process, because the web engine
// takes a while to start; each waits for the pages it looks at.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <filesystem>

#include "shell/command_ids.h"
#include "shell/kestrune_view.h"
#include "tests/shell/frame_fixture.h"

namespace kestrune {
namespace {

constexpr int kLoadTimeoutMs = 20000;

class WebViewTest : public testing::FrameTest {
 protected:
  // Lets a pending refresh run and waits until the browser has shown the page file.
  bool WaitForPage() {
    CKestruneView& view = *frame->view();
    QSignalSpy loaded(&view.browser(), &CWebBrowser::loadFinished);
    Settle();
    if (!view.browser_shown()) return false;
    if (loaded.isEmpty() && !loaded.wait(kLoadTimeoutMs)) return false;
    return loaded.last().at(0).toBool();
  }
  // The text the browser shows, each run of blanks as one blank.
  std::string ShownText() {
    QString text;
    bool done = false;
    frame->view()->browser().web_view()->page()->toPlainText([&](const QString& result) {
      text = result;
      done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, kLoadTimeoutMs));
    return text.simplified().toStdString();
  }
  // Follows the first link of the page whose text is `link_text`, as a click would.
  void ClickLink(const std::string& link_text) {
    const QString script = QString(
                               "for (const a of document.querySelectorAll('a'))"
                               "  if (a.textContent.trim() === '%1') { a.click(); break; }")
                               .arg(QString::fromStdString(link_text));
    frame->view()->browser().web_view()->page()->runJavaScript(script);
  }
  std::string PageFile() { return work.Read("data/temp.tmp"); }
};

TEST_F(WebViewTest, PagesAndChartsTakeTurnsInTheView) {
  PrepareHousehold();
  store->Write("Status", "SelectedCat", "Food");
  store->Write("Status", "SelectedItem", "Bread");
  CMainFrame& main = Open();
  ASSERT_TRUE(WaitForPage());
  EXPECT_NE(PageFile().find("Bread"), std::string::npos);
  const std::string shown = ShownText();
  EXPECT_NE(shown.find("All item expenses"), std::string::npos) << shown;
  EXPECT_NE(shown.find("rye"), std::string::npos);

  // The item's person statistics: a chart, so the browser goes.
  main.RunCommand(kCmdViewItemPersons);
  Settle();
  EXPECT_FALSE(main.view()->browser_shown());
  ASSERT_TRUE(main.view()->chart_state().has_value());
  EXPECT_TRUE(main.view()->pair_present(TogglePair::kA));
  std::optional<charts::ChartCtrl> chart = main.view()->BuildChart();
  ASSERT_TRUE(chart.has_value());
  EXPECT_EQ(chart->title(), "Person's statictics");
  EXPECT_EQ(chart->graph_type(), 0);

  // Back to the list: the browser is made again and shows the page file.
  main.RunCommand(kCmdViewItemList);
  ASSERT_TRUE(WaitForPage());
  EXPECT_FALSE(main.view()->pair_present(TogglePair::kA));
  EXPECT_NE(ShownText().find("rye"), std::string::npos);
}

TEST_F(WebViewTest, AMonthChangeWritesThePageAgain) {
  PrepareHousehold();
  store->Write("Status", "SelectedCat", "Home");
  store->Write("Status", "SelectedItem", "NULL");
  CMainFrame& main = Open();
  ASSERT_TRUE(WaitForPage());
  ASSERT_EQ(main.month_chooser()->currentText(), "2024 March");
  EXPECT_NE(ShownText().find("All category expenses: 0.00"), std::string::npos);
  main.month_chooser()->setCurrentIndex(1);  // 2024 February
  ASSERT_TRUE(WaitForPage());
  EXPECT_NE(ShownText().find("All category expenses: 700.00"), std::string::npos);
}

TEST_F(WebViewTest, AnItemLinkOnACategoryPageSelectsTheItem) {
  PrepareHousehold();
  store->Write("Status", "SelectedCat", "Food");
  store->Write("Status", "SelectedItem", "NULL");
  CMainFrame& main = Open();
  ASSERT_TRUE(WaitForPage());
  ClickLink("Milk");
  ASSERT_TRUE(QTest::qWaitFor([&] { return main.state().SelectedItem == "Milk"; }, kLoadTimeoutMs));
  EXPECT_EQ(main.state().NodeKind, 2);
  EXPECT_EQ(main.tree_pane()->tree()->currentItem()->text(0), "Milk");
  ASSERT_TRUE(WaitForPage());
  EXPECT_NE(ShownText().find("Purchase list"), std::string::npos);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(WebViewTest, ACategoryLinkOnAPersonPageShowsThatPersonsItemChart) {
  PrepareHousehold();
  CMainFrame& main = Open();
  main.folder_bar()->SelectFolder(1);
  Settle();
  ASSERT_TRUE(main.tree_pane()->SelectNodeByText("Bob"));
  ASSERT_TRUE(WaitForPage());
  ClickLink("Home");
  ASSERT_TRUE(QTest::qWaitFor([&] { return main.state().SelectedPersonMenuChild == "Home"; },
                              kLoadTimeoutMs));
  EXPECT_EQ(main.state().SelectedPerson, "Bob");  // under the person shown, not the first
  EXPECT_EQ(main.state().SelectedPersonMenu, "Item's statistics");
  Settle();
  EXPECT_FALSE(main.view()->browser_shown());
  EXPECT_TRUE(main.view()->pair_present(TogglePair::kC));
}

TEST_F(WebViewTest, APageIsPrintedAsTheBrowserShowsIt) {
  PrepareHousehold();
  store->Write("Status", "SelectedCat", "Food");
  store->Write("Status", "SelectedItem", "NULL");
  CMainFrame& main = Open();
  ASSERT_TRUE(WaitForPage());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const std::string pdf = work.path() + "/page.pdf";
  printer.setOutputFileName(QString::fromStdString(pdf));
  EXPECT_TRUE(main.view()->Print(printer));
  EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

}  // namespace
}  // namespace kestrune
