#pragma once

#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlSchemeHandler>
#include <string>

namespace kestrune {

// Serves the files of the data folder to the browser: the page file as HTML, the style
// sheet and images by their type. Only regular files inside the data folder are served.
class DataFolderScheme final : public QWebEngineUrlSchemeHandler {
  Q_OBJECT

 public:
  DataFolderScheme(std::string data_folder, std::string page_file, QObject* parent);

  void requestStarted(QWebEngineUrlRequestJob* job) override;

 private:
  std::string data_folder_;
  std::string page_file_;
};

// The content type a file of the data folder is served with; the page file is HTML.
QByteArray ContentTypeFor(const std::string& path, const std::string& page_file);

// What a request for `path` gets: the bytes of a regular file whose real path (symbolic
// links and ".." resolved) lies inside the real path of `folder`; RequestDenied for anything
// outside; UrlNotFound for a missing file, a folder, a FIFO or a device. A FIFO is never
// waited on. Reads only.
struct ServedFile {
  QWebEngineUrlRequestJob::Error error = QWebEngineUrlRequestJob::NoError;
  QByteArray bytes;
};
ServedFile ReadDataFile(const std::string& folder, const std::string& path);

}  // namespace kestrune
