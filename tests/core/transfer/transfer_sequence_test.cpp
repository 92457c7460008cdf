#include "core/transfer/transfer_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "core/transfer/client_output.h"
#include "core/transfer/extract_file_state.h"
#include "core/transfer/ftp_scripts.h"
#include "support/temp_dir.h"
#include "support/test_helpers.h"

namespace vdbq {
namespace {

using namespace std::chrono_literals;
using testing::FileMode;
using testing::ReadFile;
using testing::TempDir;
namespace fs = std::filesystem;

constexpr char kFreshCpus[] = "CPUNAME CPU1\n  OS UNIX\nEND\nCPUNAME CPU2\n  OS WNT\nEND\n";

// Stands in for the batch file and the client: "fetching" writes the extract files.
class FakeRunner : public ProcessRunner {
 public:
  bool Start(const std::string& program, const std::vector<std::string>& arguments,
             const std::string& workingDir) override {
    Program = program;
    Arguments = arguments;
    WorkingDir = workingDir;
    if (!Starts) return false;
    Running = true;
    if (Client) Client();
    return true;
  }
  bool WaitForEnd(std::chrono::milliseconds bound) override {
    Waits.push_back(bound);
    if (OnWait) OnWait(bound);
    if (!Hangs) Running = false;
    return !Running;
  }
  void Kill() override {
    ++Kills;
    Running = false;
  }
  int ExitStatus() const override { return Running ? -1 : Status; }
  std::string Output() const override { return Out; }
  std::string ErrorOutput() const override { return Err; }

  bool Starts = true, Hangs = false;
  int Status = 0;
  std::string Out, Err;
  std::function<void()> Client;
  std::function<void(std::chrono::milliseconds)> OnWait;

  std::string Program, WorkingDir;
  std::vector<std::string> Arguments;
  std::vector<std::chrono::milliseconds> Waits;
  int Kills = 0;
  bool Running = false;
};

// A program directory and a database directory that holds an older extract set.
struct TransferFixture {
  TempDir program;
  TempDir database;
  Settings settings = MakeSettings();
  AuditLog audit{settings};
  FakeRunner runner;
  ExtractStore store;
  Catalogue catalogue;
  std::vector<std::string> statuses;
  std::chrono::steady_clock::time_point now{};

  TransferFixture() {
    WriteExtractSet(database, {{"Cpus.Xtract", "CPUNAME OLD1\nEND\n"}});
    runner.Client = [this] { FetchAllBut(""); };
  }

  Settings MakeSettings() const {
    Settings s = DefaultSettings(program.DirText());
    s.FtpHost = "127.0.0.1 2121";
    s.FtpUser = "vuser";
    s.FtpPassword = "secret";
    s.RemoteExtractDir = "/dbx/";
    s.DatabaseDir = database.DirText();
    return s;
  }

  void FetchAllBut(const std::string& skipped) {
    for (const char* file : kFetchOrder) {
      if (file == skipped) continue;
      database.Write(
          file, std::string(file) == "Cpus.Xtract" ? kFreshCpus : std::string("fetched ") + file);
    }
  }

  TransferOutcome Transfer(std::chrono::milliseconds limit = kClientTimeLimit) {
    TransferSequence sequence(settings, runner, audit, limit, [this] { return now; });
    sequence.SetStatusListener([this](const std::string& text) { statuses.push_back(text); });
    return sequence.Run(store, catalogue);
  }

