// Printing of the main view: the chart drawn on the printer's page, or the page as the
// browser prints it.
#include <QEventLoop>
#include <QPainter>
#include <QPrinter>

#include "render/painter_canvas.h"
#include "shell/main_view.h"

namespace kestrune {

bool MainView::Print(QPrinter& printer) {
  if (browser_.exists()) return printPage(printer);
  return printChart(printer);
}

bool MainView::printChart(QPrinter& printer) {
  std::optional<charts::ChartCtrl> chart = BuildChart();
  if (!chart) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  // The chart is laid out for the view's size and scaled to fit the page.
  const double scale = std::min(static_cast<double>(page.width()) / std::max(width(), 1),
                                static_cast<double>(page.height()) / std::max(height(), 1));
  painter.scale(scale, scale);
  render::PainterCanvas canvas(painter, {width(), height()});
  chart->Draw(canvas);
  return painter.end();
}

// The browser prints in the background; the caller (a preview) needs the pages at once.
bool MainView::printPage(QPrinter& printer) {
  QWebEngineView* view = browser_.web_view();
  bool printed = false;
  QEventLoop wait;
  const QMetaObject::Connection done =
      connect(view, &QWebEngineView::printFinished, &wait, [&](bool success) {
        printed = success;
        wait.quit();
      });
  view->print(&printer);
  wait.exec();
  disconnect(done);
  return printed;
}

}  // namespace kestrune
