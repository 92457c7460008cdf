#include "core/settings/settings_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/settings/password_scramble.h"
#include "core/settings/settings.h"
#include "support/temp_dir.h"

namespace vdbq {
namespace {

using testing::TempDir;

// Every stored value differs from its default.
Settings Changed(const std::string& dir) {
  return {.ProgramDir = dir,
          .RemoteExtractDir = "/remote/x/",
          .DatabaseDir = dir + "Db/",
          .LogDir = dir + "L/",
          .SavesDir = dir + "S/",
          .FtpUser = "operator",
          .FtpHost = "127.0.0.1 2121",
          .FtpPassword = "Secret12",
          .StrobeOn = false,
          .SoundsOn = false,
          .SelectedNodeText = 0xFF00FF,
          .SelectedNodeGround = 0,
          .TransferProtocol = "sftp",
          .IdentityFile = dir + "id_ed25519",
          .KnownHostsFile = dir + "known_hosts",
          .CaFile = dir + "ca.pem"};
}

TEST(LoadSettings, DefaultsLieBelowTheProgramLongTextsAreCut) {
  const Settings settings = DefaultSettings("/opt/vdbq/");
  EXPECT_EQ(
      (std::vector<std::string>{settings.ProgramDir, settings.DatabaseDir, settings.LogDir,
                                settings.SavesDir, settings.RemoteExtractDir, settings.FtpUser}),
      (std::vector<std::string>{"/opt/vdbq/", "/opt/vdbq/DBase/", "/opt/vdbq/Logs/",
                                "/opt/vdbq/Saves/", "/scheduler/varnolt/DBXtract/", "varnolt"}));
  EXPECT_EQ(std::tie(settings.SelectedNodeText, settings.SelectedNodeGround),
            std::make_tuple(65535, 128));
  EXPECT_EQ(settings.FtpPassword.size(), 8u);
  EXPECT_TRUE(settings.StrobeOn && settings.SoundsOn && settings.SaveSettingsOnExit);
  // An empty store gives the defaults and creates the directories; long texts are cut.
  TempDir dir;
  MemorySettingsStore store;
  const Settings loaded = LoadSettings(store, dir.DirText());
  EXPECT_EQ(loaded, DefaultSettings(dir.DirText()));
  for (const char* sub : {"DBase", "Logs", "Saves"}) {
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / sub)) << sub;
  }
}

// Numbers are decimal integers; a switch is on for any number but zero; what is no number,
// or out of range, gives the default.
TEST(LoadSettings, NumbersAndSwitches) {
  // The stored name and value, then the two tree colours and Strobe as read.
  const std::tuple<const char*, const char*, int, int, bool> cases[] = {
      {"Col1", "abc", 65535, 128, true},         {"Col2", "12x", 65535, 128, true},
      {"Col1", "255", 255, 128, true},           {"Col2", "-1", 65535, -1, true},
      {"Col1", "99999999999", 65535, 128, true}, {"Strobe", "0", 65535, 128, false},
      {"Strobe", "2", 65535, 128, true},         {"Strobe", "-1", 65535, 128, true},
      {"Strobe", "no", 65535, 128, true},        {"Strobe", "", 65535, 128, true}};
  for (const auto& [name, stored, col1, col2, strobe] : cases) {
    TempDir dir;
    MemorySettingsStore store(std::map<std::string, std::string>{{name, stored}});
    const Settings settings = LoadSettings(store, dir.DirText());
    EXPECT_EQ(std::tie(settings.SelectedNodeText, settings.SelectedNodeGround, settings.StrobeOn),
              std::tie(col1, col2, strobe))
        << name << "=" << stored;
  }
  TempDir dir;
  MemorySettingsStore store({{"Sfx", "0"}, {"SaveSettings", "false"}});
  const Settings settings = LoadSettings(store, dir.DirText());
  EXPECT_FALSE(settings.SoundsOn);
  EXPECT_TRUE(settings.SaveSettingsOnExit);
  // Long texts are cut.
  const std::string longDir = "/" + std::string(300, 'd') + "/";
  MemorySettingsStore cut({{"FtpFromDir", longDir},
                           {"UserID", std::string(60, 'u')},
                           {"HostID", std::string(51, 'h')},
                           {"Encrypt", StoredPasswordValue(std::string(70, 'p'))}});
  const Settings s = LoadSettings(cut, dir.DirText());
  EXPECT_EQ((std::vector<std::string>{s.RemoteExtractDir, s.FtpUser, s.FtpHost, s.FtpPassword}),
            (std::vector<std::string>{longDir.substr(0, 255), std::string(50, 'u'),
                                      std::string(50, 'h'), std::string(50, 'p')}));
  // An old-style password value reads as before.
  MemorySettingsStore old({{"Encrypt", Scramble("varnolt", kPasswordStartValue)}});
  EXPECT_EQ(LoadSettings(old, dir.DirText()).FtpPassword, "varnolt");
}

TEST(StoreSettings, NumbersAndSwitchesAreDecimalTextLoadBackUnchangedAndSwitchOff) {
  TempDir dir;
  MemorySettingsStore store;
  const Settings settings = Changed(dir.DirText());
  StoreSettings(store, settings);
  std::vector<std::string> stored;
  for (const char* key : {"Col1", "Col2", "Strobe", "Sfx", "SaveSettings"}) {
    stored.push_back(store.Values().at(key));
  }
  EXPECT_EQ(stored, (std::vector<std::string>{"16711935", "0", "0", "0", "1"}));
  EXPECT_EQ(LoadSettings(store, dir.DirText()), settings);
  // Switched off, it keeps the earlier values and stores zero.
  auto expected = store.Values();
  expected["SaveSettings"] = "0";
  Settings later = DefaultSettings(dir.DirText());
  later.SaveSettingsOnExit = false;
  StoreSettings(store, later);
  EXPECT_EQ(store.Values(), expected);
  Settings reloaded = settings;
  reloaded.SaveSettingsOnExit = false;
  EXPECT_EQ(LoadSettings(store, dir.DirText()), reloaded);
}

using testing::TempDir;
namespace fs = std::filesystem;

TEST(EnsureDirectories, CreatesOneLevelOnlySilentlyInTheOrderSavesLogDatabase) {
  TempDir dir;
  Settings settings = DefaultSettings(dir.DirText());
  settings.LogDir = dir.DirText() + "missing/Logs/";
  EXPECT_NO_THROW(EnsureDirectories(settings));
  EXPECT_FALSE(fs::exists(dir.Path() / "missing"));
  EXPECT_TRUE(fs::is_directory(dir.Path() / "Saves"));
  EXPECT_TRUE(fs::is_directory(dir.Path() / "DBase"));
  // Each directory here lies inside the one before it in the order saves, log, database, so all
  // three exist only when they are created in that order.
  settings.SavesDir = dir.DirText() + "a/";
  settings.LogDir = dir.DirText() + "a/b/";
  settings.DatabaseDir = dir.DirText() + "a/b/c/";
  EnsureDirectories(settings);
  EXPECT_TRUE(fs::is_directory(dir.Path() / "a" / "b" / "c"));
}

}  // namespace
}  // namespace vdbq
