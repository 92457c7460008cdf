#pragma once

#include <QProcess>
#include <filesystem>
#include <string>

#include "support/required_tool.h"

namespace vdbq::testing {

// Why the FTP transfer cannot be tried end to end here ("" when it can): the command-line
// client (Debian: tnftp) or the server library (Debian: python3-pyftpdlib) is missing.
std::string FtpToolsMissing();

// A pyftpdlib server on 127.0.0.1 serving root to one user; stopped when the object goes.
class FtpTestServer {
 public:
  FtpTestServer(const std::string& user, const std::string& password,
                const std::filesystem::path& root);
  ~FtpTestServer();
  FtpTestServer(const FtpTestServer&) = delete;
  FtpTestServer& operator=(const FtpTestServer&) = delete;

  // 0 when the server did not come up.
  int Port() const { return port_; }
  // The host setting that reaches it: "127.0.0.1 PORT".
  std::string Host() const;

 private:
  QProcess process_;
  int port_ = 0;
};

// A server of secure_test_servers.py (SFTP or FTPS, the arguments as it takes them), ended by
// closing its standard input.
class SecureTestServer {
 public:
  explicit SecureTestServer(const QStringList& arguments);
  ~SecureTestServer();
  SecureTestServer(const SecureTestServer&) = delete;
  SecureTestServer& operator=(const SecureTestServer&) = delete;

  int Port() const { return port_; }
  std::string Host() const { return "127.0.0.1 " + std::to_string(port_); }

 private:
  QProcess process_;
  int port_ = 0;
};

// The account the tests' sshd logs in: the one running the test, whatever USER says.
std::string LoginName();

// A loopback TCP port held for the test's lifetime. Not listening, connections to it are
// refused; listening but never accepting, a client connects and then hears nothing.
class HeldPort {
 public:
  explicit HeldPort(bool listening);
  ~HeldPort();
  HeldPort(const HeldPort&) = delete;
  HeldPort& operator=(const HeldPort&) = delete;

  int Port() const { return port_; }
  std::string Host() const { return "127.0.0.1 " + std::to_string(port_); }

 private:
  int socket_ = -1;
  int port_ = 0;
};

}  // namespace vdbq::testing
