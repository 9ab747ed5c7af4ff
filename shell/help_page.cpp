#include "shell/help_page.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "shell/translation.h"

namespace kestrune {

Status InstallHelpPage(const std::string& path) {
  const QString target = QString::fromStdString(path);
  if (QFileInfo::exists(target)) return Status::Ok();
  QFile page(":/shell/help/index.htm");
  if (!page.open(QIODevice::ReadOnly)) {
    return Status::Error(Translated(QT_TRANSLATE_NOOP("Kestrune", "The help page is missing.")));
  }
  const QByteArray text = page.readAll();
  QDir().mkpath(QFileInfo(target).absolutePath());
  QFile out(target);
  if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size()) {
    return Status::Error(Translated(QT_TRANSLATE_NOOP("Kestrune", "Can't write %1: %2"),
                                    {path, out.errorString().toStdString()}));
  }
  return Status::Ok();
}

}  // namespace kestrune
