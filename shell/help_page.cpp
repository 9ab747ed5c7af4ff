#include "shell/help_page.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kestrune {

Status InstallHelpPage(const std::string& path) {
  const QString target = QString::fromStdString(path);
  if (QFileInfo::exists(target)) return Status::Ok();
  QFile page(":/shell/help/index.htm");
  if (!page.open(QIODevice::ReadOnly)) return Status::Error("The help page is missing.");
  const QByteArray text = page.readAll();
  QDir().mkpath(QFileInfo(target).absolutePath());
  QFile out(target);
  if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size()) {
    return Status::Error("Can't write " + path + ": " + out.errorString().toStdString());
  }
  return Status::Ok();
}

}  // namespace kestrune
