#include "core/settings/settings.h"

#include <filesystem>
#include <system_error>

namespace vdbq {

Settings DefaultSettings(const std::string& programDir) {
  Settings settings;
  settings.ProgramDir = programDir;
  settings.RemoteExtractDir = "/scheduler/varnolt/DBXtract/";
  settings.DatabaseDir = programDir + "DBase" + kPathSeparator;
  settings.LogDir = programDir + "Logs" + kPathSeparator;
  settings.SavesDir = programDir + "Saves" + kPathSeparator;
  settings.FtpUser = "varnolt";
  settings.FtpHost = "varnolt-master";
  settings.FtpPassword = "Xtract01";
  return settings;
}

namespace {

void CreateOneLevel(const std::string& dir) {
  if (dir.empty()) return;
  std::error_code ignored;
  std::filesystem::create_directory(std::filesystem::path(dir), ignored);
}

}  // namespace

void EnsureDirectories(const Settings& settings) {
  CreateOneLevel(settings.SavesDir);
  CreateOneLevel(settings.LogDir);
  CreateOneLevel(settings.DatabaseDir);
}

}  // namespace vdbq
