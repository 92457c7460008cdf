#pragma once

#include <cstddef>
#include <string>

namespace vdbq {

// The local directory separator; directory settings end with it.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Longest texts the settings keep; longer values are cut when read.
inline constexpr std::size_t kMaxDirectoryLength = 255;
inline constexpr std::size_t kMaxFtpFieldLength = 50;

// Colours are held as red + 256 * green + 65536 * blue.
inline constexpr int kDefaultSelectedNodeText = 65535;  // yellow
inline constexpr int kDefaultSelectedNodeGround = 128;  // maroon

// A colour setting's three channels, each 0 to 255.
struct ColourChannels {
  int Red = 0;
  int Green = 0;
  int Blue = 0;

  bool operator==(const ColourChannels&) const = default;
};
constexpr ColourChannels ChannelsOfColourSetting(int setting) {
  return {setting & 0xFF, (setting >> 8) & 0xFF, (setting >> 16) & 0xFF};
}
constexpr int ColourSettingOf(ColourChannels channels) {
  return channels.Red + 256 * channels.Green + 65536 * channels.Blue;
}

// The program's settings, held in memory from start-up to exit.
struct Settings {
  std::string ProgramDir;        // where the program keeps its files, with a trailing separator
  std::string RemoteExtractDir;  // "FtpFromDir": the extract directory on the master
  std::string DatabaseDir;       // "FtpToDir": the local extract directory
  std::string LogDir;            // "Log": the audit log directory
  std::string SavesDir;          // "Saves": where exports are offered first
  std::string FtpUser;           // "UserID"
  std::string FtpHost;           // "HostID"
  std::string FtpPassword;       // "Encrypt", held in clear
  bool StrobeOn = true;          // "Strobe": the report panel's animation runs
  bool SoundsOn = true;          // "Sfx"
  bool SaveSettingsOnExit = true;
  int SelectedNodeText = kDefaultSelectedNodeText;      // "Col1": the selected tree node's text
  int SelectedNodeGround = kDefaultSelectedNodeGround;  // "Col2": and its background
  // "KeepPreviousExtracts": how many earlier extract sets a transfer keeps; 0 keeps none.
  int KeepPreviousExtracts = 14;
  std::string TransferProtocol = "ftp";  // "ftp", "ftps" or "sftp"
  std::string IdentityFile;              // SFTP's private key; "" for the SSH agent
  std::string KnownHostsFile;            // SFTP's host keys; "" for ~/.ssh/known_hosts
  std::string CaFile;                    // FTPS's trusted issuers; "" for the system's
  // The password lives in the OS keyring, so the settings file keeps none. Not stored.
  bool PasswordInKeyring = false;

  bool operator==(const Settings&) const = default;
};

// The settings of a first start; the three local directories lie below programDir (the
// program's own directory, or the user's data directory for an installed program).
Settings DefaultSettings(const std::string& programDir);

// Creates the saves, log and database directories, in that order, each one level deep.
// A directory that cannot be created stays missing; nothing is reported.
void EnsureDirectories(const Settings& settings);

}  // namespace vdbq
