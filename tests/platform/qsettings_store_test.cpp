#include "platform/qsettings_store.h"

#include <gtest/gtest.h>

#include <QString>

#include "core/settings/settings_io.h"
#include "support/temp_dir.h"
#include "support/test_helpers.h"

namespace vdbq {
namespace {

using testing::ReadFile;
using testing::TempDir;

QString IniPath(const TempDir& dir) {
  return QString::fromStdString((dir.Path() / "VarnoltDBQ.ini").string());
}

TEST(QSettingsStore, ValuesLiveInTheSettingsGroupOfTheFile) {
  TempDir dir;
  {
    QSettingsStore store(IniPath(dir));
    store.Write("HostID", "master1");
  }
  const std::string text = ReadFile(dir.Path() / "VarnoltDBQ.ini");
  EXPECT_NE(text.find("[Settings]"), std::string::npos) << text;
  EXPECT_NE(text.find("HostID=master1"), std::string::npos) << text;
}

TEST(QSettingsStore, HandWrittenFileIsRead) {
  TempDir dir;
  dir.Write("VarnoltDBQ.ini", "[Settings]\nCol1=abc\nUserID=batch\nLog=/var/log/a,b/\n");
  QSettingsStore store(IniPath(dir));
  EXPECT_EQ(store.Read("UserID"), "batch");
  EXPECT_EQ(store.Read("Log"), "/var/log/a,b/");
  EXPECT_FALSE(store.Read("HostID").has_value());
  EXPECT_EQ(LoadSettings(store, dir.DirText()).SelectedNodeText, 65535);
}

TEST(QSettingsStore, TextsKeepTheirBytes) {
  TempDir dir;
  const std::string utf8Dir = "/home/jos\xc3\xa9/db, one/";
  const std::string latin1 = "caf\xe9";
  const std::string leadingAt = "@ByteArray(x)";
  {
    QSettingsStore store(IniPath(dir));
    store.Write("FtpToDir", utf8Dir);
    store.Write("UserID", latin1);
    store.Write("HostID", leadingAt);
  }
  QSettingsStore store(IniPath(dir));
  EXPECT_EQ(store.Read("FtpToDir"), utf8Dir);
  EXPECT_EQ(store.Read("UserID"), latin1);
  EXPECT_EQ(store.Read("HostID"), leadingAt);
}

TEST(QSettingsStore, SettingsWithEveryPasswordByteRoundTripThroughTheFile) {
  TempDir dir;
  Settings settings = DefaultSettings(dir.DirText());
  settings.FtpHost = "127.0.0.1 2121";
  settings.SoundsOn = false;
  settings.SelectedNodeGround = 0x123456;
  for (int byte = 0; byte < 256; ++byte) {
    settings.FtpPassword = std::string("p") + static_cast<char>(byte) + "w";
    {
      QSettingsStore store(IniPath(dir));
      StoreSettings(store, settings);
    }
    QSettingsStore store(IniPath(dir));
    ASSERT_EQ(LoadSettings(store, dir.DirText()), settings) << "byte " << byte;
  }
}

}  // namespace
}  // namespace vdbq
