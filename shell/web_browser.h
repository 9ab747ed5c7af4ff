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
// makes the web view, Destroy removes it. Every navigation is reported before it happens;
// the report decides whether it goes ahead.
class CWebBrowser final : public QObject {
  Q_OBJECT

 public:
  // Told the target of each navigation; false stops it.
  using NavigationReport = std::function<bool(const QUrl& url)>;

  CWebBrowser(QWebEngineProfile& profile, QWidget& host, NavigationReport report);
  ~CWebBrowser() override;
  CWebBrowser(const CWebBrowser&) = delete;
  CWebBrowser& operator=(const CWebBrowser&) = delete;

  void Create();
  void Destroy();
  bool exists() const { return !view_.isNull(); }
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
};

}  // namespace kestrune
