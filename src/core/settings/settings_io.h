#pragma once

#include <string>

#include "core/settings/settings.h"
#include "core/settings/settings_store.h"

namespace vdbq {

// The value names in the store.
inline constexpr char kFtpFromDirName[] = "FtpFromDir";
inline constexpr char kFtpToDirName[] = "FtpToDir";
inline constexpr char kLogName[] = "Log";
inline constexpr char kSavesName[] = "Saves";
inline constexpr char kUserIdName[] = "UserID";
inline constexpr char kHostIdName[] = "HostID";
inline constexpr char kEncryptName[] = "Encrypt";
inline constexpr char kStrobeName[] = "Strobe";
inline constexpr char kSfxName[] = "Sfx";
inline constexpr char kSaveSettingsName[] = "SaveSettings";
inline constexpr char kCol1Name[] = "Col1";
inline constexpr char kCol2Name[] = "Col2";
inline constexpr char kKeepPreviousExtractsName[] = "KeepPreviousExtracts";
inline constexpr char kTransferProtocolName[] = "TransferProtocol";
inline constexpr char kIdentityFileName[] = "IdentityFile";
inline constexpr char kKnownHostsFileName[] = "KnownHostsFile";
inline constexpr char kCaFileName[] = "CaFile";

// Reads every setting (a missing value, or a number that does not read as one, gives the
// default), cuts the texts to their lengths and then runs EnsureDirectories.
Settings LoadSettings(const SettingsStore& store, const std::string& programDir);

// Always writes "SaveSettings"; everything else only when SaveSettingsOnExit is on. The secure
// transfer's settings are written only once they differ from their defaults, and the password
// is written empty while it lives in the keyring.
void StoreSettings(SettingsStore& store, const Settings& settings);

}  // namespace vdbq
