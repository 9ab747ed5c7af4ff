#pragma once

#include <QFutureWatcher>
#include <QStackedWidget>
#include <QWebEngineProfile>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "shell/chart_widget.h"
#include "shell/page_link_handler.h"
#include "shell/view_build.h"
#include "shell/view_host.h"
#include "shell/web_browser.h"

class QPrinter;

namespace kestrune {

// The main view, right of the tree: one browser and one chart, made once, of which it shows
// one. At every refresh (after every change and folder switch) it decides from the view
// state and the tree's current node what to show: nothing selected or a subject that is
// gone gives the empty state, else a report page, written to the page file and shown in the
// browser, or a statistics chart. Pages and charts are built off the GUI thread; only the
// newest request's result is shown. Charts that offer both a totals and a month-by-month
// statistic get a pair of toggle buttons; each of the three pairs remembers its choice for
// as long as the program runs.
class MainView final : public QWidget {
  Q_OBJECT

 public:
  MainView(ViewHost& host, QWidget* parent);
  ~MainView() override;

  // Waits for a page or chart build still running: it reads the book's disk, which the window
  // destroys before its child widgets.
  void waitForBuild() { watcher_.waitForFinished(); }

  WebBrowser& browser() { return *browser_; }
  // Prints the chart or the page the current state shows, once any build or page load still
  // running has ended (the window stays responsive meanwhile); false when nothing could be
  // printed.
  bool print(QPrinter& printer);
  // A page or chart is being built.
  bool busy() const { return busy_; }
  // The browser shows the page file.
  bool pageShown() const;
  // The chart shown; null while a page is shown or no chart could be built.
  const charts::ChartCtrl* chart() const;
  // The toggle pair shown with the chart.
  TogglePair shownPair() const { return shownPair_; }
  // 1 "Show statistics", 0 "Show statistics by months".
  int toggleFlag(TogglePair pair) const;

 public slots:
  // Shows the current state again (the refresh scheduler's refresh lands here).
  void regenerate();
  // What is shown or being built no longer holds: a build running now is not shown, and
  // the next regenerate() shows the current state.
  void invalidate();
  // The shown pair's totals or month-by-month statistic.
  void showTotals();
  void showByMonths();

 signals:
  void busyChanged(bool busy);

 private:
  // Makes the caption and the tree's highlight agree with the tree's current node, which
  // it returns (none when no node is current).
  std::optional<SelectedNode> reconcileTree();
  ViewRequest request() const;
  void startBuild();
  void buildFinished();
  void showBuild(ViewBuild build);
  void showPage(const ViewBuild& build);
  void setToggleFlag(int flag);
  void setBusy(bool busy);
  bool onNavigate(const QUrl& url);
  void tellLater(std::vector<std::string> messages);
  bool printPage(QPrinter& printer);
  void waitUntilShown();

  ViewHost& host_;
  std::unique_ptr<QWebEngineProfile> profile_;
  QStackedWidget* stack_;
  WebBrowser* browser_;
  ChartWidget* chart_;
  PageLinkHandler links_;
  std::optional<SelectedNode> node_;  // the tree's current node at the last refresh
  std::array<int, 3> toggleFlags_{1, 1, 1};
  TogglePair shownPair_ = TogglePair::kNone;
  bool welcomeShown_ = false;
  // Each refresh asks for a build; a build finished after a newer request is thrown away
  // and the newest one started, so only one runs and a slow one never shows stale data.
  QFutureWatcher<ViewBuild> watcher_;
  unsigned requested_ = 0;
  unsigned building_ = 0;
  bool awaitingRegenerate_ = false;
  bool busy_ = false;
  bool pageLoading_ = false;
};

}  // namespace kestrune
