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

WebBrowser::WebBrowser(QWebEngineProfile& profile, QWidget& host, NavigationReport report)
    : profile_(profile), host_(host), report_(std::move(report)) {
  LockDown(*profile_.settings());
}

WebBrowser::~WebBrowser() {
  Destroy();
}

void WebBrowser::Create() {
  if (view_) return;
  view_ = new QWebEngineView(&host_);
  view_->setObjectName("webBrowser");
  view_->setPage(new ReportingPage(profile_, report_, view_));
  view_->setContextMenuPolicy(Qt::NoContextMenu);
  connect(view_, &QWebEngineView::loadFinished, this, &WebBrowser::loadFinished);
  // The engine does not ask before showing an empty "about:" page; back to the page shown.
  connect(view_, &QWebEngineView::urlChanged, this, [this](const QUrl& url) {
    if (!url.isEmpty() && url.scheme() != kPageScheme && !shown_path_.empty()) {
      Navigate(shown_path_);
    }
  });
  view_->show();
}

// The page is the view's child and goes with it, before the profile it uses.
void WebBrowser::Destroy() {
  delete view_;
}

void WebBrowser::Navigate(const std::string& path) {
  shown_path_ = path;
  if (view_) view_->setUrl(PageUrl(path));
}

void WebBrowser::Refresh() {
  if (view_) view_->reload();
}

void WebBrowser::SetSize(int width, int height) {
  if (view_) view_->setGeometry(0, 0, width, height);
}

}  // namespace kestrune
