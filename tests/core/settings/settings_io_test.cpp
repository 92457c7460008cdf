#include "core/settings/settings_io.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/password_scramble.h"
#include "support/temp_dir.h"

namespace vdbq {
namespace {

using testing::TempDir;

Settings Changed(const std::string& programDir) {
  Settings settings = DefaultSettings(programDir);
  settings.RemoteExtractDir = "/remote/x/";
  settings.DatabaseDir = programDir + "Db/";
  settings.LogDir = programDir + "L/";
  settings.SavesDir = programDir + "S/";
  settings.FtpUser = "operator";
  settings.FtpHost = "127.0.0.1 2121";
  settings.FtpPassword = "Secret12";
  settings.StrobeOn = false;
  settings.SoundsOn = false;
  settings.Col1 = 0xFF00FF;
  settings.Col2 = 0;
  return settings;
}

TEST(DefaultSettings, DirectoriesLieBelowTheProgram) {
  const Settings settings = DefaultSettings("/opt/vdbq/");
  EXPECT_EQ(settings.ProgramDir, "/opt/vdbq/");
  EXPECT_EQ(settings.DatabaseDir, "/opt/vdbq/DBase/");
  EXPECT_EQ(settings.LogDir, "/opt/vdbq/Logs/");
  EXPECT_EQ(settings.SavesDir, "/opt/vdbq/Saves/");
  EXPECT_EQ(settings.RemoteExtractDir, "/scheduler/varnolt/DBXtract/");
  EXPECT_EQ(settings.FtpUser, "varnolt");
  EXPECT_EQ(settings.FtpPassword.size(), 8u);
  EXPECT_EQ(settings.Col1, 65535);
  EXPECT_EQ(settings.Col2, 128);
  EXPECT_TRUE(settings.StrobeOn && settings.SoundsOn && settings.SaveSettingsOnExit);
}

TEST(LoadSettings, EmptyStoreGivesDefaultsAndCreatesDirectories) {
  TempDir dir;
  MemorySettingsStore store;
  const Settings settings = LoadSettings(store, dir.DirText());
  EXPECT_EQ(settings, DefaultSettings(dir.DirText()));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "DBase"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "Logs"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "Saves"));
}

TEST(LoadSettings, ReadsInTheStoredOrder) {
  TempDir dir;
  MemorySettingsStore store;
  LoadSettings(store, dir.DirText());
  const std::vector<std::string> expected = {"FtpFromDir", "FtpToDir",     "Log",     "Saves",
                                             "UserID",     "HostID",       "Encrypt", "Strobe",
                                             "Sfx",        "SaveSettings", "Col1",    "Col2",
                                             "KeepPreviousExtracts"};
  EXPECT_EQ(store.ReadNames(), expected);
}

TEST(LoadSettings, NonNumericColourGivesDefault) {
  TempDir dir;
  MemorySettingsStore store({{"Col1", "abc"}, {"Col2", "12x"}});
  const Settings settings = LoadSettings(store, dir.DirText());
  EXPECT_EQ(settings.Col1, 65535);
  EXPECT_EQ(settings.Col2, 128);
}

TEST(LoadSettings, NumbersAreDecimalIntegers) {
  TempDir dir;
  MemorySettingsStore store({{"Col1", "255"}, {"Col2", "-1"}});
  const Settings settings = LoadSettings(store, dir.DirText());
  EXPECT_EQ(settings.Col1, 255);
  EXPECT_EQ(settings.Col2, -1);
}

TEST(LoadSettings, NumberOutOfRangeGivesDefault) {
  TempDir dir;
  MemorySettingsStore store(std::map<std::string, std::string>{{"Col1", "99999999999"}});
  EXPECT_EQ(LoadSettings(store, dir.DirText()).Col1, 65535);
}

TEST(LoadSettings, BooleanIsTrueForAnyNonZeroNumber) {
  TempDir dir;
  MemorySettingsStore store({{"Strobe", "0"}, {"Sfx", "2"}, {"SaveSettings", "-1"}});
  const Settings settings = LoadSettings(store, dir.DirText());
  EXPECT_FALSE(settings.StrobeOn);
  EXPECT_TRUE(settings.SoundsOn);
  EXPECT_TRUE(settings.SaveSettingsOnExit);
}

