// The transfer command by SFTP and FTPS against real servers on the loopback interface: an
// OpenSSH server and pyftpdlib's TLS handler, started by secure_test_servers.py; the password in
// a real Secret Service where the keyring is under test.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>

#include "cli_runner.h"
#include "core/settings/settings_io.h"
#include "ftp_test_server.h"
#include "platform/qsettings_store.h"
#include "support/required_tool.h"
#include "support/temp_dir.h"
#include "support/test_helpers.h"

#ifndef VARNOLTDBQ_SSHD_SHIM
#define VARNOLTDBQ_SSHD_SHIM ""
#endif

namespace vdbq::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kPassword[] = "s3cret pw";
constexpr char kFtpsUser[] = "vuser";
constexpr char kOld[] = "old\n";
constexpr char kNoKeyring[] =
    "varnoltdbq-cli: no keyring service runs; the password comes from the settings file\n";

std::string ToolsMissing(const std::vector<const char*>& tools) {
  for (const char* tool : tools) {
    if (QStandardPaths::findExecutable(tool, {"/usr/sbin", "/usr/bin", "/sbin", "/bin"})
            .isEmpty()) {
      return std::string(tool) + " is not installed (see PACKAGES in scripts/common.sh)";
    }
  }
  return "";
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }
// Progress and notes come first on stderr; the reason of a failure is the last line.
std::string LastLine(const std::string& text) {
  return text.substr(text.rfind('\n', text.size() - 2) + 1);
}

// An SFTP server of secure_test_servers.py in dir, its password logins through the shim.
QStringList SftpServer(const std::filesystem::path& dir, const QString& breakFile = {}) {
  QStringList arguments = {"sftp", QString::fromStdString(dir.string()), kPassword,
                           VARNOLTDBQ_SSHD_SHIM};
  if (!breakFile.isEmpty()) arguments << breakFile;
  return arguments;
}

class SecureTransfer : public ::testing::Test {
 protected:
  void SetUp() override {
    SKIP_OR_FAIL_WITHOUT_TOOL(ToolsMissing({"sshd", "ssh-keygen", "openssl", "python3"}));
    fs::create_directories(RemoteDir());
    for (const char* file : kExtractFileNames) {
      fs::copy_file(fs::path(kSampleDbDir) / file, RemoteDir() / file);
    }
    fs::create_directories(Root() / "config");
    fs::create_directories(ServerDir());
    WriteOldExtracts();
  }

  fs::path Root() const { return root_.Path(); }
  fs::path RemoteDir() const { return Root() / "host" / "extracts"; }
  fs::path ServerDir() const { return Root() / "server"; }
  fs::path DatabaseDir() const { return Root() / "db"; }
  fs::path LogDir() const { return Root() / "logs"; }
  fs::path KnownHosts() const { return Root() / "known_hosts"; }
  fs::path Ini() const { return Root() / "config/VarnoltDBQ/VarnoltDBQ.ini"; }

  void WriteOldExtracts() const {
    fs::remove_all(DatabaseDir());
    fs::create_directories(DatabaseDir());
    for (const char* file : kExtractFileNames) {
      std::ofstream(DatabaseDir() / file, std::ios::binary) << kOld;
    }
  }

  // The database as the failed transfer must leave it: the old extracts and nothing else.
  void ExpectOldExtractsOnly() const {
    std::size_t entries = 0;
    for (const auto& entry : fs::directory_iterator(DatabaseDir())) {
      ++entries;
      EXPECT_EQ(ReadFile(entry.path()), kOld) << entry.path();
    }
    EXPECT_EQ(entries, std::size(kExtractFileNames));
  }

  void ExpectNewExtracts() const {
    for (const char* file : kExtractFileNames) {
      EXPECT_EQ(ReadFile(DatabaseDir() / file), ReadFile(RemoteDir() / file)) << file;
    }
  }

  std::string Audit() const {
    std::string text;
    if (!fs::exists(LogDir())) return text;
    for (const auto& entry : fs::directory_iterator(LogDir())) text += ReadFile(entry.path());
    return text;
  }

