#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "shell/settings_store.h"

namespace kestrune {

// The preferences in QSettings: the per-user native store of the program, or an INI file
// at a given path (tests and a second profile). Sections become QSettings groups.
class QtSettingsStore final : public SettingsStore {
 public:
  // The user's own store of the program "Kestrune".
  QtSettingsStore();
  // An INI file at `path`.
  explicit QtSettingsStore(const QString& path);
  QtSettingsStore(const QtSettingsStore&) = delete;
  QtSettingsStore& operator=(const QtSettingsStore&) = delete;

  std::optional<std::string> Read(const std::string& section, const std::string& key) override;
  void Write(const std::string& section, const std::string& key, const std::string& value) override;
  // Writes what is pending to the disk.
  void Flush() { settings_->sync(); }

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace kestrune
