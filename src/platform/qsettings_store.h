#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "core/settings/settings_store.h"

class QSettings;

namespace vdbq {

// The settings store of the platform: on Windows the registry key
// HKEY_CURRENT_USER\VarnoltDBQ\Settings with text values, elsewhere the group [Settings] of
// VarnoltDBQ/VarnoltDBQ.ini in the user's configuration directory.
class QSettingsStore : public SettingsStore {
 public:
  QSettingsStore();
  // The group [Settings] of the INI file at iniFilePath.
  explicit QSettingsStore(const QString& iniFilePath);
  ~QSettingsStore() override;

  std::optional<std::string> Read(const std::string& name) const override;
  void Write(const std::string& name, const std::string& value) override;

  // Writes pending changes out now instead of when the store is destroyed.
  void Sync();

 private:
  std::unique_ptr<QSettings> settings_;
};

// Where the user's INI file lives on platforms without a registry.
QString DefaultSettingsIniPath();
// Where the user's settings live: the registry key on Windows, else that INI file.
QString SettingsLocation();

}  // namespace vdbq
