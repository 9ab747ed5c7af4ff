#pragma once

#include <QWebEngineUrlSchemeHandler>
#include <string>

namespace kestrune {

// Serves the files of the data folder to the browser: the page file as HTML, the style
// sheet and images by their type. Nothing outside the data folder is served.
class CDataFolderScheme final : public QWebEngineUrlSchemeHandler {
  Q_OBJECT

 public:
  CDataFolderScheme(std::string data_folder, std::string page_file, QObject* parent);

  void requestStarted(QWebEngineUrlRequestJob* job) override;

 private:
  std::string data_folder_;
  std::string page_file_;
};

// The content type a file of the data folder is served with; the page file is HTML.
QByteArray ContentTypeFor(const std::string& path, const std::string& page_file);

// Whether `path`, once "." and ".." are resolved, lies inside `folder`.
bool LiesInside(const std::string& folder, const std::string& path);

}  // namespace kestrune
