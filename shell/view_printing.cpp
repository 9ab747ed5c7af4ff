// Printing of the main view: the chart drawn on the printer's page, or the page as the
// browser prints it.
#include <QEventLoop>
#include <QPrinter>

#include "shell/main_view.h"

namespace kestrune {

bool MainView::print(QPrinter& printer) {
  waitUntilShown();
  if (stack_->currentWidget() == chart_) return chart_->print(printer);
  return pageShown() && printPage(printer);
}

void MainView::waitUntilShown() {
  QEventLoop wait;
  connect(this, &MainView::busyChanged, &wait, &QEventLoop::quit);
  connect(browser_, &QWebEngineView::loadFinished, &wait, &QEventLoop::quit);
  while (busy_ || pageLoading_) wait.exec();
}

// The browser prints in the background; the caller (a preview) needs the pages at once.
bool MainView::printPage(QPrinter& printer) {
  bool printed = false;
  QEventLoop wait;
  const QMetaObject::Connection done =
      connect(browser_, &QWebEngineView::printFinished, &wait, [&](bool success) {
        printed = success;
        wait.quit();
      });
  browser_->print(&printer);
  wait.exec();
  disconnect(done);
  return printed;
}

}  // namespace kestrune
