#include "ftp_test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QStandardPaths>
#include <QStringList>

namespace vdbq::testing {

namespace {

constexpr char kServerScript[] = VARNOLTDBQ_CLI_TEST_DIR "/ftp_test_server.py";

// Debian's library lives with Debian's interpreter, which another python3 on the search path
// may hide.
QString PythonWithPyftpdlib() {
  static const QString found = [] {
    for (const QString& candidate :
         {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
      QProcess probe;
      probe.start(candidate, {QStringLiteral("-c"), QStringLiteral("import pyftpdlib")});
      if (probe.waitForFinished(10000) && probe.exitStatus() == QProcess::NormalExit &&
          probe.exitCode() == 0) {
        return candidate;
      }
    }
    return QString();
  }();
  return found;
}

}  // namespace

std::string FtpToolsMissing() {
  if (QStandardPaths::findExecutable(QStringLiteral("ftp")).isEmpty()) {
    return "the command-line FTP client is not installed (apt-get install tnftp)";
  }
  if (PythonWithPyftpdlib().isEmpty()) {
    return "pyftpdlib is not installed (apt-get install python3-pyftpdlib)";
  }
  return "";
}

FtpTestServer::FtpTestServer(const std::string& user, const std::string& password,
                             const std::filesystem::path& root) {
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_.start(PythonWithPyftpdlib(),
                 {QString::fromLatin1(kServerScript), QString::fromStdString(user),
                  QString::fromStdString(password), QString::fromStdString(root.string())});
  if (!process_.waitForStarted(10000)) return;
  while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
  }
  bool ok = false;
  const int port = process_.readLine().trimmed().toInt(&ok);
  if (ok) port_ = port;
}

FtpTestServer::~FtpTestServer() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.closeWriteChannel();
  if (!process_.waitForFinished(3000)) {
    process_.kill();
    process_.waitForFinished(3000);
  }
}

std::string FtpTestServer::Host() const { return "127.0.0.1 " + std::to_string(port_); }

HeldPort::HeldPort(bool listening) {
  socket_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket_ < 0) return;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof(address);
  if (::bind(socket_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
      (listening && ::listen(socket_, 4) != 0)) {
    return;
  }
  port_ = ntohs(address.sin_port);
}

HeldPort::~HeldPort() {
  if (socket_ >= 0) ::close(socket_);
}

}  // namespace vdbq::testing

namespace vdbq::testing {

SecureTestServer::SecureTestServer(const QStringList& arguments) {
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_.start(
      QStringLiteral("/usr/bin/python3"),
      QStringList{QStringLiteral(VARNOLTDBQ_CLI_TEST_DIR "/secure_test_servers.py")} + arguments);
  if (!process_.waitForStarted(10000)) return;
  while (!process_.canReadLine() && process_.waitForReadyRead(30000)) {
  }
  port_ = process_.readLine().trimmed().toInt();
}

SecureTestServer::~SecureTestServer() {
  process_.closeWriteChannel();
  if (!process_.waitForFinished(5000)) process_.kill();
  process_.waitForFinished(3000);
}

std::string LoginName() {
  QProcess id;
  id.start(QStringLiteral("id"), {QStringLiteral("-un")});
  id.waitForFinished();
  return id.readAll().trimmed().toStdString();
}

}  // namespace vdbq::testing
