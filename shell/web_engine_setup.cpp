#include "shell/web_engine_setup.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QWebEngineUrlScheme>

namespace kestrune {
namespace {

void AddChromiumFlag(const char* flag) {
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (flags.contains(flag)) return;
  if (!flags.isEmpty()) flags += ' ';
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + flag);
}

}  // namespace

void PrepareWebEngine() {
  // The sandbox refuses to run as root; a machine without a GPU needs software drawing.
  if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  AddChromiumFlag("--disable-gpu");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QWebEngineUrlScheme scheme(kPageScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
  // Not a local scheme: the pages of one could load its images only where they could load
  // every file: URL too. A scheme of its own reaches its own files and no other.
  scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
  QWebEngineUrlScheme::registerScheme(scheme);
}

void LockDown(QWebEngineSettings& settings) {
  for (const QWebEngineSettings::WebAttribute attribute :
       {QWebEngineSettings::JavascriptEnabled, QWebEngineSettings::JavascriptCanOpenWindows,
        QWebEngineSettings::JavascriptCanAccessClipboard, QWebEngineSettings::JavascriptCanPaste,
        QWebEngineSettings::LocalStorageEnabled, QWebEngineSettings::LocalContentCanAccessFileUrls,
        QWebEngineSettings::LocalContentCanAccessRemoteUrls, QWebEngineSettings::PluginsEnabled,
        QWebEngineSettings::PdfViewerEnabled, QWebEngineSettings::HyperlinkAuditingEnabled,
        QWebEngineSettings::DnsPrefetchEnabled, QWebEngineSettings::AutoLoadIconsForPage,
        QWebEngineSettings::NavigateOnDropEnabled, QWebEngineSettings::WebGLEnabled}) {
    settings.setAttribute(attribute, false);
  }
  settings.setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
}

QUrl PageUrl(const std::string& path) {
  QUrl url;
  url.setScheme(kPageScheme);
  url.setPath(QString::fromStdString(path), QUrl::DecodedMode);
  return url;
}

std::string TargetPath(const QUrl& url) {
  if (url.scheme() != kPageScheme) return {};
  return url.path(QUrl::FullyDecoded).toStdString();
}

}  // namespace kestrune
