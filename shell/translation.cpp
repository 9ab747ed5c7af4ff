#include "shell/translation.h"

#include <QCoreApplication>

namespace kestrune {

std::string Translated(const char* text, std::initializer_list<std::string> args) {
  QString translated = QCoreApplication::translate("Kestrune", text);
  for (const std::string& arg : args) translated = translated.arg(QString::fromStdString(arg));
  return translated.toStdString();
}

}  // namespace kestrune
