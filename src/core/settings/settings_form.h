#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "core/settings/settings.h"

namespace vdbq {

// The fields of the settings dialog, as texts and ticks.
struct SettingsForm {
  std::string FtpHost;       // EdFtpHost
  std::string FtpUser;       // EdFtpUser
  std::string FtpPassword;   // EdFtpPwd
  std::string FtpFromDir;    // EdFtpFromDir
  std::string FtpToDir;      // EdFtpToDir
  std::string Logs;          // EdLogs
  std::string Saves;         // EdSaves
  bool Strobe = true;        // CBStrobe
  bool SaveSettings = true;  // CBSaveSettings
  int KeepPreviousExtracts = 14;

  bool operator==(const SettingsForm&) const = default;
};

// The dialog's items in the order they are shown; each has a clickable heading.
enum class SettingsItem {
  FtpHost,
  FtpUser,
  FtpPassword,
  FtpFromDir,
  FtpToDir,
  Logs,
  Saves,
  Strobe,
  SaveSettings,
  KeepPreviousExtracts,
};
inline constexpr int kSettingsItemCount = 10;

struct SettingsItemText {
  const char* Heading;
  const char* Explanation;
  // How many characters the field takes; 0 for no limit (and for the check boxes).
  int MaxLength;
};

const SettingsItemText& TextOf(SettingsItem item);

inline constexpr const char* kSettingsCaption = "Settings...";
inline constexpr const char* kSettingsIntro =
    "Adjust settings for FTP data transfer and other options here... Click OK to save.";
inline constexpr const char* kSettingsFirstExplanation =
    "Click option headings to display a brief explanation of what it does.";

// The fields as the dialog shows them on every activation.
SettingsForm FormOf(const Settings& settings);

// Ends the FTP-from directory with "/" and the three local directories with the local
// separator, where they do not end so already.
void CompleteDirectoryTexts(SettingsForm& form);

// The first local directory of the form that does not exist, checked in the order database,
// logs, saves, with the message that names it.
struct MissingDirectory {
  SettingsItem Field;
  const char* Message;
};
using DirectoryExists = std::function<bool(const std::string&)>;
std::optional<MissingDirectory> FirstMissingDirectory(const SettingsForm& form,
                                                      const DirectoryExists& exists);
// The same over the file system.
std::optional<MissingDirectory> FirstMissingDirectory(const SettingsForm& form);

// Takes the form into the settings; host, user and password are cut to 50 characters.
void ApplyForm(const SettingsForm& form, Settings& settings);

}  // namespace vdbq
