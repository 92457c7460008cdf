#include "platform/data_directory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/settings/settings.h"

#ifndef VARNOLTDBQ_SAMPLE_FROM_BIN
#define VARNOLTDBQ_SAMPLE_FROM_BIN "../share/varnoltdbq/sample-db"
#endif

namespace vdbq {
namespace {

QString FromLocal(const std::string& text) { return QString::fromLocal8Bit(text); }

std::string WithSeparator(const QString& dir) {
  std::string text = QDir::toNativeSeparators(dir).toLocal8Bit().toStdString();
  if (text.empty() || text.back() != kPathSeparator) text.push_back(kPathSeparator);
  return text;
}

const char* const kExtractNames[] = {"Schedules.Xtract", "Jobs.Xtract",      "Parms.Xtract",
                                     "Resources.Xtract", "Calendars.Xtract", "Prompts.Xtract",
                                     "Cpus.Xtract"};

}  // namespace

std::string BundledSampleDirectory(const std::string& programDir) {
  const QDir sample(FromLocal(programDir) + QStringLiteral(VARNOLTDBQ_SAMPLE_FROM_BIN));
  if (!sample.exists(QString::fromLatin1(kExtractNames[0]))) return "";
  return WithSeparator(sample.canonicalPath());
}

std::string DataDirectory(const std::string& programDir) {
  if (BundledSampleDirectory(programDir).empty() && QFileInfo(FromLocal(programDir)).isWritable()) {
    return programDir;
  }
  // The settings create the database, log and saves directories one level deep only.
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(dir);
  return WithSeparator(dir);
}

bool SeedSampleDatabase(const std::string& sampleDir, const std::string& databaseDir) {
  if (sampleDir.empty()) return false;
  QDir target(FromLocal(databaseDir));
  for (const char* name : kExtractNames) {
    if (target.exists(QString::fromLatin1(name))) return false;
  }
  if (!QDir().mkpath(target.path())) return false;
  for (const char* name : kExtractNames) {
    const QString to = target.filePath(QString::fromLatin1(name));
    if (!QFile::copy(FromLocal(sampleDir) + QString::fromLatin1(name), to)) {
      for (const char* copied : kExtractNames) target.remove(QString::fromLatin1(copied));
      return false;
    }
    // Installed files are read-only; the copy is the user's, which a transfer replaces.
    QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner);
  }
  return true;
}

}  // namespace vdbq
