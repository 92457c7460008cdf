#include "platform/qprocess_runner.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <algorithm>

#ifndef _WIN32
#include <signal.h>
#include <unistd.h>
#endif

namespace vdbq {

namespace {

constexpr int kKillWaitMs = 5000;

void AppendBounded(std::string& text, const QByteArray& bytes) {
  const std::size_t room =
      QProcessRunner::kMaxOutput - std::min(text.size(), QProcessRunner::kMaxOutput);
  text.append(bytes.constData(), std::min(room, static_cast<std::size_t>(bytes.size())));
}

}  // namespace

QProcessRunner::QProcessRunner() {
  // The client reads its commands from the script, never from this program's input.
  process_.setStandardInputFile(QProcess::nullDevice());
#ifndef _WIN32
  process_.setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
}

QProcessRunner::~QProcessRunner() {
  if (process_.state() != QProcess::NotRunning) Kill();
}

bool QProcessRunner::Start(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& workingDir) {
  if (process_.state() != QProcess::NotRunning) return false;
  output_.clear();
  errorOutput_.clear();
  processId_ = 0;
  QStringList args;
  for (const std::string& argument : arguments) args << QString::fromLocal8Bit(argument);
  process_.setWorkingDirectory(QString::fromLocal8Bit(workingDir));
  process_.start(QString::fromLocal8Bit(program), args);
  if (!process_.waitForStarted()) return false;
  processId_ = process_.processId();
  return true;
}

void QProcessRunner::TakeOutput() {
  AppendBounded(output_, process_.readAllStandardOutput());
  AppendBounded(errorOutput_, process_.readAllStandardError());
}

bool QProcessRunner::WaitForEnd(std::chrono::milliseconds bound) {
  if (process_.state() == QProcess::NotRunning) {
    TakeOutput();
    return true;
  }
  const bool ended =
      process_.waitForFinished(static_cast<int>(std::max<long long>(bound.count(), 0)));
  TakeOutput();
  return ended || process_.state() == QProcess::NotRunning;
}

void QProcessRunner::Kill() {
  if (process_.state() != QProcess::NotRunning) {
#ifndef _WIN32
    // While the leader is not reaped its id cannot name anybody else's group.
    if (processId_ > 0) ::kill(static_cast<pid_t>(-processId_), SIGKILL);
#endif
    process_.kill();
    process_.waitForFinished(kKillWaitMs);
  }
  TakeOutput();
}

int QProcessRunner::ExitStatus() const {
  if (process_.state() != QProcess::NotRunning) return -1;
  if (process_.exitStatus() != QProcess::NormalExit) return -1;
  return process_.exitCode();
}

}  // namespace vdbq
