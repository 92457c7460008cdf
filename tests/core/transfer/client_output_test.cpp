#include "core/transfer/client_output.h"

#include <gtest/gtest.h>

namespace vdbq {
namespace {

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
