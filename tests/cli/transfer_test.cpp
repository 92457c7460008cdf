// The transfer command against a real FTP server on the loopback interface, run through the
// built program with the platform's command-line FTP client.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_runner.h"
#include "core/settings/settings_io.h"
#include "ftp_test_server.h"
#include "platform/qsettings_store.h"
#include "support/temp_dir.h"
#include "support/test_helpers.h"

namespace vdbq::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kUser[] = "vuser";
constexpr char kPassword[] = "s3cret-pw";
constexpr char kPasswordVariable[] = "VARNOLTDBQ_FTP_PASSWORD";

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// A program directory with its own copy of the program (the scripts are written beside it),
// a host directory holding the sample extracts, a local database and a log directory.
class TransferEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    SKIP_OR_FAIL_WITHOUT_TOOL(FtpToolsMissing());
    fs::create_directories(RemoteDir());
    for (const char* file : kExtractFileNames) {
      fs::copy_file(fs::path(kSampleDbDir) / file, RemoteDir() / file);
    }
    fs::create_directories(ProgramDir());
    fs::create_directories(Root() / "config");
    fs::copy_file(kCliPath, Program());
    server_ = std::make_unique<FtpTestServer>(kUser, kPassword, Root() / "host");
    ASSERT_NE(server_->Port(), 0) << "the FTP server did not start";
  }

  fs::path Root() const { return root_.Path(); }
  fs::path RemoteDir() const { return Root() / "host" / "extracts"; }
  fs::path ProgramDir() const { return Root() / "program"; }
  fs::path Program() const { return ProgramDir() / "varnoltdbq-cli"; }
  fs::path DatabaseDir() const { return Root() / "db"; }
  fs::path LogDir() const { return Root() / "logs"; }

  CliRun Run(std::vector<std::string> arguments,
             std::optional<std::string> password = std::string(kPassword)) const {
    CliCall call;
    call.Program = Program().string();
    call.Arguments = std::move(arguments);
    call.Environment[kPasswordVariable] = std::move(password);
    call.Environment["XDG_CONFIG_HOME"] = (Root() / "config").string();
    // Without a session bus no keyring answers, so the user's own keyring stays untouched.
    call.Environment["DBUS_SESSION_BUS_ADDRESS"] = std::nullopt;
    return RunCli(call);
  }

  CliRun Transfer(const std::string& host, std::optional<std::string> password = kPassword,
                  const std::string& remoteDir = "/extracts") const {
    return Run({"--db", db_.string(), "--log-dir", LogDir().string(), "transfer", "--host", host,
                "--user", kUser, "--remote-dir", remoteDir},
               std::move(password));
  }

  // The audit lines of the day, each without its date and time.
  std::vector<std::string> AuditTexts() const {
    std::vector<std::string> texts;
    if (!fs::exists(LogDir())) return texts;
    for (const auto& entry : fs::directory_iterator(LogDir())) {
      std::istringstream lines(ReadFile(entry.path()));
      for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t dash = line.find(" - ");
        if (dash != std::string::npos) texts.push_back(line.substr(dash));
      }
    }
    return texts;
  }

  std::vector<std::string> ScriptsLeft() const {
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(ProgramDir())) {
      if (entry.path().filename().string().rfind("Ftp1.", 0) == 0) {
        left.push_back(entry.path().filename().string());
      }
    }
    return left;
  }

  void WriteOldExtracts() const {
    fs::create_directories(DatabaseDir());
    for (const char* file : kExtractFileNames) {
      std::ofstream(DatabaseDir() / file, std::ios::binary) << "old\n";
    }
  }

  TempDir root_;
  fs::path db_ = DatabaseDir();
  std::unique_ptr<FtpTestServer> server_;
};

const std::vector<std::string> kWrittenOk = {" - Varnolt FTP Parm File Written Ok.",
                                             " - Varnolt FTP Batch File Written Ok."};

std::vector<std::string> WrittenThenFailed(const std::string& reason) {
  return {kWrittenOk[0], kWrittenOk[1], " - Varnolt FTP Transfer Failed: " + reason};
}

TEST_F(TransferEndToEnd, FetchesTheSevenExtractsAndReloads) {
  const CliRun run = Transfer(server_->Host());
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(FirstLine(run.Out), "Ready.");
  // The catalogue of the fetched extracts.
  EXPECT_NE(run.Out.find("JobTotal: 84"), std::string::npos) << run.Out;
  for (const char* file : kExtractFileNames) {
    EXPECT_EQ(ReadFile(DatabaseDir() / file), ReadFile(RemoteDir() / file)) << file;
  }
  EXPECT_EQ(AuditTexts(), kWrittenOk);
  EXPECT_EQ(ScriptsLeft(), std::vector<std::string>{});
}

TEST_F(TransferEndToEnd, PasswordsWithBlanksQuotesOrNothingLogIn) {
  for (const std::string password : {"S3cret pw", "say \"hi\" \\ 'x'", ""}) {
    fs::remove_all(DatabaseDir());
    FtpTestServer server(kUser, password, Root() / "host");
    ASSERT_NE(server.Port(), 0);
    const CliRun run = Transfer(server.Host(), password);
    EXPECT_EQ(run.ExitStatus, 0) << password << ": " << run.Err;
    for (const char* file : kExtractFileNames) {
      EXPECT_TRUE(ReadFile(DatabaseDir() / file) == ReadFile(RemoteDir() / file))
          << password << ": " << file;
    }
  }
  EXPECT_EQ(ScriptsLeft(), std::vector<std::string>{});
}

