#include "core/settings/settings_form.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace vdbq {
namespace {

constexpr std::array<SettingsItemText, kSettingsItemCount> kItemTexts{{
    {"Varnolt Master Domain",
     "This is the name of the FTP-enabled server from which you wish to retrieve your Varnolt "
     "Database Extracts.",
     50},
    {"FTP UserID",
     "The FTP Userid set up on the above server with read access rights to your Varnolt "
     "Database Extract files.",
     26},
    {"FTP Password",
     "Enter the correct password (case sensitive) to enable the FTP Userid to connect and "
     "transfer the Varnolt Database Extracts to your PC.",
     26},
    {"(FTP From) Database Location On Master Domain",
     "Enter the exact location of the Varnolt Database Extracts on your Varnolt Master Domain so "
     "FTP can retrieve them.",
     0},
    {"(FTP To) Local Database File Location",
     "This is the location of the local directory into which FTP will place the transferred "
     "Varnolt Database Extracts.",
     0},
    {"Log Location",
     "The local directory to which any VarnoltBDQ logs may be written. Eg. C:\\VarnoltDBQ\\Logs\\",
     0},
    {"Saves Location",
     "The local directory to which VarnoltDBQ may place any saved data or listings you wish to "
     "store.",
     0},
    {"Reverse Strobe Usage",
     "The fancy strobe graphic is designed to let you know the program is in deep thought (ie. "
     "busy). Default setting means it will pause animation when busy.",
     0},
    {"Save Settings On Exit",
     "This enables settings and other changes to be saved to the registry upon program closure - "
     "otherwise changes will be for this session only.",
     0},
    {"Keep Previous Extracts",
     "How many earlier sets of the extracts to keep in the History folder of the local database "
     "directory when a transfer replaces them, for comparing with what changed. 0 keeps none.",
     0},
}};

void EndWith(std::string& text, char separator) {
  if (text.empty() || text.back() != separator) text += separator;
}

std::string Cut(const std::string& text) { return text.substr(0, kMaxFtpFieldLength); }

}  // namespace

const SettingsItemText& TextOf(SettingsItem item) {
  return kItemTexts[static_cast<std::size_t>(item)];
}

SettingsForm FormOf(const Settings& settings) {
  SettingsForm form;
  form.FtpHost = settings.FtpHost;
  form.FtpUser = settings.FtpUser;
  form.FtpPassword = settings.FtpPassword;
  form.FtpFromDir = settings.RemoteExtractDir;
  form.FtpToDir = settings.DatabaseDir;
  form.Logs = settings.LogDir;
  form.Saves = settings.SavesDir;
  form.Strobe = settings.StrobeOn;
  form.SaveSettings = settings.SaveSettingsOnExit;
  form.KeepPreviousExtracts = settings.KeepPreviousExtracts;
  return form;
}

void CompleteDirectoryTexts(SettingsForm& form) {
  EndWith(form.FtpFromDir, '/');
  EndWith(form.FtpToDir, kPathSeparator);
  EndWith(form.Saves, kPathSeparator);
  EndWith(form.Logs, kPathSeparator);
}

std::optional<MissingDirectory> FirstMissingDirectory(const SettingsForm& form,
                                                      const DirectoryExists& exists) {
  if (!exists(form.FtpToDir)) {
    return MissingDirectory{SettingsItem::FtpToDir,
                            "Directory (Download Database File Location) Does Not Exist!"};
  }
  if (!exists(form.Logs)) {
    return MissingDirectory{SettingsItem::Logs, "Directory (Logs Location) Does Not Exist!"};
  }
  if (!exists(form.Saves)) {
    return MissingDirectory{SettingsItem::Saves,
                            "Directory (Saves Database File Location) Does Not Exist!"};
  }
  return std::nullopt;
}

std::optional<MissingDirectory> FirstMissingDirectory(const SettingsForm& form) {
  return FirstMissingDirectory(form, [](const std::string& dir) {
    std::error_code ignored;
    return std::filesystem::is_directory(std::filesystem::path(dir), ignored);
  });
}

void ApplyForm(const SettingsForm& form, Settings& settings) {
  settings.SaveSettingsOnExit = form.SaveSettings;
  settings.FtpPassword = Cut(form.FtpPassword);
  settings.FtpHost = Cut(form.FtpHost);
  settings.FtpUser = Cut(form.FtpUser);
  settings.RemoteExtractDir = form.FtpFromDir;
  settings.DatabaseDir = form.FtpToDir;
  settings.StrobeOn = form.Strobe;
  settings.SavesDir = form.Saves;
  settings.LogDir = form.Logs;
  settings.KeepPreviousExtracts = std::max(form.KeepPreviousExtracts, 0);
}

}  // namespace vdbq
