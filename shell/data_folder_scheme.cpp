#include "shell/data_folder_scheme.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include "shell/web_engine_setup.h"

namespace kestrune {
namespace {

// The real path of `path`, every symbolic link resolved; empty when it does not exist.
QString RealPath(const std::string& path) {
  return QFileInfo(QString::fromStdString(path)).canonicalFilePath();
}

bool IsRegularFile(int fd) {
  struct stat status {};
  return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

// The whole of the regular file at `real_path`. The type is checked before the file is
// opened (opening a device may act on it) and again on the open file, which is opened
// without waiting: a FIFO put there in between must not block the browser.
ServedFile ReadRegularFile(const QString& real_path) {
  const QByteArray name = QFile::encodeName(real_path);
  struct stat status {};
  if (::lstat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return {QWebEngineUrlRequestJob::UrlNotFound, {}};
  }
  const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {QWebEngineUrlRequestJob::UrlNotFound, {}};
  QFile file;
  if (!IsRegularFile(fd) || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return {QWebEngineUrlRequestJob::UrlNotFound, {}};
  }
  return {QWebEngineUrlRequestJob::NoError, file.readAll()};
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

ServedFile ReadDataFile(const std::string& folder, const std::string& path) {
  const QString root = RealPath(folder);
  const QString real = RealPath(path);
  if (real.isEmpty()) return {QWebEngineUrlRequestJob::UrlNotFound, {}};
  if (root.isEmpty() || !real.startsWith(root + "/")) {
    return {QWebEngineUrlRequestJob::RequestDenied, {}};
  }
  return ReadRegularFile(real);
}

DataFolderScheme::DataFolderScheme(std::string data_folder, std::string page_file,
                                     QObject* parent)
    : QWebEngineUrlSchemeHandler(parent),
      data_folder_(std::move(data_folder)),
      page_file_(std::move(page_file)) {}

void DataFolderScheme::requestStarted(QWebEngineUrlRequestJob* job) {
  const std::string path = TargetPath(job->requestUrl());
  ServedFile served = ReadDataFile(data_folder_, path);
  if (served.error != QWebEngineUrlRequestJob::NoError) {
    job->fail(served.error);
    return;
  }
  // The job reads the buffer after this returns; it owns it.
  auto* buffer = new QBuffer(job);
  buffer->setData(std::move(served.bytes));
  job->reply(ContentTypeFor(path, page_file_), buffer);
}

}  // namespace kestrune
