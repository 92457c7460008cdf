#include "core/transfer/client_output.h"

#include <gtest/gtest.h>

namespace vdbq {
namespace {

// Transcripts as the command-line client prints them with -v (standard output, then error).
constexpr char kFetched[] =
    "Connected to 127.0.0.1.\n"
    "220 pyftpdlib 1.5.7 ready.\n"
    "331 Username ok, send password.\n"
    "230 Login successful.\n"
    "Remote system type is UNIX.\n"
    "Using binary mode to transfer files.\n"
    "local: /db/Schedules.Xtract remote: /dbx/Schedules.Xtract\n"
    "229 Entering extended passive mode (|||41569|).\n"
    "150 File status okay. About to open data connection.\n"
    "226 Transfer complete.\n"
    "550 bytes received in 00:00 (40.04 KiB/s)\n"
    "221 Goodbye.\n";

constexpr char kLoginRejected[] =
    "Connected to 127.0.0.1.\n"
    "220 pyftpdlib 1.5.7 ready.\n"
    "331 Username ok, send password.\n"
    "530 Authentication failed.\n"
    "Login failed.\n"
    "local: /db/Schedules.Xtract remote: /dbx/Schedules.Xtract\n"
    "530 Log in with USER and PASS first.\n"
    "221 Goodbye.\n"
    "ftp: Can't bind for data connection: Address already in use\n";

constexpr char kPortClosed[] =
    "Not connected.\n"
    "Not connected.\n"
    "ftp: Can't connect to `127.0.0.1:2199': Connection refused\n"
    "ftp: Can't connect to `127.0.0.1:2199'\n";

constexpr char kHostUnknown[] =
    "Not connected.\n"
    "Not connected.\n"
    "ftp: Can't lookup `no-such-host.invalid:ftp': Name or service not known\n";

constexpr char kRemoteFileMissing[] =
    "230 Login successful.\n"
    "local: /db/Prompts.Xtract remote: /dbx/Prompts.Xtract\n"
    "229 Entering extended passive mode (|||59403|).\n"
    "550 No such file or directory.\n"
    "221 Goodbye.\n";

constexpr char kLocalDirectoryMissing[] =
    "230 Login successful.\n"
    "local: /gone/Schedules.Xtract remote: /dbx/Schedules.Xtract\n"
    "221 Goodbye.\n"
    "ftp: Can't access `/gone/Schedules.Xtract': No such file or directory\n";

Settings ClientSettings() {
  Settings settings;
  settings.FtpHost = "127.0.0.1 2199";
  settings.FtpUser = "vuser";
  return settings;
}

ClientFailure FailureOf(const char* transcript) { return ReadClientOutput(transcript).Failure; }

TEST(ReadClientOutput, CompleteTransferHasNoFailure) {
  EXPECT_EQ(FailureOf(kFetched), ClientFailure::kNone);
}

TEST(ReadClientOutput, TransferStatisticsAreNoReply) {
  EXPECT_EQ(FailureOf("550 bytes received in 00:00 (40.04 KiB/s)\n"), ClientFailure::kNone);
  EXPECT_EQ(FailureOf("ftp: 450 bytes received in 0.00Seconds 450.00Kbytes/sec.\r\n"),
            ClientFailure::kNone);
}

TEST(ReadClientOutput, RejectedLoginExplainsTheFailedGets) {
  EXPECT_EQ(FailureOf(kLoginRejected), ClientFailure::kLoginFailed);
}

TEST(ReadClientOutput, ClosedPortCannotConnect) {
  EXPECT_EQ(FailureOf(kPortClosed), ClientFailure::kCannotConnect);
}

TEST(ReadClientOutput, FailedLookupOutranksNotConnected) {
  EXPECT_EQ(FailureOf(kHostUnknown), ClientFailure::kUnknownHost);
}

TEST(ReadClientOutput, MissingRemoteFile) {
  EXPECT_EQ(FailureOf(kRemoteFileMissing), ClientFailure::kRemoteFileMissing);
}

TEST(ReadClientOutput, LocalFileThatCannotBeWritten) {
  EXPECT_EQ(FailureOf(kLocalDirectoryMissing), ClientFailure::kLocalFileError);
}

TEST(ReadClientOutput, OtherErrorRepliesAreKeptForTheReason) {
  const ClientVerdict verdict =
      ReadClientOutput("220 ready\r\n421 Too many connections, closing.\r\n451 Later\r\n");
  EXPECT_EQ(verdict.Failure, ClientFailure::kServerError);
  EXPECT_EQ(verdict.Reply, "421 Too many connections, closing.");
}

TEST(ReadClientOutput, PromptAndProgramPrefixesAreSkipped) {
  EXPECT_EQ(FailureOf("ftp> Unknown host master01.\r\n"), ClientFailure::kUnknownHost);
  EXPECT_EQ(FailureOf("> ftp: connect :Connection refused\r\n"), ClientFailure::kCannotConnect);
  EXPECT_EQ(FailureOf("ftp> 530 User cannot log in.\r\n"), ClientFailure::kLoginFailed);
}

TEST(ReadClientOutput, MarkersCountOnlyAtTheStartOfALine) {
  EXPECT_EQ(FailureOf("local: /db/Login failed/Jobs.Xtract remote: /x/Not connected./Jobs\n"),
            ClientFailure::kNone);
}

TEST(ReadClientOutput, UnfinishedLastLineIsRead) {
  EXPECT_EQ(FailureOf("Login incorrect."), ClientFailure::kLoginFailed);
  EXPECT_EQ(FailureOf(""), ClientFailure::kNone);
}

TEST(TransferFailureReason, NamesHostOrUser) {
  const Settings settings = ClientSettings();
  EXPECT_EQ(TransferFailureReason(ReadClientOutput(kHostUnknown), 0, {}, settings),
            "Unknown Host: 127.0.0.1 2199");
  EXPECT_EQ(TransferFailureReason(ReadClientOutput(kPortClosed), 0, {}, settings),
            "Cannot Connect To Host: 127.0.0.1 2199");
  EXPECT_EQ(TransferFailureReason(ReadClientOutput(kLoginRejected), 0, {}, settings),
            "Login Failed For User: vuser");
}

TEST(TransferFailureReason, ListsTheFilesThatDidNotArrive) {
  const Settings settings = ClientSettings();
  EXPECT_EQ(TransferFailureReason(ReadClientOutput(kRemoteFileMissing), 0,
                                  {"Prompts.Xtract", "Parms.Xtract"}, settings),
            "Remote File Not Found: Prompts.Xtract, Parms.Xtract");
  EXPECT_EQ(TransferFailureReason(ReadClientOutput(kLocalDirectoryMissing), 0, {"Schedules.Xtract"},
                                  settings),
            "Cannot Write Local File: Schedules.Xtract");
  EXPECT_EQ(TransferFailureReason(ReadClientOutput(kFetched), 0, {"Cpus.Xtract"}, settings),
            "File Not Refreshed: Cpus.Xtract");
}

TEST(TransferFailureReason, ServerErrorQuotesTheReply) {
  EXPECT_EQ(TransferFailureReason(ReadClientOutput("421 Service not available.\n"), 0, {},
                                  ClientSettings()),
            "Server Reply: 421 Service not available.");
}

TEST(TransferFailureReason, ExitStatusWhenTheTranscriptIsSilent) {
  const Settings settings = ClientSettings();
  const ClientVerdict silent = ReadClientOutput("");
  EXPECT_EQ(TransferFailureReason(silent, 127, {"Schedules.Xtract"}, settings),
            "FTP Client Not Found");
  EXPECT_EQ(TransferFailureReason(silent, -1, {}, settings), "FTP Client Ended Abnormally");
  EXPECT_EQ(TransferFailureReason(silent, 3, {}, settings), "FTP Client Ended With Exit Status 3");
}

TEST(TransferFailureReason, EmptyWhenEveryFileArrived) {
  EXPECT_EQ(TransferFailureReason(ReadClientOutput(kFetched), 0, {}, ClientSettings()), "");
}

}  // namespace
}  // namespace vdbq
