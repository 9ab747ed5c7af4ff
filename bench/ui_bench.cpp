// kestrune-ui-bench WORKDIR SETTINGS: starts the desktop program's main window on WORKDIR
// with the preferences in the INI file SETTINGS (the selection names an item) and, while a
// 5 ms timer watches how late the GUI event loop answers, goes through three steps a user
// takes: the first page, three page switches in the tree and one purchase recorded through
// its dialog. Prints for each step the longest time the event loop did not answer and the
// step's whole time, in milliseconds: "open LONGEST TOTAL", "switch ...", "purchase ...".
// A step waits for the page that shows what it asked for; one that never comes ends the
// program with status 1. The book in WORKDIR gains the purchase: run it on a copy.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <vector>

#include "shell/main_view.h"
#include "shell/main_window.h"
#include "shell/qt_settings_store.h"
#include "shell/qt_user_prompts.h"
#include "shell/web_engine_setup.h"

namespace kestrune::bench {
namespace {

constexpr int kTickMs = 5;
constexpr int kPatienceMs = 120000;
constexpr double kNsPerMs = 1e6;

// Measures the longest gap between two ticks of a timer of the GUI thread: while a call
// holds the thread, no tick comes. Work done before the event loop runs (building the
// window) counts from begin() to the first tick.
class Watchdog final : public QObject {
 public:
  Watchdog() {
    clock_.start();
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    timer_.start(kTickMs);
  }

  void begin() {
    start_ = last_ = clock_.nsecsElapsed();
    longest_ = 0;
  }
  // Prints the step's longest gap and whole time since begin().
  void end(const char* step) {
    tick();
    std::printf("%s %.1f %.1f\n", step, longest_ / kNsPerMs, (last_ - start_) / kNsPerMs);
    std::fflush(stdout);
  }

 private:
  void tick() {
    const qint64 now = clock_.nsecsElapsed();
    longest_ = std::max(longest_, now - last_);
    last_ = now;
  }

  QElapsedTimer clock_;
  QTimer timer_;
  qint64 start_ = 0, last_ = 0, longest_ = 0;
};

// The text of the page last waited for: a step's page is a new one.
QString last_page_text;

// Waits, with the event loop running, until the window's web view has loaded a page whose
// text contains `expected` and differs from the last page waited for; false after
// kPatienceMs. The text is what is rendered (rows out of view are left out) and arrives after
// the load: what its answer needs outlives the wait.
bool WaitForPage(MainWindow& window, const QString& expected) {
  QEventLoop loop;
  const auto shown = std::make_shared<bool>(false);
  const QPointer<QEventLoop> waiting(&loop);
  const auto check = [&window, expected, shown, waiting](bool ok) {
    auto* view = window.findChild<QWebEngineView*>();
    if (!ok || !view) return;
    view->page()->toPlainText([expected, shown, waiting](const QString& text) {
      if (*shown || !text.contains(expected) || text == last_page_text) return;
      *shown = true;
      last_page_text = text;
      if (waiting) waiting->quit();
    });
  };
  const QMetaObject::Connection loaded =
      QObject::connect(&window.view()->browser(), &WebBrowser::loadFinished, &loop, check);
  QTimer::singleShot(kPatienceMs, &loop, &QEventLoop::quit);
  loop.exec();
  QObject::disconnect(loaded);
  return *shown;
}

QTreeWidget& TreeOf(MainWindow& window) {
  return *window.findChild<QTreeWidget*>("navigationTree");
}

// Nodes of different pages: the last category, an item of a middle category and the node
// of the first page, each a page its predecessor does not name.
std::vector<QTreeWidgetItem*> SwitchTargets(QTreeWidget& tree) {
  QTreeWidgetItem* first = tree.currentItem();
  const int count = tree.topLevelItemCount();
  std::vector<QTreeWidgetItem*> targets;
  if (count < 2 || !first) return targets;
  QTreeWidgetItem* middle = tree.topLevelItem(count / 2);
  targets.push_back(tree.topLevelItem(count - 1));
  if (middle->childCount() > 0) targets.push_back(middle->child(middle->childCount() - 1));
  targets.push_back(first);
  return targets;
}

bool SwitchPages(MainWindow& window) {
  QTreeWidget& tree = TreeOf(window);
  const std::vector<QTreeWidgetItem*> targets = SwitchTargets(tree);
  if (targets.empty()) return false;
  for (QTreeWidgetItem* node : targets) {
    tree.setCurrentItem(node);
    if (!WaitForPage(window, node->text(0))) return false;
  }
  return true;
}

QAction* AddPurchaseAction(MainWindow& window) {
  return window.findChild<QAction*>("actionAddPurchase");
}

// Fills in the purchase dialog once it is open and presses its main button.
void AnswerPurchaseDialog(const QString& information) {
  QWidget* dialog = QApplication::activeModalWidget();
  auto* info = dialog ? dialog->findChild<QLineEdit*>("information") : nullptr;
  auto* sum = dialog ? dialog->findChild<QLineEdit*>("sum") : nullptr;
  auto* submit = dialog ? dialog->findChild<QAbstractButton*>("submit") : nullptr;
  if (!info || !sum || !submit) {
    QTimer::singleShot(kTickMs, [information] { AnswerPurchaseDialog(information); });
    return;
  }
  info->setText(information);
  sum->setText("12.34");
  submit->click();
}

// Records a purchase of the item shown (`item`); done once its page shows a new total. The
// purchase's own row may lie out of view, where the page's text does not reach.
bool RecordPurchase(MainWindow& window, const QString& item) {
  QAction* action = AddPurchaseAction(window);
  if (!action) return false;
  QTimer::singleShot(0, [] { AnswerPurchaseDialog("ui-bench purchase"); });
  // The dialog runs modal inside the trigger; the page follows once it is accepted.
  action->trigger();
  return WaitForPage(window, item);
}

// The first page names the item the preferences select.
QString SelectedItem(const QString& settings) {
  return QSettings(settings, QSettings::IniFormat).value("Status/SelectedItem").toString();
}

int Run(const char* workdir, const QString& settings) {
  QtSettingsStore store(settings);
  QtUserPrompts prompts;
  PosixFileSystem disk;
  const SystemClock clock;
  Watchdog watch;
  watch.begin();
  MainWindow window(store, prompts, workdir, disk, clock);
  if (!window.started()) return window.exitStatus();
  window.show();
  const QString item = SelectedItem(settings);
  if (!WaitForPage(window, item)) return 1;
  watch.end("open");
  watch.begin();
  if (!SwitchPages(window)) return 1;
  watch.end("switch");
  watch.begin();
  if (!RecordPurchase(window, item)) return 1;
  watch.end("purchase");
  return 0;
}

}  // namespace
}  // namespace kestrune::bench

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kestrune-ui-bench WORKDIR SETTINGS\n";
    return 2;
  }
  kestrune::PrepareWebEngine();
  QApplication application(argc, argv);
  const int status = kestrune::bench::Run(argv[1], QString::fromLocal8Bit(argv[2]));
  if (status != 0) std::cerr << "kestrune-ui-bench: a step never showed its page\n";
  return status;
}
