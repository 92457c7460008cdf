#include "platform/program_directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/settings/settings.h"

namespace vdbq {

namespace {

QString DirectoryFromArgv0(const char* argv0) {
  if (argv0 == nullptr || *argv0 == '\0') return QDir::currentPath();
  QString program = QString::fromLocal8Bit(argv0);
  // A bare name was found through the search path, not in the current directory.
  if (!program.contains(QLatin1Char('/')) && !program.contains(QLatin1Char('\\'))) {
    const QString found = QStandardPaths::findExecutable(program);
    if (!found.isEmpty()) program = found;
  }
  return QFileInfo(program).absolutePath();
}

}  // namespace

std::string ProgramDirectory(const char* argv0) {
  const QString dir = QCoreApplication::instance() != nullptr
                          ? QCoreApplication::applicationDirPath()
                          : DirectoryFromArgv0(argv0);
  std::string text = QDir::toNativeSeparators(dir).toLocal8Bit().toStdString();
  if (text.empty() || text.back() != kPathSeparator) text.push_back(kPathSeparator);
  return text;
}

}  // namespace vdbq
