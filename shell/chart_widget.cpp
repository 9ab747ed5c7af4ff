#include "shell/chart_widget.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>

#include "render/painter_canvas.h"

namespace kestrune {
namespace {

QPushButton* ToggleButton(const QString& text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setFlat(true);
  // The statistic shown stays pressed, so the pair tells which one it is.
  button->setCheckable(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

ChartWidget::ChartWidget(QWidget* parent)
    : QWidget(parent),
      totals_(ToggleButton(tr("Show statistics"), "showTotals", this)),
      byMonths_(ToggleButton(tr("Show statistics by months"), "showByMonths", this)) {
  setObjectName("chart");
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  // The pair sits on the chart's top left corner, as a part of the picture.
  auto* pair = new QHBoxLayout;
  pair->setSpacing(0);
  pair->addWidget(totals_);
  pair->addWidget(byMonths_);
  pair->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 0, 0);
  layout->addLayout(pair);
  layout->addStretch();
  connect(totals_, &QPushButton::clicked, this, &ChartWidget::totalsChosen);
  connect(byMonths_, &QPushButton::clicked, this, &ChartWidget::byMonthsChosen);
  showToggles(false, false);
}

void ChartWidget::setChart(std::optional<charts::ChartCtrl> chart) {
  chart_ = std::move(chart);
  update();
}

void ChartWidget::showToggles(bool shown, bool byMonths) {
  totals_->setVisible(shown);
  byMonths_->setVisible(shown);
  totals_->setChecked(!byMonths);
  byMonths_->setChecked(byMonths);
}

void ChartWidget::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!chart_) return;
  QPainter painter(this);
  render::PainterCanvas canvas(painter, {width(), height()});
  chart_->Draw(canvas);
  if (!chart_->HasValues()) chart_->DrawNoValuesNote(canvas);
  if (!canvas.messages().empty()) emit drawFailed(canvas.messages());
}

bool ChartWidget::print(QPrinter& printer) {
  if (!chart_) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  // The chart is laid out for the view's size and scaled to fit the page.
  const double scale = std::min(static_cast<double>(page.width()) / std::max(width(), 1),
                                static_cast<double>(page.height()) / std::max(height(), 1));
  painter.scale(scale, scale);
  render::PainterCanvas canvas(painter, {width(), height()});
  chart_->Draw(canvas);
  return painter.end();
}

}  // namespace kestrune
