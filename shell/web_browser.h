#pragma once

#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <functional>
#include <string>

namespace kestrune {

// The embedded browser of the main view, made once and kept. It shows only files of the
// program's own scheme: every other navigation is refused; those the engine does not ask
// about ("about:blank") lead back to the file last navigated to. Every navigation of its own
// scheme is reported before it happens; the report decides whether it goes ahead. Scripts,
// plug-ins and the pages' access to local files and the network are off in `profile`,
// which must outlive the browser.
class WebBrowser final : public QWebEngineView {
  Q_OBJECT

 public:
  // Told the target of each navigation; false stops it.
  using NavigationReport = std::function<bool(const QUrl& url)>;

  WebBrowser(QWebEngineProfile& profile, NavigationReport report, QWidget* parent);

  // Shows the file at `path` through the program's own scheme.
  void navigate(const std::string& path);
  // The file last navigated to; empty before the first navigation.
  const std::string& shownPath() const { return shownPath_; }

 private:
  NavigationReport report_;
  std::string shownPath_;
};

}  // namespace kestrune
