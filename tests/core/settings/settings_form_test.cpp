#include "core/settings/settings_form.h"

#include <gtest/gtest.h>

#include <set>

#include "support/temp_dir.h"

namespace vdbq {
namespace {

const std::string kSep(1, kPathSeparator);

SettingsForm FilledForm() {
  SettingsForm form;
  form.FtpFromDir = "/data/extracts";
  form.FtpToDir = "db";
  form.Logs = "logs" + kSep;
  form.Saves = "saves";
  return form;
}

DirectoryExists Existing(std::set<std::string> dirs) {
  return [dirs = std::move(dirs)](const std::string& dir) { return dirs.count(dir) > 0; };
}

TEST(SettingsFormCompletion, AddsTheMissingSeparators) {
  SettingsForm form = FilledForm();
  CompleteDirectoryTexts(form);
  EXPECT_EQ(form.FtpFromDir, "/data/extracts/");
  EXPECT_EQ(form.FtpToDir, "db" + kSep);
  EXPECT_EQ(form.Logs, "logs" + kSep);
  EXPECT_EQ(form.Saves, "saves" + kSep);
  // A second pass leaves completed texts alone.
  const SettingsForm once = form;
  CompleteDirectoryTexts(form);
  EXPECT_EQ(form, once);
}

TEST(SettingsFormCompletion, TheRemoteDirectoryAlwaysTakesASlash) {
  SettingsForm form;
  form.FtpFromDir = "C:\\extracts\\";
  CompleteDirectoryTexts(form);
  EXPECT_EQ(form.FtpFromDir, "C:\\extracts\\/");
}

TEST(SettingsFormCompletion, EmptyDirectoriesBecomeTheRoot) {
  SettingsForm form;
  CompleteDirectoryTexts(form);
  EXPECT_EQ(form.FtpFromDir, "/");
  EXPECT_EQ(form.FtpToDir, kSep);
  EXPECT_FALSE(FirstMissingDirectory(form).has_value());
}

TEST(SettingsFormChecks, ReportTheFirstMissingDirectoryInDatabaseLogsSavesOrder) {
  SettingsForm form = FilledForm();
  CompleteDirectoryTexts(form);
  auto missing = FirstMissingDirectory(form, Existing({}));
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->Field, SettingsItem::FtpToDir);
  EXPECT_STREQ(missing->Message, "Directory (Download Database File Location) Does Not Exist!");

  missing = FirstMissingDirectory(form, Existing({"db" + kSep}));
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->Field, SettingsItem::Logs);
  EXPECT_STREQ(missing->Message, "Directory (Logs Location) Does Not Exist!");

  missing = FirstMissingDirectory(form, Existing({"db" + kSep, "logs" + kSep}));
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->Field, SettingsItem::Saves);
  EXPECT_STREQ(missing->Message, "Directory (Saves Database File Location) Does Not Exist!");

  EXPECT_FALSE(FirstMissingDirectory(form, Existing({"db" + kSep, "logs" + kSep, "saves" + kSep})));
}

TEST(SettingsFormChecks, TheRemoteDirectoryIsNotChecked) {
  testing::TempDir dir;
  SettingsForm form;
  form.FtpFromDir = "/no/such/remote/dir/";
  form.FtpToDir = form.Logs = form.Saves = dir.DirText();
  EXPECT_FALSE(FirstMissingDirectory(form).has_value());
}

TEST(SettingsFormChecks, AFileIsNotADirectory) {
  testing::TempDir dir;
  const std::string file = dir.Write("plain.txt", "x").string();
  SettingsForm form;
  form.FtpToDir = dir.DirText();
  form.Logs = file;
  form.Saves = form.FtpToDir;
  const auto missing = FirstMissingDirectory(form);
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->Field, SettingsItem::Logs);
}

TEST(SettingsFormTransfer, FormOfShowsTheSettingsAndApplyTakesThemBack) {
  Settings settings = DefaultSettings("/opt/v/");
  settings.StrobeOn = false;
  SettingsForm form = FormOf(settings);
  EXPECT_EQ(form.FtpHost, settings.FtpHost);
  EXPECT_EQ(form.FtpToDir, settings.DatabaseDir);
  EXPECT_EQ(form.FtpFromDir, settings.RemoteExtractDir);
  EXPECT_FALSE(form.Strobe);
  EXPECT_TRUE(form.SaveSettings);

  form.FtpHost = "master";
  form.FtpUser = "admin";
  form.FtpPassword = "secret";
  form.FtpFromDir = "/x/";
  form.FtpToDir = "/d/";
  form.Logs = "/l/";
  form.Saves = "/s/";
  form.Strobe = true;
  form.SaveSettings = false;
  Settings changed = settings;
  ApplyForm(form, changed);
  EXPECT_EQ(FormOf(changed), form);
  // What the dialog does not show stays as it was.
  EXPECT_EQ(changed.ProgramDir, settings.ProgramDir);
  EXPECT_EQ(changed.SoundsOn, settings.SoundsOn);
  EXPECT_EQ(changed.Col1, settings.Col1);
}

TEST(SettingsFormTransfer, HostUserAndPasswordAreCutToFiftyCharacters) {
  SettingsForm form;
  form.FtpHost = std::string(60, 'h');
  form.FtpUser = std::string(51, 'u');
  form.FtpPassword = std::string(50, 'p');
  Settings settings;
  ApplyForm(form, settings);
  EXPECT_EQ(settings.FtpHost, std::string(50, 'h'));
  EXPECT_EQ(settings.FtpUser, std::string(50, 'u'));
  EXPECT_EQ(settings.FtpPassword, std::string(50, 'p'));
}

}  // namespace
}  // namespace vdbq
