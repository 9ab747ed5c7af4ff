#pragma once

#include <optional>
#include <string>

namespace kestrune {

// The per-user key-value store the preferences live in, by section and key. The program
// uses QSettings; tests use a map or a settings file in a temporary folder.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or nothing when the key is absent.
  virtual std::optional<std::string> Read(const std::string& section, const std::string& key) = 0;
  virtual void Write(const std::string& section, const std::string& key,
                     const std::string& value) = 0;
};

}  // namespace kestrune
