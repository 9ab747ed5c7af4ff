#include "shell/qt_settings_store.h"

namespace kestrune {
namespace {

QString KeyPath(const std::string& section, const std::string& key) {
  return QString::fromStdString(section + "/" + key);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            "Kestrune", "Kestrune")) {}

QtSettingsStore::QtSettingsStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

std::optional<std::string> QtSettingsStore::Read(const std::string& section,
                                                 const std::string& key) {
  const QVariant value = settings_->value(KeyPath(section, key));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

void QtSettingsStore::Write(const std::string& section, const std::string& key,
                            const std::string& value) {
  settings_->setValue(KeyPath(section, key), QString::fromStdString(value));
}

}  // namespace kestrune
