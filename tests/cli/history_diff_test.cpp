// The extract history across real transfers from a loopback FTP server, and the diff command
// on the sample database and on the kept history.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "cli_runner.h"
#include "core/transfer/extract_history.h"
#include "core/transfer/transfer_sequence.h"
#include "ftp_test_server.h"
#include "platform/qprocess_runner.h"
#include "support/temp_dir.h"
#include "support/test_helpers.h"

namespace vdbq::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kUser[] = "vuser";
constexpr char kPassword[] = "s3cret-pw";

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

void Replace(const fs::path& file, const std::string& from, const std::string& to) {
  std::string text = ReadFile(file);
  text.replace(text.find(from), from.size(), to);
  WriteBytes(file, text);
}

class HistoryOverLoopback : public ::testing::Test {
 protected:
  void SetUp() override {
    SKIP_OR_FAIL_WITHOUT_TOOL(FtpToolsMissing());
    fs::create_directories(Remote());
    fs::create_directories(Db());
    fs::create_directories(root_.Path() / "program");
    for (const char* file : kExtractFileNames) {
      fs::copy_file(fs::path(kSampleDbDir) / file, Remote() / file);
      fs::copy_file(fs::path(kSampleDbDir) / file, Db() / file);
    }
    server_ = std::make_unique<FtpTestServer>(kUser, kPassword, root_.Path() / "host");
    ASSERT_NE(server_->Port(), 0) << "the FTP server did not start";
  }

  fs::path Remote() const { return root_.Path() / "host" / "extracts"; }
  fs::path Db() const { return root_.Path() / "db"; }
  std::string DbText() const { return Db().string() + "/"; }

  TransferOutcome Transfer(int keep, const std::string& password = kPassword) {
    Settings settings = DefaultSettings((root_.Path() / "program").string() + "/");
    settings.FtpHost = server_->Host();
    settings.FtpUser = kUser;
    settings.FtpPassword = password;
    settings.RemoteExtractDir = "/extracts/";
    settings.DatabaseDir = DbText();
    settings.LogDir = (root_.Path() / "logs").string() + "/";
    settings.KeepPreviousExtracts = keep;
    AuditLog audit(settings);
    QProcessRunner runner;
    ExtractStore store;
    Catalogue catalogue;
    TransferSequence sequence(settings, runner, audit);
    return sequence.Run(store, catalogue);
  }

  // The Parms.Xtract of each kept set, oldest first.
  std::vector<std::string> KeptParms() const {
    std::vector<std::string> texts;
    for (const std::string& set : KeptExtractSets(DbText()))
      texts.push_back(ReadFile(set + "Parms.Xtract"));
    return texts;
  }

  TempDir root_;
  std::unique_ptr<FtpTestServer> server_;
};

TEST_F(HistoryOverLoopback, KeptSkippedWhenEqualAndBounded) {
  const std::string sample = ReadFile(Db() / "Parms.Xtract");
  Replace(Remote() / "Parms.Xtract", "\"/data/finance\"", "\"/data/finance2\"");
  const std::string first = ReadFile(Remote() / "Parms.Xtract");

  ASSERT_TRUE(Transfer(2).Succeeded);
  EXPECT_EQ(KeptParms(), std::vector<std::string>{sample});
  // What the transfer changed, against the set it kept.
  const CliRun run = RunCli({"--db", DbText(), "diff", "--against-previous", "--format", "json"});
  EXPECT_EQ(run.ExitStatus, 1) << run.Err;
  const auto parameters = nlohmann::json::parse(run.Out)["kinds"]["parameters"];
  EXPECT_EQ(parameters["changed"][0]["key"], "FINDATA");
  EXPECT_EQ(parameters["changed"][0]["diff"][0], "-FINDATA \"/data/finance\"");

  ASSERT_TRUE(Transfer(2).Succeeded);  // the files in use differ from the newest set: kept
  ASSERT_TRUE(Transfer(2).Succeeded);  // now they equal it: skipped
  EXPECT_EQ(KeptParms(), (std::vector<std::string>{sample, first}));

  Replace(Remote() / "Parms.Xtract", "\"/data/finance2\"", "\"/data/finance3\"");
  ASSERT_TRUE(Transfer(2).Succeeded);  // the replaced files equal the newest set: skipped
  ASSERT_TRUE(Transfer(2).Succeeded);  // kept, and the oldest set goes
  EXPECT_EQ(KeptParms(), (std::vector<std::string>{first, ReadFile(Remote() / "Parms.Xtract")}));
}

TEST_F(HistoryOverLoopback, FailedTransferKeepsNothingNewAndLosesNothing) {
  Replace(Remote() / "Parms.Xtract", "\"/data/finance\"", "\"/data/finance2\"");
  ASSERT_TRUE(Transfer(5).Succeeded);
  ASSERT_EQ(KeptParms().size(), 1u);
  const std::string inUse = ReadFile(Db() / "Parms.Xtract");
  const TransferOutcome failed = Transfer(5, "wrong");
  EXPECT_FALSE(failed.Succeeded);
  EXPECT_EQ(KeptParms().size(), 1u);
  EXPECT_EQ(ReadFile(Db() / "Parms.Xtract"), inUse);
  EXPECT_FALSE(fs::exists(Db() / kHistoryDirName / ".incoming"));
}

TEST_F(HistoryOverLoopback, UnwritableHistoryIsReportedAndTheTransferGoesOn) {
  WriteBytes(Db() / kHistoryDirName, "not a folder");
  Replace(Remote() / "Parms.Xtract", "\"/data/finance\"", "\"/data/finance2\"");
  const TransferOutcome outcome = Transfer(3);
  EXPECT_TRUE(outcome.Succeeded);
  EXPECT_EQ(outcome.StatusText.rfind(std::string("Ready. ") + kHistoryNotKept, 0), 0u)
      << outcome.StatusText;
  EXPECT_EQ(ReadFile(Db() / "Parms.Xtract"), ReadFile(Remote() / "Parms.Xtract"));
}

TEST(DiffCommand, ExitStatusAndTableAgainstAnEditedCopy) {
  TempDir edited;
  for (const char* file : kExtractFileNames) {
    fs::copy_file(fs::path(kSampleDbDir) / file, edited.Path() / file);
  }
  EXPECT_EQ(RunCli({"--db", kSampleDbDir, "diff", edited.DirText()}).ExitStatus, 0);
  Replace(edited.Path() / "Resources.Xtract", "HFMASTER#FTPSESS\t   3", "HFMASTER#FTPSESS\t   4");
  const CliRun run = RunCli({"--db", edited.DirText(), "diff", kSampleDbDir});
  EXPECT_EQ(run.ExitStatus, 1) << run.Err;
  EXPECT_NE(run.Out.find("Resources: 0 added, 0 removed, 1 changed\n  changed  HFMASTER#FTPSESS\n"),
            std::string::npos)
      << run.Out;
  EXPECT_NE(run.Out.find("\n1 Object Changed.\n"), std::string::npos) << run.Out;
}

}  // namespace
}  // namespace vdbq::testing
