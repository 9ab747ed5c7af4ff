#pragma once

#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWidget>
#include <functional>
#include <string>

namespace kestrune {

// The embedded browser of the main view. It exists only while a page is shown: Create
// makes the web view, Destroy removes it. It shows only files of the program's own scheme:
// every other navigation is refused; those the engine does not ask about ("about:blank")
// lead back to the file last navigated to. Every navigation of its own scheme is reported
// before it happens; the report decides whether it goes ahead. Scripts, plug-ins and the
// pages' access to local files and the network are off in `profile`.
class WebBrowser final : public QObject {
  Q_OBJECT

 public:
  // Told the target of each navigation; false stops it.
  using NavigationReport = std::function<bool(const QUrl& url)>;

  WebBrowser(QWebEngineProfile& profile, QWidget& host, NavigationReport report);
  ~WebBrowser() override;
  WebBrowser(const WebBrowser&) = delete;
  WebBrowser& operator=(const WebBrowser&) = delete;

  void Create();
  void Destroy();
  bool exists() const { return !view_.isNull(); }
  // Shows the file at `path` through the program's own scheme.
  void Navigate(const std::string& path);
  // Loads the current page again.
  void Refresh();
  void SetSize(int width, int height);
  // The web view while it exists (printing, tests).
  QWebEngineView* web_view() const { return view_; }

 signals:
  // A page finished loading; false when it could not be shown.
  void loadFinished(bool ok);

 private:
  QWebEngineProfile& profile_;
  QWidget& host_;
  NavigationReport report_;
  QPointer<QWebEngineView> view_;
  std::string shown_path_;  // the file last navigated to
};

}  // namespace kestrune
