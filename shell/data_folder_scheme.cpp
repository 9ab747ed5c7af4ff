#include "shell/data_folder_scheme.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QWebEngineUrlRequestJob>

#include "shell/web_engine_setup.h"

namespace kestrune {
namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

QByteArray ContentTypeFor(const std::string& path, const std::string& page_file) {
  if (path == page_file) return "text/html;charset=utf-8";
  const QString lower = QString::fromStdString(path).toLower();
  if (lower.endsWith(".css")) return "text/css";
  if (lower.endsWith(".gif")) return "image/gif";
  if (lower.endsWith(".bmp")) return "image/bmp";
  if (lower.endsWith(".png")) return "image/png";
  if (lower.endsWith(".jpg") || lower.endsWith(".jpeg")) return "image/jpeg";
  if (lower.endsWith(".svg")) return "image/svg+xml";
  if (lower.endsWith(".htm") || lower.endsWith(".html")) return "text/html;charset=utf-8";
  return "application/octet-stream";
}

bool LiesInside(const std::string& folder, const std::string& path) {
  const std::string clean = QDir::cleanPath(QString::fromStdString(path)).toStdString();
  const std::string prefix = folder + "/";
  return clean.size() > prefix.size() && clean.compare(0, prefix.size(), prefix) == 0 &&
         !EndsWith(clean, "/");
}

CDataFolderScheme::CDataFolderScheme(std::string data_folder, std::string page_file,
                                     QObject* parent)
    : QWebEngineUrlSchemeHandler(parent),
      data_folder_(std::move(data_folder)),
      page_file_(std::move(page_file)) {}

void CDataFolderScheme::requestStarted(QWebEngineUrlRequestJob* job) {
  const std::string path = TargetPath(job->requestUrl());
  if (!LiesInside(data_folder_, path)) {
    job->fail(QWebEngineUrlRequestJob::RequestDenied);
    return;
  }
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    return;
  }
  // The job reads the buffer after this returns; it owns it.
  auto* buffer = new QBuffer(job);
  buffer->setData(file.readAll());
  job->reply(ContentTypeFor(path, page_file_), buffer);
}

}  // namespace kestrune
