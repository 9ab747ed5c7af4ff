#pragma once

#include <QPushButton>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "charts/chart_ctrl.h"

class QPrinter;

namespace kestrune {

// The statistics chart of the main view, with the pair of toggle buttons ("Show
// statistics" / "Show statistics by months") of the charts that offer both. It paints the
// chart it was last given, laid out afresh for its size: resizing redraws, it never reads
// the book.
class ChartWidget final : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWidget(QWidget* parent);

  // The chart to paint from now on; none paints the empty background.
  void setChart(std::optional<charts::ChartCtrl> chart);
  const std::optional<charts::ChartCtrl>& chart() const { return chart_; }
  // Shows the toggle pair, the month-by-month button pressed when `byMonths`, or hides it.
  void showToggles(bool shown, bool byMonths);
  // Prints the chart laid out for the widget's size, scaled to fit the printer's page;
  // false when there is no chart or the printer cannot be painted on.
  bool print(QPrinter& printer);

 signals:
  void totalsChosen();
  void byMonthsChosen();
  // What drawing could not do (a font, say), for the user.
  void drawFailed(const std::vector<std::string>& messages);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<charts::ChartCtrl> chart_;
  QPushButton* totals_;
  QPushButton* byMonths_;
};

}  // namespace kestrune