  CliCall Call(const std::string& protocol, const std::string& host, std::vector<std::string> extra,
               std::optional<std::string> password, std::string remoteDir = "") const {
    CliCall call;
    call.Arguments = {"--db",
                      DatabaseDir().string(),
                      "--log-dir",
                      LogDir().string(),
                      "transfer",
                      "--protocol",
                      protocol,
                      "--host",
                      host,
                      "--remote-dir",
                      remoteDir.empty() ? RemoteDir().string() : remoteDir};
    call.Arguments.insert(call.Arguments.end(), extra.begin(), extra.end());
    call.Environment["VARNOLTDBQ_FTP_PASSWORD"] = std::move(password);
    call.Environment["XDG_CONFIG_HOME"] = (Root() / "config").string();
    call.Environment["HOME"] = Root().string();
    call.Environment["SSH_AUTH_SOCK"] = std::nullopt;
    call.Environment["DBUS_SESSION_BUS_ADDRESS"] = std::nullopt;
    return call;
  }

  CliRun Sftp(const SecureTestServer& server, std::vector<std::string> extra,
              std::optional<std::string> password) const {
    extra.insert(extra.end(), {"--user", LoginName(), "--known-hosts", KnownHosts().string()});
    return RunCli(Call("sftp", server.Host(), std::move(extra), std::move(password)));
  }

  // The known_hosts line giving the server the public key (its comment left off).
  static std::string KnownHostsLine(const SecureTestServer& server, const fs::path& publicKey) {
    const std::string key = ReadFile(publicKey);
    return "[127.0.0.1]:" + std::to_string(server.Port()) + ' ' + key.substr(0, key.rfind(' '));
  }

  void TrustHostKey(const SecureTestServer& server, const fs::path& publicKey) const {
    std::ofstream(KnownHosts(), std::ios::app) << KnownHostsLine(server, publicKey) << '\n';
  }

  TempDir root_;
};

