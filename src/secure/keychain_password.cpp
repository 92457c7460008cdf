#include "secure/keychain_password.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>

namespace vdbq {

namespace {

const QString kService = QStringLiteral("VarnoltDBQ");
const QString kKey = QStringLiteral("FtpPassword");

void RunToEnd(QKeychain::Job& job) {
  job.setAutoDelete(false);
  job.setKey(kKey);
  QEventLoop loop;
  QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
  job.start();
  loop.exec();
}

}  // namespace

bool KeychainPassword::Available() {
  if (!available_) {
    QKeychain::ReadPasswordJob probe(kService);
    RunToEnd(probe);
    available_ = probe.error() == QKeychain::NoError || probe.error() == QKeychain::EntryNotFound;
  }
  return *available_;
}

std::optional<std::string> KeychainPassword::Read() {
  QKeychain::ReadPasswordJob job(kService);
  RunToEnd(job);
  if (job.error() != QKeychain::NoError) return std::nullopt;
  return job.textData().toStdString();
}

bool KeychainPassword::Write(const std::string& password) {
  QKeychain::WritePasswordJob job(kService);
  job.setTextData(QString::fromStdString(password));
  RunToEnd(job);
  return job.error() == QKeychain::NoError;
}

}  // namespace vdbq
