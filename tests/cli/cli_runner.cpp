#include "cli_runner.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace vdbq::testing {

CliRun RunCli(const CliCall& call) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const auto& [name, value] : call.Environment) {
    if (value) {
      environment.insert(QString::fromStdString(name), QString::fromStdString(*value));
    } else {
      environment.remove(QString::fromStdString(name));
    }
  }
  process.setProcessEnvironment(environment);
  process.setStandardInputFile(QProcess::nullDevice());
  if (!call.WorkingDir.empty())
    process.setWorkingDirectory(QString::fromStdString(call.WorkingDir));
  QStringList arguments;
  for (const std::string& argument : call.Arguments) {
    arguments << QString::fromLocal8Bit(argument);
  }
  process.start(QString::fromStdString(call.Program), arguments);
  CliRun run;
  if (!process.waitForStarted()) return run;
  if (!process.waitForFinished(static_cast<int>(call.TimeLimit.count()))) {
    process.kill();
    process.waitForFinished();
  }
  run.Out = process.readAllStandardOutput().toStdString();
  run.Err = process.readAllStandardError().toStdString();
  if (process.exitStatus() == QProcess::NormalExit) run.ExitStatus = process.exitCode();
  return run;
}

}  // namespace vdbq::testing