TEST_F(TransferEndToEnd, ReplacesExtractsTheHostDidNotChange) {
  // Same bytes and the same modification time as on the host, which the client keeps.
  fs::create_directories(DatabaseDir());
  for (const char* file : kExtractFileNames) {
    fs::copy_file(RemoteDir() / file, DatabaseDir() / file);
    const auto seconds =
        std::chrono::floor<std::chrono::seconds>(fs::last_write_time(RemoteDir() / file));
    fs::last_write_time(RemoteDir() / file, seconds);
    fs::last_write_time(DatabaseDir() / file, seconds);
  }
  const CliRun run = Transfer(server_->Host());
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(FirstLine(run.Out), "Ready.");
}

// Each failure names its reason on standard error, in the first output line and in the audit
// log; extracts that did not arrive stay as they were, and no script is left behind.
TEST_F(TransferEndToEnd, FailuresKeepTheOldExtractsAndNameTheReason) {
  HeldPort closed(false);
  ASSERT_NE(closed.Port(), 0);
  const struct {
    std::string Host;
    const char* Password;
    const char* Removed;
    std::string Reason;
    const char* Kept;
    fs::path Db;
  } cases[] = {
      {server_->Host(), "wrong", "", "Login Failed For User: vuser", "Jobs.Xtract", {}},
      {closed.Host(), kPassword, "", "Cannot Connect To Host: " + closed.Host(), "Cpus.Xtract", {}},
      {server_->Host(), kPassword, "",
       "Cannot Write Local File: Schedules.Xtract, Jobs.Xtract, Calendars.Xtract, "
       "Prompts.Xtract, Cpus.Xtract, Resources.Xtract, Parms.Xtract",
       "", Root() / "no" / "such" / "db"},
      // The files after the missing one still arrive.
      {server_->Host(),
       kPassword,
       "Prompts.Xtract",
       "Remote File Not Found: Prompts.Xtract",
       "",
       {}},
  };
  for (const auto& c : cases) {
    WriteOldExtracts();
    if (*c.Removed != '\0') fs::remove(RemoteDir() / c.Removed);
    db_ = c.Db.empty() ? DatabaseDir() : c.Db;
    const CliRun run = Transfer(c.Host, c.Password, "/extracts/");
    EXPECT_EQ(run.ExitStatus, 1);
    EXPECT_EQ(run.Err, "varnoltdbq-cli: FTP Transfer Failed: " + c.Reason + "\n");
    EXPECT_EQ(FirstLine(run.Out), "FTP Transfer Failed: " + c.Reason);
    EXPECT_EQ(AuditTexts(), WrittenThenFailed(c.Reason));
    if (*c.Kept != '\0') {
      EXPECT_EQ(ReadFile(DatabaseDir() / c.Kept), "old\n") << c.Reason;
    }
    if (*c.Removed != '\0') {
      EXPECT_EQ(ReadFile(DatabaseDir() / "Parms.Xtract"), ReadFile(RemoteDir() / "Parms.Xtract"));
    }
    EXPECT_EQ(ScriptsLeft(), std::vector<std::string>{});
    fs::remove_all(LogDir());
  }
}

// Transfer settings as the desktop program stores them, in the INI file the program reads here.
void StoreTransferSettings(const fs::path& root, const std::string& host, const std::string& user,
                           const std::string& password, const std::string& remoteDir) {
  Settings settings = DefaultSettings((root / "program").string() + "/");
  settings.FtpHost = host;
  settings.FtpUser = user;
  settings.FtpPassword = password;
  settings.RemoteExtractDir = remoteDir;
  settings.DatabaseDir = (root / "db").string() + "/";
  settings.LogDir = (root / "logs").string() + "/";
  QSettingsStore store(
      QString::fromStdString((root / "config/VarnoltDBQ/VarnoltDBQ.ini").string()));
  StoreSettings(store, settings);
  store.Sync();
}

TEST_F(TransferEndToEnd, SettingsSupplyWhatNoOptionGives) {
  StoreTransferSettings(Root(), server_->Host(), kUser, kPassword, "/extracts/");
  const CliRun run = Run({"transfer"}, std::nullopt);
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  EXPECT_EQ(ReadFile(DatabaseDir() / "Cpus.Xtract"), ReadFile(RemoteDir() / "Cpus.Xtract"));
  EXPECT_EQ(AuditTexts(), kWrittenOk);
}

TEST_F(TransferEndToEnd, OptionsAndEnvironmentOverrideTheSettings) {
  StoreTransferSettings(Root(), "settings-host.invalid", "nobody", "stored", "/elsewhere/");
  EXPECT_EQ(Transfer(server_->Host()).ExitStatus, 0);
  const CliRun storedPassword = Transfer(server_->Host(), std::nullopt);
  EXPECT_EQ(storedPassword.Err,
            "varnoltdbq-cli: FTP Transfer Failed: Login Failed For User: vuser\n");
}

}  // namespace
}  // namespace vdbq::testing