TEST_F(SecureTransfer, SftpLogsInByKeyOrPasswordAndRefusesWhatDoesNotVerify) {
  SecureTestServer server(SftpServer(ServerDir()));
  ASSERT_NE(server.Port(), 0) << "sshd did not start";
  TrustHostKey(server, ServerDir() / "host_key.pub");
  const std::string key = (ServerDir() / "client_key").string();
  const struct {
    const char* Name;
    std::vector<std::string> Extra;
    std::optional<std::string> Password;
    const char* Removed;
    std::string Reason;  // "" for a transfer that succeeds
  } cases[] = {
      {"key", {"--identity", key}, std::nullopt, "", ""},
      {"password", {}, kPassword, "", ""},
      {"wrong password", {}, "wrong", "", "Login Refused For User " + LoginName()},
      {"missing file",
       {"--identity", key},
       std::nullopt,
       "Prompts.Xtract",
       "File Not Found On Host: " + RemoteDir().string() + "/Prompts.Xtract"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    WriteOldExtracts();
    if (*c.Removed) fs::rename(RemoteDir() / c.Removed, Root() / c.Removed);
    const CliRun run = Sftp(server, c.Extra, c.Password);
    if (*c.Removed) fs::rename(Root() / c.Removed, RemoteDir() / c.Removed);
    if (c.Reason.empty()) {
      EXPECT_EQ(run.ExitStatus, 0) << run.Err;
      EXPECT_EQ(FirstLine(run.Out), "Ready.");
      EXPECT_NE(run.Out.find("JobTotal: 84"), std::string::npos) << run.Out;
      EXPECT_NE(run.Err.find("Parms.Xtract: "), std::string::npos) << run.Err;
      ExpectNewExtracts();
    } else {
      EXPECT_EQ(run.ExitStatus, 1);
      EXPECT_EQ(LastLine(run.Err), "varnoltdbq-cli: SFTP Transfer Failed: " + c.Reason + "\n");
      ExpectOldExtractsOnly();
    }
  }
  EXPECT_EQ(Audit().find(kPassword), std::string::npos);
}

TEST_F(SecureTransfer, SftpHostKeysUnknownOrChangedAreRefused) {
  SecureTestServer server(SftpServer(ServerDir()));
  ASSERT_NE(server.Port(), 0) << "sshd did not start";
  const std::vector<std::string> login = {"--identity", (ServerDir() / "client_key").string()};
  QProcess keygen;  // the fingerprint as ssh prints it
  keygen.start("ssh-keygen",
               {"-l", "-f", QString::fromStdString((ServerDir() / "host_key.pub").string())});
  keygen.waitForFinished();
  const std::string fingerprint = keygen.readAll().split(' ').value(1).toStdString();
  const std::string hostLine = KnownHostsLine(server, ServerDir() / "host_key.pub");
  const std::string refused = std::string(kNoKeyring) + "varnoltdbq-cli: SFTP Transfer Failed: ";
  const std::string where = "127.0.0.1 port " + std::to_string(server.Port());

  const CliRun unknown = Sftp(server, login, std::nullopt);
  EXPECT_EQ(unknown.ExitStatus, 1);
  EXPECT_EQ(unknown.Err, refused + "Unknown Host Key Of " + where + " (" + fingerprint +
                             ")\nThe host's key fingerprint is " + fingerprint +
                             ". If it is the right one, add this line to " + KnownHosts().string() +
                             ":\n" + hostLine + "\n");
  EXPECT_FALSE(fs::exists(KnownHosts()));
  ExpectOldExtractsOnly();
  std::ofstream(KnownHosts()) << hostLine << '\n';
  const CliRun accepted = Sftp(server, login, std::nullopt);
  EXPECT_EQ(accepted.ExitStatus, 0) << accepted.Err;
  ExpectNewExtracts();

  // known_hosts holds another key of the same type for this host and port: a changed key.
  WriteOldExtracts();
  const std::string otherLine = KnownHostsLine(server, ServerDir() / "authorized_keys");
  std::ofstream(KnownHosts()) << otherLine << '\n';
  const CliRun changed = Sftp(server, login, std::nullopt);
  EXPECT_EQ(changed.ExitStatus, 1);
  EXPECT_EQ(changed.Err, refused + "Host Key Of " + where + " Has Changed (" + fingerprint +
                             "); Someone May Be Intercepting The Connection\n"
                             "The host now offers " +
                             fingerprint +
                             ". If the host's key was really replaced, remove its old line from " +
                             KnownHosts().string() + " and add:\n" + hostLine + "\n");
  EXPECT_EQ(ReadFile(KnownHosts()), otherLine + "\n");
  ExpectOldExtractsOnly();
}

TEST_F(SecureTransfer, SftpServerThatStopsMidFileLeavesTheOldExtracts) {
  // Jobs.Xtract is large enough for the server to be killed while it is on its way.
  fs::resize_file(RemoteDir() / "Jobs.Xtract", std::uintmax_t{1} << 30);
  SecureTestServer server(SftpServer(
      ServerDir(), QString::fromStdString((DatabaseDir() / "Jobs.Xtract.partial").string())));
  ASSERT_NE(server.Port(), 0) << "sshd did not start";
  TrustHostKey(server, ServerDir() / "host_key.pub");
  const CliRun run = Sftp(server, {"--identity", (ServerDir() / "client_key").string()}, {});
  EXPECT_EQ(run.ExitStatus, 1);
  EXPECT_NE(run.Err.find("SFTP Transfer Failed: Transfer Of Jobs.Xtract Broken Off"),
            std::string::npos)
      << run.Err;
  ExpectOldExtractsOnly();
}

TEST_F(SecureTransfer, FtpsVerifiesTheCertificate) {
  SKIP_OR_FAIL_WITHOUT_TOOL(
      QProcess::execute("/usr/bin/python3", {"-c", "import pyftpdlib, OpenSSL"}) == 0
          ? ""
          : "pyftpdlib or python3-openssl is not installed");
  const struct {
    const char* Kind;
    std::string Reason;
  } cases[] = {{"good", ""},
               {"wrong-name", "Certificate Does Not Match Host Name"},
               {"untrusted", "Certificate Issuer Not Trusted"},
               {"expired", "Certificate Expired"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Kind);
    WriteOldExtracts();
    fs::remove_all(ServerDir());
    fs::create_directories(ServerDir());
    SecureTestServer server({"ftps", QString::fromStdString(ServerDir().string()), kFtpsUser,
                             kPassword, QString::fromStdString(Root().string()), c.Kind});
    ASSERT_NE(server.Port(), 0) << "the FTPS server did not start";
    const CliRun run =
        RunCli(Call("ftps", server.Host(),
                    {"--user", kFtpsUser, "--ca-file", (ServerDir() / "ca.pem").string()},
                    kPassword, "/host/extracts"));
    if (c.Reason.empty()) {
      EXPECT_EQ(run.ExitStatus, 0) << run.Err;
      ExpectNewExtracts();
    } else {
      EXPECT_EQ(run.ExitStatus, 1);
      EXPECT_EQ(run.Err, "varnoltdbq-cli: FTPS Transfer Failed: " + c.Reason + "\n");
      ExpectOldExtractsOnly();
    }
  }
}

// The scrambled password of an older settings file moves into a real Secret Service (a
// keyring daemon in a D-Bus session of its own, its keyring under the test's HOME) and leaves
// the file; later runs find it there. Without a service, the settings file's password serves.
TEST_F(SecureTransfer, PasswordMovesIntoTheKeyringAndServesFromThere) {
  SKIP_OR_FAIL_WITHOUT_TOOL(ToolsMissing({"dbus-run-session", "gnome-keyring-daemon"}));
  SecureTestServer server(SftpServer(ServerDir()));
  ASSERT_NE(server.Port(), 0) << "sshd did not start";
  TrustHostKey(server, ServerDir() / "host_key.pub");
  {
    Settings settings = DefaultSettings((Root() / "program").string() + "/");
    settings.FtpPassword = kPassword;
    QSettingsStore store(QString::fromStdString(Ini().string()));
    StoreSettings(store, settings);
  }
  const auto inKeyringSession = [&](CliCall call) {
    call.Arguments.insert(call.Arguments.begin(), call.Program);
    call.Arguments.insert(call.Arguments.begin(),
                          {"--", "sh", "-c",
                           "echo unlock | gnome-keyring-daemon --unlock --components=secrets "
                           ">/dev/null && exec \"$0\" \"$@\""});
    call.Program = "dbus-run-session";
    call.Environment["DBUS_SESSION_BUS_ADDRESS"] = std::nullopt;
    return RunCli(call);
  };
  const auto sftp = [&] {
    return Call("sftp", server.Host(),
                {"--user", LoginName(), "--known-hosts", KnownHosts().string()}, std::nullopt);
  };
  const CliRun noKeyring = RunCli(sftp());
  EXPECT_EQ(noKeyring.ExitStatus, 0) << noKeyring.Err;
  EXPECT_EQ(FirstLine(noKeyring.Err) + "\n", kNoKeyring);
  EXPECT_NE(ReadFile(Ini()).find("Encrypt="), std::string::npos);

  for (const char* run : {"migrates", "reads back"}) {
    SCOPED_TRACE(run);
    WriteOldExtracts();
    const CliRun inSession = inKeyringSession(sftp());
    EXPECT_EQ(inSession.ExitStatus, 0) << inSession.Err;
    EXPECT_EQ(inSession.Err.find("keyring"), std::string::npos) << inSession.Err;
    ExpectNewExtracts();
    QSettingsStore store(QString::fromStdString(Ini().string()));
    EXPECT_EQ(store.Read(kEncryptName).value_or("absent"), "");
  }
  EXPECT_EQ(Audit().find(kPassword), std::string::npos);
}

}  // namespace
}  // namespace vdbq::testing