  bool ScriptsGone() const {
    return !fs::exists(program.Path() / "Ftp1.Ini") && !fs::exists(program.Path() / "Ftp1.sh");
  }
};

std::vector<std::string> WrittenThenFailed(const std::string& reason) {
  return {kParmFileWrittenOk, kBatchFileWrittenOk, kTransferFailedAudit + reason};
}

// The script is owner-only while the client reads it.
TEST(TransferSequence, SuccessRunsTheBatchFileAndReloadsTheFetchedExtracts) {
  TransferFixture f;
  std::string seen;
  unsigned mode = 0;
  f.runner.Client = [&] {
    seen = ReadFile(f.program.Path() / "Ftp1.Ini");
    mode = FileMode(f.program.Path() / "Ftp1.Ini");
    f.FetchAllBut("");
  };
  const TransferOutcome outcome = f.Transfer();
  EXPECT_EQ(seen, FtpScriptText(f.settings));
  EXPECT_EQ(mode, 0600u);
  EXPECT_TRUE(outcome.Succeeded);
  EXPECT_EQ(outcome.StatusText + "|" + outcome.Reason, "Ready.|");
  EXPECT_EQ(f.catalogue.Totals.CpuTotal, 2);
  EXPECT_EQ(f.audit.AuditTexts(),
            (std::vector<std::string>{kParmFileWrittenOk, kBatchFileWrittenOk}));
  EXPECT_TRUE(f.ScriptsGone());
  EXPECT_EQ(f.statuses, (std::vector<std::string>{kTransferProcessing, kTransferRunningBatch,
                                                  kRefreshing, kReady}));
  EXPECT_EQ(f.runner.Program, "/bin/sh");
  EXPECT_EQ(f.runner.Arguments, std::vector<std::string>{f.program.DirText() + "Ftp1.sh"});
  EXPECT_EQ(f.runner.WorkingDir, f.program.DirText());
}

TEST(TransferSequence, RelativeDatabaseDirectoryReachesTheClientAbsolute) {
  TransferFixture f;
  const fs::path saved = fs::current_path();
  fs::current_path(f.database.Path().parent_path());
  f.settings.DatabaseDir = f.database.Path().filename().string() + "/";
  std::string seen;
  f.runner.Client = [&] {
    seen = ReadFile(f.program.Path() / "Ftp1.Ini");
    f.FetchAllBut("");
  };
  const TransferOutcome outcome = f.Transfer();
  fs::current_path(saved);
  EXPECT_TRUE(outcome.Succeeded) << outcome.StatusText;
  EXPECT_NE(seen.find(" \"" + f.database.DirText() + "Cpus.Xtract\"\r\n"), std::string::npos);
}

// A failed client run keeps the old extracts (unless some arrived), names the reason in the
// status and the audit log, stops the client and deletes the scripts.
TEST(TransferSequence, FailuresNameTheirReason) {
  const struct {
    std::string Out{}, Err{};
    int Status = 0;
    bool Starts = true, Hangs = false, NoDatabase = false;
    const char* Skipped = nullptr;  // the client fetches all files but this one
    std::string Reason{};
    int CpuTotal = 1, Kills = 0;
    const char* Transcript = nullptr;  // nullptr: the standard output
  } cases[] = {
      {.Out = "331 Username ok, send password.\n530 Authentication failed.\n",
       .Reason = "Login Failed For User: vuser"},
      {.Skipped = "Prompts.Xtract", .Reason = "File Not Refreshed: Prompts.Xtract", .CpuTotal = 2},
      {.Err = "/opt/vdbq/Ftp1.sh: 2: ftp: not found\n",
       .Status = 127,
       .Reason = "FTP Client Not Found",
       .Transcript = "/opt/vdbq/Ftp1.sh: 2: ftp: not found\n"},
      {.Starts = false, .Reason = "FTP Client Could Not Be Started"},
      // With no database at all the reason is still named.
      {.Err = "ftp: Can't connect to `127.0.0.1:2121': Connection refused\n",
       .NoDatabase = true,
       .Reason = "Cannot Connect To Host: 127.0.0.1 2121",
       .CpuTotal = 0,
       .Transcript = "ftp: Can't connect to `127.0.0.1:2121': Connection refused\n"},
      // The transcript keeps output and error lines apart.
      {.Out = "221 Goodbye.",
       .Err = "ftp: Can't access `/db/Jobs.Xtract': Permission denied\n",
       .Reason = "Cannot Write Local File: Schedules.Xtract, Jobs.Xtract, Calendars.Xtract, "
                 "Prompts.Xtract, Cpus.Xtract, Resources.Xtract, Parms.Xtract",
       .Transcript = "221 Goodbye.\nftp: Can't access `/db/Jobs.Xtract': Permission denied\n"},
      // A client past the time limit is stopped.
      {.Hangs = true, .Reason = "FTP Client Did Not End Within 5 Minutes", .Kills = 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Reason);
    TransferFixture f;
    f.runner.Out = c.Out;
    f.runner.Err = c.Err;
    f.runner.Status = c.Status;
    f.runner.Starts = c.Starts;
    f.runner.Hangs = c.Hangs;
    f.runner.OnWait = [&f](std::chrono::milliseconds bound) { f.now += bound + 1ms; };
    f.runner.Client = nullptr;
    if (c.Skipped) f.runner.Client = [&f, &c] { f.FetchAllBut(c.Skipped); };
    for (const char* file : kFetchOrder) {
      if (c.NoDatabase) fs::remove(f.database.Path() / file);
    }
    const TransferOutcome outcome = f.Transfer();
    EXPECT_FALSE(outcome.Succeeded);
    EXPECT_EQ(outcome.StatusText, "FTP Transfer Failed: " + c.Reason);
    EXPECT_EQ(outcome.Reason, c.Reason);
    EXPECT_EQ(f.audit.AuditTexts(), WrittenThenFailed(c.Reason));
    EXPECT_EQ(f.catalogue.Totals.CpuTotal, c.CpuTotal);
    EXPECT_EQ(outcome.ClientOutput, c.Transcript ? c.Transcript : c.Out);
    EXPECT_EQ(f.runner.Kills, c.Kills);
    EXPECT_FALSE(f.runner.Running);
    EXPECT_TRUE(f.ScriptsGone());
  }
}

TEST(TransferSequence, WaitStepsNeverPassTheDeadline) {
  TransferFixture f;
  f.runner.Hangs = true;
  f.runner.OnWait = [&](std::chrono::milliseconds bound) { f.now += bound; };
  f.Transfer(250ms);
  EXPECT_EQ(f.runner.Waits, (std::vector<std::chrono::milliseconds>{100ms, 100ms, 50ms}));
}

TEST(TransferSequence, StepsLetTheCallerWaitAndStillFinish) {
  TransferFixture f;
  f.runner.Hangs = true;
  TransferSequence sequence(f.settings, f.runner, f.audit, kClientTimeLimit,
                            [&f] { return f.now; });
  sequence.Start();
  EXPECT_EQ(sequence.StatusText(), kTransferRunningBatch);
  EXPECT_FALSE(sequence.WaitStep(0ms));
  EXPECT_FALSE(sequence.WaitStep(0ms));
  EXPECT_TRUE(fs::exists(f.program.Path() / "Ftp1.Ini"));
  f.runner.Hangs = false;
  EXPECT_TRUE(sequence.WaitStep(0ms));
  const TransferOutcome outcome = sequence.Finish(f.store, f.catalogue);
  EXPECT_TRUE(outcome.Succeeded);
  EXPECT_EQ(sequence.StatusText(), kReady);
}

TEST(TransferSequence, DroppedSequenceStopsTheClientAndDeletesTheScripts) {
  TransferFixture f;
  f.runner.Hangs = true;
  {
    TransferSequence sequence(f.settings, f.runner, f.audit);
    sequence.Start();
    ASSERT_TRUE(fs::exists(f.program.Path() / "Ftp1.Ini"));
  }
  EXPECT_EQ(f.runner.Kills, 1);
  EXPECT_TRUE(f.ScriptsGone());
}

// A script that cannot be written, or a setting that is unsafe or missing, starts no client.
TEST(TransferSequence, NoScriptNoClient) {
  using Audit = std::vector<std::string>;
  const std::string failed = kTransferFailedAudit;
  const struct {
    std::function<void(TransferFixture&)> Setup;
    std::string Reason{};
    Audit AuditBefore;
  } cases[] = {
      {[](TransferFixture& f) { f.settings.ProgramDir = f.program.DirText() + "gone/"; },
       "FTP Parm File NOT Written: 2",
       {std::string(kParmFileNotWritten) + "2"}},
      {[](TransferFixture& f) { fs::create_directories(f.program.Path() / "Ftp1.sh" / "keep"); },
       "FTP Batch File NOT Written: 17",
       {kParmFileWrittenOk, std::string(kBatchFileNotWritten) + "17"}},
      {[](TransferFixture& f) { f.settings.FtpPassword = "secret\n!rm -rf ~"; },
       "Line Break In FtpPassword",
       {}},
      {[](TransferFixture& f) { f.settings.FtpUser = "u\rquit"; }, "Line Break In FtpUser", {}},
      {[](TransferFixture& f) { f.settings.RemoteExtractDir = "/dbx\" \"/etc/"; },
       "Double Quote In RemoteExtractDir",
       {}},
      {[](TransferFixture& f) { f.settings.FtpHost = ""; }, "No FTP Host Set", {}},
      {[](TransferFixture& f) { f.settings.FtpHost = "  "; }, "No FTP Host Set", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Reason);
    TransferFixture f;
    c.Setup(f);
    EXPECT_EQ(f.Transfer().StatusText, "FTP Transfer Failed: " + c.Reason);
    Audit audit = c.AuditBefore;
    audit.push_back(failed + c.Reason);
    EXPECT_EQ(f.audit.AuditTexts(), audit);
    EXPECT_FALSE(fs::exists(f.program.Path() / "Ftp1.Ini"));
    EXPECT_EQ(f.runner.Program, "");
    EXPECT_EQ(f.catalogue.Totals.CpuTotal, 1);
  }
}

TEST(FilesNotRefreshed, UntouchedAndMissingFilesInFetchOrder) {
  TempDir dir;
  dir.Write("Prompts.Xtract", "$PROMPT\n");
  dir.Write("Jobs.Xtract", "old");
  const auto before = ReadFetchedFileStates(dir.DirText());
  for (const char* file : {"Schedules.Xtract", "Calendars.Xtract", "Cpus.Xtract",
                           "Resources.Xtract", "Parms.Xtract"}) {
    dir.Write(file, "new");
  }
  dir.Write("Jobs.Xtract", "newer");
  EXPECT_EQ(FilesNotRefreshed(before, ReadFetchedFileStates(dir.DirText())),
            std::vector<std::string>{"Prompts.Xtract"});
}

TEST(FilesNotRefreshed, FileRemovedDuringTheTransferDidNotArrive) {
  TempDir dir;
  WriteExtractSet(dir, {});
  const auto before = ReadFetchedFileStates(dir.DirText());
  for (const char* file : testing::kExtractFileNames) dir.Write(file, "fetched anew");
  fs::remove(dir.Path() / "Cpus.Xtract");
  EXPECT_EQ(FilesNotRefreshed(before, ReadFetchedFileStates(dir.DirText())),
            std::vector<std::string>{"Cpus.Xtract"});
}

// File times advance in ticks of the file system's clock; waits (briefly) for the next one so
// that a rewrite is told apart from the first write.
void WaitForNextFileTimeTick(const TempDir& dir, std::int64_t after) {
  for (int attempt = 0; attempt < 2000; ++attempt) {
    if (ReadExtractFileState(dir.Write("tick", "").string()).ChangedNs > after) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

TEST(FilesNotRefreshed, ModificationTimeSetBackStillCountsAsWritten) {
  TempDir dir;
  const fs::path file = dir.Write("Cpus.Xtract", "CPUNAME CPU1\n");
  const auto old = fs::last_write_time(file);
  const auto before = ReadFetchedFileStates(dir.DirText());
  WaitForNextFileTimeTick(dir, before[4].ChangedNs);
  // The client keeps the remote modification time, and the remote file kept its size.
  dir.Write("Cpus.Xtract", "CPUNAME CPU2\n");
  fs::last_write_time(file, old);
  const auto after = ReadFetchedFileStates(dir.DirText());
  ASSERT_EQ(after[4].ModifiedNs, before[4].ModifiedNs);
  ASSERT_EQ(after[4].Size, before[4].Size);
  const auto missing = FilesNotRefreshed(before, after);
  EXPECT_EQ(std::count(missing.begin(), missing.end(), "Cpus.Xtract"), 0);
}

TEST(FilesNotRefreshed, ShortStateListsCountAsNotRefreshed) {
  EXPECT_EQ(FilesNotRefreshed({}, {}).size(), 7u);
}

// Transcripts as the command-line client prints them with -v (standard output, then error).
// clang-format off
constexpr char kFetched[] =
    "Connected to 127.0.0.1.\n" "220 pyftpdlib 1.5.7 ready.\n" "331 Username ok, send password.\n"
    "230 Login successful.\n" "Remote system type is UNIX.\n"
    "Using binary mode to transfer files.\n"
    "local: /db/Schedules.Xtract remote: /dbx/Schedules.Xtract\n"
    "229 Entering extended passive mode (|||41569|).\n"
    "150 File status okay. About to open data connection.\n" "226 Transfer complete.\n"
    "550 bytes received in 00:00 (40.04 KiB/s)\n" "221 Goodbye.\n";

constexpr char kLoginRejected[] =
    "Connected to 127.0.0.1.\n" "220 pyftpdlib 1.5.7 ready.\n" "331 Username ok, send password.\n"
    "530 Authentication failed.\n" "Login failed.\n"
    "local: /db/Schedules.Xtract remote: /dbx/Schedules.Xtract\n"
    "530 Log in with USER and PASS first.\n" "221 Goodbye.\n"
    "ftp: Can't bind for data connection: Address already in use\n";

constexpr char kPortClosed[] =
    "Not connected.\n" "Not connected.\n"
    "ftp: Can't connect to `127.0.0.1:2199': Connection refused\n"
    "ftp: Can't connect to `127.0.0.1:2199'\n";

constexpr char kHostUnknown[] =
    "Not connected.\n" "Not connected.\n"
    "ftp: Can't lookup `no-such-host.invalid:ftp': Name or service not known\n";

constexpr char kRemoteFileMissing[] =
    "230 Login successful.\n" "local: /db/Prompts.Xtract remote: /dbx/Prompts.Xtract\n"
    "229 Entering extended passive mode (|||59403|).\n" "550 No such file or directory.\n"
    "221 Goodbye.\n";

constexpr char kLocalDirectoryMissing[] =
    "230 Login successful.\n" "local: /gone/Schedules.Xtract remote: /dbx/Schedules.Xtract\n"
    "221 Goodbye.\n" "ftp: Can't access `/gone/Schedules.Xtract': No such file or directory\n";
// clang-format on

TEST(ReadClientOutput, FailureOfATranscript) {
  const struct {
    const char* Transcript;
    ClientFailure Failure;
  } cases[] = {
      {kFetched, ClientFailure::kNone},
      // Transfer statistics are no reply.
      {"550 bytes received in 00:00 (40.04 KiB/s)\n", ClientFailure::kNone},
      {"ftp: 450 bytes received in 0.00Seconds 450.00Kbytes/sec.\r\n", ClientFailure::kNone},
      // A rejected login explains the failed gets.
      {kLoginRejected, ClientFailure::kLoginFailed},
      {kPortClosed, ClientFailure::kCannotConnect},
      // A failed lookup outranks "Not connected".
      {kHostUnknown, ClientFailure::kUnknownHost},
      {kRemoteFileMissing, ClientFailure::kRemoteFileMissing},
      {kLocalDirectoryMissing, ClientFailure::kLocalFileError},
      // Prompt and program prefixes are skipped.
      {"ftp> Unknown host master01.\r\n", ClientFailure::kUnknownHost},
      {"> ftp: connect :Connection refused\r\n", ClientFailure::kCannotConnect},
      {"ftp> 530 User cannot log in.\r\n", ClientFailure::kLoginFailed},
      // Markers count only at the start of a line.
      {"local: /db/Login failed/Jobs.Xtract remote: /x/Not connected./Jobs\n",
       ClientFailure::kNone},
      // An unfinished last line is read.
      {"Login incorrect.", ClientFailure::kLoginFailed},
      {"", ClientFailure::kNone},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadClientOutput(c.Transcript).Failure, c.Failure) << c.Transcript;
  }
}

TEST(ReadClientOutput, OtherErrorRepliesAreKeptForTheReason) {
  const ClientVerdict verdict =
      ReadClientOutput("220 ready\r\n421 Too many connections, closing.\r\n451 Later\r\n");
  EXPECT_EQ(verdict.Failure, ClientFailure::kServerError);
  EXPECT_EQ(verdict.Reply, "421 Too many connections, closing.");
}

TEST(TransferFailureReason, NamesWhatWentWrong) {
  const struct {
    const char* Transcript;
    int ExitStatus;
    std::vector<std::string> NotArrived;
    const char* Reason;
  } cases[] = {
      // clang-format off
      {kHostUnknown, 0, {}, "Unknown Host: 127.0.0.1 2199"},
      {kPortClosed, 0, {}, "Cannot Connect To Host: 127.0.0.1 2199"},
      {kLoginRejected, 0, {}, "Login Failed For User: vuser"},
      {kRemoteFileMissing, 0, {"Prompts.Xtract", "Parms.Xtract"},
       "Remote File Not Found: Prompts.Xtract, Parms.Xtract"},
      {kLocalDirectoryMissing, 0, {"Schedules.Xtract"},
       "Cannot Write Local File: Schedules.Xtract"},
      {kFetched, 0, {"Cpus.Xtract"}, "File Not Refreshed: Cpus.Xtract"},
      {"421 Service not available.\n", 0, {}, "Server Reply: 421 Service not available."},
      // The exit status when the transcript is silent.
      {"", 127, {"Schedules.Xtract"}, "FTP Client Not Found"},
      {"", -1, {}, "FTP Client Ended Abnormally"},
      {"", 3, {}, "FTP Client Ended With Exit Status 3"},
      // Empty when every file arrived.
      {kFetched, 0, {}, ""},
  };  // clang-format on
  Settings settings;
  settings.FtpHost = "127.0.0.1 2199";
  settings.FtpUser = "vuser";
  for (const auto& c : cases) {
    EXPECT_EQ(
        TransferFailureReason(ReadClientOutput(c.Transcript), c.ExitStatus, c.NotArrived, settings),
        c.Reason);
  }
}

}  // namespace
}  // namespace vdbq
