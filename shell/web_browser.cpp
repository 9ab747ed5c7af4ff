#include "shell/web_browser.h"

#include <QWebEngineSettings>

#include "shell/web_engine_setup.h"

namespace kestrune {
namespace {

// A page that asks before every navigation, link clicks and reloads alike. Only the files
// of the program's own scheme are ever shown: a page holds nothing a user would browse to.
class ReportingPage final : public QWebEnginePage {
 public:
  ReportingPage(QWebEngineProfile& profile, WebBrowser::NavigationReport& report, QObject* parent)
      : QWebEnginePage(&profile, parent), report_(report) {}

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
    if (url.scheme() != kPageScheme) return false;
    return !report_ || report_(url);
  }

 private:
  WebBrowser::NavigationReport& report_;
};

}  // namespace

WebBrowser::WebBrowser(QWebEngineProfile& profile, NavigationReport report, QWidget* parent)
    : QWebEngineView(parent), report_(std::move(report)) {
  LockDown(*profile.settings());
  setObjectName("webBrowser");
  setPage(new ReportingPage(profile, report_, this));
  setContextMenuPolicy(Qt::NoContextMenu);
  // The engine does not ask before showing an empty "about:" page; back to the page shown.
  connect(this, &QWebEngineView::urlChanged, this, [this](const QUrl& url) {
    if (!url.isEmpty() && url.scheme() != kPageScheme && !shownPath_.empty()) {
      navigate(shownPath_);
    }
  });
}

void WebBrowser::navigate(const std::string& path) {
  shownPath_ = path;
  setUrl(PageUrl(path));
}

}  // namespace kestrune
