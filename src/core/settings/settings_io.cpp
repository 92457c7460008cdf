#include "core/settings/settings_io.h"

#include <charconv>

#include "core/settings/password_scramble.h"

namespace vdbq {

namespace {

std::string ReadText(const SettingsStore& store, const char* name, const std::string& fallback,
                     std::size_t maxLength) {
  return store.Read(name).value_or(fallback).substr(0, maxLength);
}

// Decimal, optionally signed, the whole value; anything else (or a number out of range) is no
// number at all.
int ReadInteger(const SettingsStore& store, const char* name, int fallback) {
  const auto value = store.Read(name);
  if (!value || value->empty()) return fallback;
  const char* first = value->data();
  const char* last = first + value->size();
  if (*first == '+' && value->size() > 1 && first[1] != '-') ++first;
  int number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  if (error != std::errc() || end != last) return fallback;
  return number;
}

bool ReadBoolean(const SettingsStore& store, const char* name, bool fallback) {
  return ReadInteger(store, name, fallback ? 1 : 0) != 0;
}

std::string BooleanText(bool value) { return value ? "1" : "0"; }

}  // namespace

Settings LoadSettings(const SettingsStore& store, const std::string& programDir) {
  const Settings defaults = DefaultSettings(programDir);
  Settings settings = defaults;
  settings.RemoteExtractDir =
      ReadText(store, kFtpFromDirName, defaults.RemoteExtractDir, kMaxDirectoryLength);
  settings.DatabaseDir = ReadText(store, kFtpToDirName, defaults.DatabaseDir, kMaxDirectoryLength);
  settings.LogDir = ReadText(store, kLogName, defaults.LogDir, kMaxDirectoryLength);
  settings.SavesDir = ReadText(store, kSavesName, defaults.SavesDir, kMaxDirectoryLength);
  settings.FtpUser = ReadText(store, kUserIdName, defaults.FtpUser, kMaxFtpFieldLength);
  settings.FtpHost = ReadText(store, kHostIdName, defaults.FtpHost, kMaxFtpFieldLength);
  const auto stored = store.Read(kEncryptName);
  settings.FtpPassword = (stored ? PasswordFromStoredValue(*stored) : defaults.FtpPassword)
                             .substr(0, kMaxFtpFieldLength);

  settings.StrobeOn = ReadBoolean(store, kStrobeName, defaults.StrobeOn);
  settings.SoundsOn = ReadBoolean(store, kSfxName, defaults.SoundsOn);
  settings.SaveSettingsOnExit = ReadBoolean(store, kSaveSettingsName, defaults.SaveSettingsOnExit);

  settings.SelectedNodeText = ReadInteger(store, kCol1Name, defaults.SelectedNodeText);
  settings.SelectedNodeGround = ReadInteger(store, kCol2Name, defaults.SelectedNodeGround);
  settings.KeepPreviousExtracts =
      ReadInteger(store, kKeepPreviousExtractsName, defaults.KeepPreviousExtracts);
  if (settings.KeepPreviousExtracts < 0) {
    settings.KeepPreviousExtracts = defaults.KeepPreviousExtracts;
  }

  settings.TransferProtocol =
      ReadText(store, kTransferProtocolName, defaults.TransferProtocol, kMaxFtpFieldLength);
  settings.IdentityFile = ReadText(store, kIdentityFileName, "", kMaxDirectoryLength);
  settings.KnownHostsFile = ReadText(store, kKnownHostsFileName, "", kMaxDirectoryLength);
  settings.CaFile = ReadText(store, kCaFileName, "", kMaxDirectoryLength);

  EnsureDirectories(settings);
  return settings;
}

void StoreSettings(SettingsStore& store, const Settings& settings) {
  store.Write(kSaveSettingsName, BooleanText(settings.SaveSettingsOnExit));
  if (!settings.SaveSettingsOnExit) return;
  store.Write(kEncryptName,
              settings.PasswordInKeyring ? "" : StoredPasswordValue(settings.FtpPassword));
  store.Write(kUserIdName, settings.FtpUser);
  store.Write(kHostIdName, settings.FtpHost);
  store.Write(kFtpToDirName, settings.DatabaseDir);
  store.Write(kFtpFromDirName, settings.RemoteExtractDir);
  store.Write(kLogName, settings.LogDir);
  store.Write(kSavesName, settings.SavesDir);
  store.Write(kStrobeName, BooleanText(settings.StrobeOn));
  store.Write(kCol1Name, std::to_string(settings.SelectedNodeText));
  store.Write(kCol2Name, std::to_string(settings.SelectedNodeGround));
  store.Write(kSfxName, BooleanText(settings.SoundsOn));
  store.Write(kKeepPreviousExtractsName, std::to_string(settings.KeepPreviousExtracts));
  const Settings defaults;
  const std::pair<const char*, const std::string Settings::*> secureTexts[] = {
      {kTransferProtocolName, &Settings::TransferProtocol},
      {kIdentityFileName, &Settings::IdentityFile},
      {kKnownHostsFileName, &Settings::KnownHostsFile},
      {kCaFileName, &Settings::CaFile}};
  for (const auto& [name, member] : secureTexts) {
    if (settings.*member != defaults.*member) {
      store.Write(name, settings.*member);
    }
  }
}

}  // namespace vdbq
