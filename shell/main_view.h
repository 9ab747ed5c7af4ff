#pragma once

#include <QPushButton>
#include <QWebEngineProfile>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "charts/statistics.h"
#include "shell/page_link_handler.h"
#include "shell/view_decision.h"
#include "shell/web_browser.h"

class QPrinter;

namespace kestrune {

class MainWindow;

// The main view, right of the tree. At every refresh (after every change and folder switch)
// it decides from the view state and the selected tree node what to show: nothing selected
// or a subject that is gone gives the empty state, else a report page, written to the page file and
// shown in the browser, or a statistics chart, which it draws itself, rebuilding it from the data
// files at every paint. Charts that offer both a totals and a month-by-month statistic get a pair
// of toggle buttons; each pair remembers its choice for as long as the program runs.
class MainView final : public QWidget {
  Q_OBJECT

 public:
  MainView(MainWindow& frame, QWidget* parent);
  ~MainView() override;

  // Shows the current state again (the document's refresh lands here).
  void Regenerate();
  // Shows the pair's totals (flag 1) or month-by-month (flag 0) statistic.
  void RunToggle(TogglePair pair, int flag);
  // Prints the chart or the page shown; false when nothing could be printed.
  bool Print(QPrinter& printer);

  bool browser_shown() const { return browser_.exists(); }
  WebBrowser& browser() { return browser_; }
  // The chart state shown, if any.
  const std::optional<ViewDecision>& chart_state() const { return chart_; }
  bool pair_present(TogglePair pair) const;
  // 1 "Show statistics", 0 "Show statistics by months".
  int toggle_flag(TogglePair pair) const;
  // The chart the current chart state shows, built afresh from the files.
  std::optional<charts::ChartCtrl> BuildChart();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Pair {
    QPushButton* totals = nullptr;
    QPushButton* by_months = nullptr;
    int flag = 1;
  };

  // Makes the caption and the tree's highlight agree with the tree's current node, which
  // it returns (none when no node is current).
  std::optional<SelectedNode> reconcileTree();
  void showPage(const ViewDecision& decision);
  void showChart(const ViewDecision& decision);
  // The decision's page, or the empty state's for kNothing.
  bool writePage(const ViewDecision& decision);
  void createPair(TogglePair pair);
  void removePairsExcept(TogglePair keep);
  void showFlag(Pair& pair);
  Pair& pairOf(TogglePair pair) { return pairs_.at(static_cast<size_t>(pair) - 1); }
  bool onNavigate(const QUrl& url);
  void tellLater(std::vector<std::string> messages);
  bool printChart(QPrinter& printer);
  bool printPage(QPrinter& printer);

  MainWindow& frame_;
  std::unique_ptr<QWebEngineProfile> profile_;
  WebBrowser browser_;
  PageLinkHandler links_;
  std::array<Pair, 3> pairs_;
  std::optional<ViewDecision> chart_;
  bool welcome_shown_ = false;
};

}  // namespace kestrune