TEST(LoadSettings, BooleanThatIsNoNumberGivesDefault) {
  TempDir dir;
  MemorySettingsStore store({{"Strobe", "no"}, {"Sfx", ""}, {"SaveSettings", "false"}});
  const Settings settings = LoadSettings(store, dir.DirText());
  EXPECT_TRUE(settings.StrobeOn);
  EXPECT_TRUE(settings.SoundsOn);
  EXPECT_TRUE(settings.SaveSettingsOnExit);
}

TEST(LoadSettings, LongTextsAreCut) {
  TempDir dir;
  const std::string longDir = "/" + std::string(300, 'd') + "/";
  MemorySettingsStore store({{"FtpFromDir", longDir},
                             {"UserID", std::string(60, 'u')},
                             {"HostID", std::string(51, 'h')},
                             {"Encrypt", StoredPasswordValue(std::string(70, 'p'))}});
  const Settings settings = LoadSettings(store, dir.DirText());
  EXPECT_EQ(settings.RemoteExtractDir, longDir.substr(0, 255));
  EXPECT_EQ(settings.FtpUser, std::string(50, 'u'));
  EXPECT_EQ(settings.FtpHost, std::string(50, 'h'));
  EXPECT_EQ(settings.FtpPassword, std::string(50, 'p'));
}

TEST(LoadSettings, OldStylePasswordValueReadsAsBefore) {
  TempDir dir;
  MemorySettingsStore store({{"Encrypt", Scramble("varnolt", kPasswordStartValue)}});
  EXPECT_EQ(LoadSettings(store, dir.DirText()).FtpPassword, "varnolt");
}

TEST(StoreSettings, WritesInTheStoredOrder) {
  TempDir dir;
  MemorySettingsStore store;
  StoreSettings(store, DefaultSettings(dir.DirText()));
  const std::vector<std::string> expected = {"SaveSettings", "Encrypt",    "UserID", "HostID",
                                             "FtpToDir",     "FtpFromDir", "Log",    "Saves",
                                             "Strobe",       "Col1",       "Col2",   "Sfx",
                                             "KeepPreviousExtracts"};
  EXPECT_EQ(store.WrittenNames(), expected);
}

TEST(StoreSettings, NumbersAndSwitchesAreDecimalText) {
  TempDir dir;
  MemorySettingsStore store;
  StoreSettings(store, Changed(dir.DirText()));
  EXPECT_EQ(store.Values().at("Col1"), "16711935");
  EXPECT_EQ(store.Values().at("Col2"), "0");
  EXPECT_EQ(store.Values().at("Strobe"), "0");
  EXPECT_EQ(store.Values().at("Sfx"), "0");
  EXPECT_EQ(store.Values().at("SaveSettings"), "1");
}

TEST(StoreSettings, StoredSettingsLoadBackUnchanged) {
  TempDir dir;
  MemorySettingsStore store;
  const Settings settings = Changed(dir.DirText());
  StoreSettings(store, settings);
  EXPECT_EQ(LoadSettings(store, dir.DirText()), settings);
}

TEST(StoreSettings, SwitchOffKeepsEarlierValuesAndStoresZero) {
  TempDir dir;
  MemorySettingsStore store;
  const Settings earlier = Changed(dir.DirText());
  StoreSettings(store, earlier);
  const auto before = store.Values();

  Settings later = DefaultSettings(dir.DirText());
  later.SaveSettingsOnExit = false;
  StoreSettings(store, later);

  auto expected = before;
  expected["SaveSettings"] = "0";
  EXPECT_EQ(store.Values(), expected);
  Settings reloaded = earlier;
  reloaded.SaveSettingsOnExit = false;
  EXPECT_EQ(LoadSettings(store, dir.DirText()), reloaded);
}

TEST(StoreSettings, EveryPasswordByteSurvivesStoreAndLoad) {
  TempDir dir;
  MemorySettingsStore store;
  Settings settings = DefaultSettings(dir.DirText());
  for (int byte = 0; byte < 256; ++byte) {
    settings.FtpPassword = std::string("ab") + static_cast<char>(byte);
    StoreSettings(store, settings);
    ASSERT_EQ(LoadSettings(store, dir.DirText()).FtpPassword, settings.FtpPassword)
        << "byte " << byte;
  }
}

}  // namespace
}  // namespace vdbq
