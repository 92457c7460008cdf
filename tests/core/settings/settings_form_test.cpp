#include "core/settings/settings_form.h"

#include <gtest/gtest.h>

#include <set>

#include "support/temp_dir.h"

namespace vdbq {
namespace {

const std::string kSep(1, kPathSeparator);

// The form's texts in order: host, user, password, remote, database, logs and saves directory.
SettingsForm FilledForm() {
  return SettingsForm{"", "", "", "/data/extracts", "db", "logs" + kSep, "saves"};
}

DirectoryExists Existing(std::set<std::string> dirs) {
  return [dirs = std::move(dirs)](const std::string& dir) { return dirs.count(dir) > 0; };
}

std::vector<std::string> Directories(const SettingsForm& form) {
  return {form.FtpFromDir, form.FtpToDir, form.Logs, form.Saves};
}

// The remote directory always takes a slash; empty directories become the root.
TEST(SettingsFormCompletion, AddsTheMissingSeparators) {
  SettingsForm form = FilledForm();
  CompleteDirectoryTexts(form);
  EXPECT_EQ(Directories(form), (std::vector<std::string>{"/data/extracts/", "db" + kSep,
                                                         "logs" + kSep, "saves" + kSep}));
  const SettingsForm once = form;
  CompleteDirectoryTexts(form);  // a second pass leaves completed texts alone
  EXPECT_EQ(form, once);
  SettingsForm empty;
  CompleteDirectoryTexts(empty);
  EXPECT_EQ(Directories(empty), (std::vector<std::string>{"/", kSep, kSep, kSep}));
  EXPECT_FALSE(FirstMissingDirectory(empty).has_value());
  SettingsForm backslashes;
  backslashes.FtpFromDir = "C:\\extracts\\";
  CompleteDirectoryTexts(backslashes);
  EXPECT_EQ(backslashes.FtpFromDir, "C:\\extracts\\/");
}

TEST(SettingsFormChecks, ReportTheFirstMissingLocalDirectoryInDatabaseLogsSavesOrder) {
  SettingsForm form = FilledForm();
  CompleteDirectoryTexts(form);
  const struct {
    std::set<std::string> Existing;
    SettingsItem Field;
    std::string Message;
  } cases[] = {
      {{}, SettingsItem::FtpToDir, "Directory (Download Database File Location) Does Not Exist!"},
      {{"db" + kSep}, SettingsItem::Logs, "Directory (Logs Location) Does Not Exist!"},
      {{"db" + kSep, "logs" + kSep},
       SettingsItem::Saves,
       "Directory (Saves Database File Location) Does Not Exist!"}};
  for (const auto& c : cases) {
    const auto missing = FirstMissingDirectory(form, Existing(c.Existing));
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->Field, c.Field);
    EXPECT_EQ(missing->Message, c.Message);
  }
  EXPECT_FALSE(FirstMissingDirectory(form, Existing({"db" + kSep, "logs" + kSep, "saves" + kSep})));
  // The remote directory is not checked; a file is no directory.
  testing::TempDir dir;
  const SettingsForm remote{
      "", "", "", "/no/such/remote/dir/", dir.DirText(), dir.DirText(), dir.DirText()};
  EXPECT_FALSE(FirstMissingDirectory(remote).has_value());
  const std::string file = dir.Write("plain.txt", "x").string();
  const SettingsForm withFile{"", "", "", "", dir.DirText(), file, dir.DirText()};
  const auto fileMissing = FirstMissingDirectory(withFile);
  ASSERT_TRUE(fileMissing);
  EXPECT_EQ(fileMissing->Field, SettingsItem::Logs);
}

TEST(SettingsFormTransfer, FormOfShowsTheSettingsAndApplyTakesThemBackCutToFifty) {
  Settings settings = DefaultSettings("/opt/v/");
  settings.StrobeOn = false;
  SettingsForm form = FormOf(settings);
  EXPECT_EQ((std::vector<std::string>{form.FtpHost, form.FtpToDir, form.FtpFromDir}),
            (std::vector<std::string>{settings.FtpHost, settings.DatabaseDir,
                                      settings.RemoteExtractDir}));
  EXPECT_FALSE(form.Strobe);
  EXPECT_TRUE(form.SaveSettings);

  form = {"master", "admin", "secret", "/x/", "/d/",
          "/l/",    "/s/",   true,     false, form.KeepPreviousExtracts};
  Settings changed = settings;
  ApplyForm(form, changed);
  EXPECT_EQ(FormOf(changed), form);
  // What the dialog does not show stays as it was.
  EXPECT_EQ(changed.ProgramDir, settings.ProgramDir);
  EXPECT_EQ(changed.SoundsOn, settings.SoundsOn);
  EXPECT_EQ(changed.SelectedNodeText, settings.SelectedNodeText);
  // Host, user and password are cut to fifty characters.
  const SettingsForm longForm{
      std::string(60, 'h'), std::string(51, 'u'), std::string(50, 'p'), "", "", "", ""};
  Settings cut;
  ApplyForm(longForm, cut);
  EXPECT_EQ(
      (std::vector<std::string>{cut.FtpHost, cut.FtpUser, cut.FtpPassword}),
      (std::vector<std::string>{std::string(50, 'h'), std::string(50, 'u'), std::string(50, 'p')}));
  // The dialog's fields take at most this many characters; 0 is no limit.
  std::vector<int> limits;
  for (auto item : {SettingsItem::FtpHost, SettingsItem::FtpUser, SettingsItem::FtpPassword,
                    SettingsItem::FtpToDir}) {
    limits.push_back(TextOf(item).MaxLength);
  }
  EXPECT_EQ(limits, (std::vector<int>{50, 26, 26, 0}));
}

}  // namespace
}  // namespace vdbq
