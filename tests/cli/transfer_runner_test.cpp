// The QProcess runner on real processes, and the transfer sequence driving the real client.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "core/transfer/ftp_scripts.h"
#include "core/transfer/transfer_sequence.h"
#include "ftp_test_server.h"
#include "platform/qprocess_runner.h"
#include "support/temp_dir.h"

namespace vdbq::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// True while a process with this id exists and is not a zombie.
bool Alive(long pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string ignored, state;
  if (!(stat >> ignored)) return false;
  std::string rest;
  std::getline(stat, rest);
  const std::size_t close = rest.rfind(')');
  return close != std::string::npos && close + 2 < rest.size() && rest[close + 2] != 'Z';
}

// Polled without waiting, as the desktop program's timer does.
TEST(QProcessRunner, KeepsOutputErrorAndExitStatusAndRunsInTheWorkingDirectory) {
  EXPECT_FALSE(QProcessRunner().Start("/nonexistent/program", {}, "/"));
  TempDir dir;
  QProcessRunner runner;
  ASSERT_TRUE(runner.Start("/bin/sh", {"-c", "pwd -P; echo err >&2; exit 3"}, dir.DirText()));
  const auto end = std::chrono::steady_clock::now() + 10s;
  bool ended = false;
  while (!ended && std::chrono::steady_clock::now() < end) {
    ended = runner.WaitForEnd(0ms);
    if (!ended) std::this_thread::sleep_for(5ms);
  }
  ASSERT_TRUE(ended);
  EXPECT_EQ(runner.Output(), fs::canonical(dir.Path()).string() + "\n");
  EXPECT_EQ(runner.ErrorOutput(), "err\n");
  EXPECT_EQ(runner.ExitStatus(), 3);
}

TEST(QProcessRunner, BoundedWaitReturnsWhileRunningAndKillEndsWhatTheProcessStarted) {
  QProcessRunner runner;
  ASSERT_TRUE(runner.Start("/bin/sh", {"-c", "sleep 30 & echo $!; wait"}, "/"));
  long child = 0;
  for (int attempt = 0; attempt < 200 && runner.Output().empty(); ++attempt) {
    runner.WaitForEnd(10ms);
  }
  child = std::stol("0" + runner.Output());
  ASSERT_GT(child, 0);
  ASSERT_TRUE(Alive(child));
  EXPECT_FALSE(runner.WaitForEnd(20ms));
  runner.Kill();
  EXPECT_TRUE(runner.WaitForEnd(0ms));
  EXPECT_EQ(runner.ExitStatus(), -1);
  for (int attempt = 0; attempt < 200 && Alive(child); ++attempt) {
    std::this_thread::sleep_for(10ms);
  }
  EXPECT_FALSE(Alive(child));
}

TEST(QProcessRunner, OutputIsBounded) {
  QProcessRunner runner;
  ASSERT_TRUE(runner.Start("/bin/sh", {"-c", "head -c 3000000 /dev/zero"}, "/"));
  bool ended = false;
  for (int attempt = 0; attempt < 400 && !ended; ++attempt) ended = runner.WaitForEnd(50ms);
  ASSERT_TRUE(ended);
  EXPECT_EQ(runner.Output().size(), QProcessRunner::kMaxOutput);
}

// The sequence with the real client, for what the command line cannot show: the time limit.
TEST(TransferWithClient, SilentServerIsGivenUpAtTheTimeLimit) {
  SKIP_OR_FAIL_WITHOUT_TOOL(FtpToolsMissing());
  HeldPort silent(true);
  ASSERT_NE(silent.Port(), 0);
  TempDir program;
  TempDir database;
  WriteExtractSet(database, {{"Cpus.Xtract", "CPUNAME CPU1\nEND\n"}});
  Settings settings = DefaultSettings(program.DirText());
  settings.FtpHost = silent.Host();
  settings.FtpUser = "vuser";
  settings.RemoteExtractDir = "/extracts/";
  settings.DatabaseDir = database.DirText();
  AuditLog audit(settings);
  QProcessRunner runner;
  ExtractStore store;
  Catalogue catalogue;
  TransferOutcome outcome;
  {
    TransferSequence sequence(settings, runner, audit, 1s);
    outcome = sequence.Run(store, catalogue);
  }
  EXPECT_EQ(outcome.StatusText, "FTP Transfer Failed: FTP Client Did Not End Within 1 Seconds");
  EXPECT_EQ(audit.AuditTexts().back(),
            " - Varnolt FTP Transfer Failed: FTP Client Did Not End Within 1 Seconds");
  EXPECT_EQ(catalogue.Totals.CpuTotal, 1);
  EXPECT_FALSE(fs::exists(program.Path() / kFtpScriptName));
  EXPECT_FALSE(fs::exists(program.Path() / kFtpBatchName));
}

}  // namespace
}  // namespace vdbq::testing
