#include "core/transfer/ftp_scripts.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"
#include "support/test_helpers.h"

namespace vdbq {
namespace {

using testing::ReadFile;
using testing::TempDir;
namespace fs = std::filesystem;

Settings TransferSettings(const std::string& programDir = "/opt/vdbq/") {
  Settings settings = DefaultSettings(programDir);
  settings.FtpHost = "master01";
  settings.FtpUser = "varnolt";
  settings.FtpPassword = "s3cret";
  settings.RemoteExtractDir = "/scheduler/varnolt/DBXtract/";
  settings.DatabaseDir = "/home/ops/DBase/";
  return settings;
}

TEST(FtpScriptText, IsTheTenLinesWithCrLf) {
  EXPECT_EQ(FtpScriptText(TransferSettings()),
            "open master01\r\n"
            "user \"varnolt\" \"s3cret\"\r\n"
            "get \"/scheduler/varnolt/DBXtract/Schedules.Xtract\" "
            "\"/home/ops/DBase/Schedules.Xtract\"\r\n"
            "get \"/scheduler/varnolt/DBXtract/Jobs.Xtract\" \"/home/ops/DBase/Jobs.Xtract\"\r\n"
            "get \"/scheduler/varnolt/DBXtract/Calendars.Xtract\" "
            "\"/home/ops/DBase/Calendars.Xtract\"\r\n"
            "get \"/scheduler/varnolt/DBXtract/Prompts.Xtract\" "
            "\"/home/ops/DBase/Prompts.Xtract\"\r\n"
            "get \"/scheduler/varnolt/DBXtract/Cpus.Xtract\" \"/home/ops/DBase/Cpus.Xtract\"\r\n"
            "get \"/scheduler/varnolt/DBXtract/Resources.Xtract\" "
            "\"/home/ops/DBase/Resources.Xtract\"\r\n"
            "get \"/scheduler/varnolt/DBXtract/Parms.Xtract\" \"/home/ops/DBase/Parms.Xtract\"\r\n"
            "quit\r\n");
}

TEST(FtpScriptText, FiftyCharacterFieldsAreNotCut) {
  Settings settings = TransferSettings();
  settings.FtpHost = std::string(50, 'h');
  settings.FtpUser = std::string(50, 'u');
  settings.FtpPassword = std::string(50, 'p');
  const std::string text = FtpScriptText(settings);
  EXPECT_EQ(text.substr(0, 57), "open " + settings.FtpHost + "\r\n");
  EXPECT_NE(text.find("\r\nuser \"" + settings.FtpUser + "\" \"" + settings.FtpPassword + "\"\r\n"),
            std::string::npos);
}

TEST(FtpScriptText, BlanksInDirectoriesStayInsideTheQuotes) {
  Settings settings = TransferSettings();
  settings.RemoteExtractDir = "/var/db extracts/";
  settings.DatabaseDir = "/home/ops/my db/";
  EXPECT_NE(FtpScriptText(settings).find(
                "\r\nget \"/var/db extracts/Cpus.Xtract\" \"/home/ops/my db/Cpus.Xtract\"\r\n"),
            std::string::npos);
}

// The client reads an argument between double quotes literally up to the next quote; an
// empty argument vanishes, so an empty password logs in through the raw commands.
TEST(FtpScriptText, LoginLinesQuoteUserAndPasswordForTheClient) {
  const struct {
    std::string user, password, lines;
  } cases[] = {
      {"varnolt", "S3cret pw", "user \"varnolt\" \"S3cret pw\"\r\n"},
      {"varnolt", "a\"b", "user \"varnolt\" \"a\"\\\"\"b\"\r\n"},
      {"varnolt", "back\\slash 'x'", "user \"varnolt\" \"back\\slash 'x'\"\r\n"},
      {"ops user", "", "quote USER \"ops user\"\r\nquote PASS\r\n"},
  };
  for (const auto& c : cases) {
    Settings settings = TransferSettings();
    settings.FtpUser = c.user;
    settings.FtpPassword = c.password;
    EXPECT_NE(FtpScriptText(settings).find("open master01\r\n" + c.lines + "get "),
              std::string::npos)
        << c.password;
  }
}

TEST(FtpBatchText, QuotesTheScriptPathAndFeedsItWithoutCarriageReturns) {
  EXPECT_EQ(WindowsBatchText("C:\\Program Files\\VarnoltDBQ\\Ftp1.Ini"),
            "ftp -vin < \"C:\\Program Files\\VarnoltDBQ\\Ftp1.Ini\"\r\n");
  EXPECT_EQ(ShellBatchText("/opt/my vdbq/Ftp1.Ini"),
            "#!/bin/sh\ntr -d '\\r' < '/opt/my vdbq/Ftp1.Ini' | ftp -vin\n");
  // Quotes and dollars stay literal.
  EXPECT_EQ(ShellBatchText("/o'k/$HOME/`x`/Ftp1.Ini"),
            "#!/bin/sh\ntr -d '\\r' < '/o'\\''k/$HOME/`x`/Ftp1.Ini' | ftp -vin\n");
}

TEST(TransferPrompt, NamesHostAndRemoteDirectory) {
  EXPECT_EQ(TransferPrompt(TransferSettings()),
            "This process will refresh the Varnolt extracts from:\r<master01> "
            "/scheduler/varnolt/DBXtract/\rAre you sure you want to continue with the FTP "
            "Transfer?");
}

struct ScriptsFixture {
  TempDir dir;
  Settings settings = TransferSettings(dir.DirText());
  AuditLog audit{settings};
};

TEST(WriteFtpScripts, WritesBothFilesAndTwoAuditLines) {
  ScriptsFixture f;
  const ScriptsWritten written = WriteFtpScripts(f.settings, f.audit);
  EXPECT_TRUE(written.Ok);
  EXPECT_EQ(ReadFile(f.dir.Path() / "Ftp1.Ini"), FtpScriptText(f.settings));
  EXPECT_EQ(ReadFile(f.dir.Path() / "Ftp1.sh"), ShellBatchText(f.dir.DirText() + "Ftp1.Ini"));
  EXPECT_EQ(f.audit.AuditTexts(),
            (std::vector<std::string>{kParmFileWrittenOk, kBatchFileWrittenOk}));
}

TEST(WriteFtpScripts, ScriptWithThePasswordIsForItsOwnerOnly) {
  ScriptsFixture f;
  ASSERT_TRUE(WriteFtpScripts(f.settings, f.audit).Ok);
  EXPECT_EQ(testing::FileMode(f.dir.Path() / "Ftp1.Ini"), 0600u);
  EXPECT_EQ(testing::FileMode(f.dir.Path() / "Ftp1.sh"), 0700u);
}

TEST(WriteFtpScripts, LeftOverWorldReadableScriptIsReplacedNotReused) {
  ScriptsFixture f;
  const fs::path old =
      f.dir.Write("Ftp1.Ini", "old text that is longer than the new one" + std::string(2000, 'x'));
  fs::permissions(old, fs::perms::all);
  ASSERT_TRUE(WriteFtpScripts(f.settings, f.audit).Ok);
  EXPECT_EQ(testing::FileMode(old), 0600u);
  EXPECT_EQ(ReadFile(old), FtpScriptText(f.settings));
}

TEST(WriteFtpScripts, BatchFileThatCannotBeCreatedStopsAfterTheScript) {
  ScriptsFixture f;
  fs::create_directory(f.dir.Path() / "Ftp1.sh");
  fs::create_directory(f.dir.Path() / "Ftp1.sh" / "keep");
  const ScriptsWritten written = WriteFtpScripts(f.settings, f.audit);
  EXPECT_FALSE(written.Ok);
  EXPECT_EQ(written.Reason, "FTP Batch File NOT Written: 17");
  EXPECT_EQ(
      f.audit.AuditTexts(),
      (std::vector<std::string>{kParmFileWrittenOk, std::string(kBatchFileNotWritten) + "17"}));
}

TEST(DeleteFtpScripts, RemovesBothAndToleratesMissingOnes) {
  ScriptsFixture f;
  ASSERT_TRUE(WriteFtpScripts(f.settings, f.audit).Ok);
  DeleteFtpScripts(f.settings);
  EXPECT_FALSE(fs::exists(f.dir.Path() / "Ftp1.Ini"));
  EXPECT_FALSE(fs::exists(f.dir.Path() / "Ftp1.sh"));
  DeleteFtpScripts(f.settings);
}

}  // namespace
}  // namespace vdbq
