#include "platform/secure_module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <mutex>

namespace vdbq {

namespace {

std::mutex& LoaderMutex() {
  static std::mutex mutex;
  return mutex;
}

std::string& ProgramDirSetting() {
  static std::string dir;
  return dir;
}

QString ProgramDir() {
  if (!ProgramDirSetting().empty()) return QString::fromLocal8Bit(ProgramDirSetting().c_str());
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
  return QDir::currentPath();
}

struct Opened {
  const fetch::SecureModule* Module = nullptr;
  std::string Problem;
  // Never unloaded: the keyring objects and the fetch it made may outlive any owner here. Held
  // here rather than dropped so the library stays reachable to leak checkers as well.
  QLibrary* Library = nullptr;
};

Opened Open() {
  const QString fileName = QStringLiteral(VARNOLTDBQ_SECURE_MODULE_FILE);
  const QDir programDir(ProgramDir());
  QString path;
  for (const QString& candidate :
       {programDir.filePath(fileName),
        programDir.filePath(QStringLiteral(VARNOLTDBQ_SECURE_FROM_BIN "/") + fileName)}) {
    if (QFileInfo::exists(candidate)) {
      path = QDir::cleanPath(candidate);
      break;
    }
  }
  if (path.isEmpty()) {
    return {nullptr, "Secure Transfer Module Not Found: " + fileName.toStdString()};
  }
  auto* library = new QLibrary(path);
  const auto entry =
      reinterpret_cast<fetch::SecureModuleEntry>(library->resolve(fetch::kSecureModuleEntry));
  const fetch::SecureModule* module = entry ? entry() : nullptr;
  if (module == nullptr || module->Version != fetch::kSecureModuleVersion) {
    const std::string why = entry ? "another version" : library->errorString().toStdString();
    delete library;
    return {nullptr, "Secure Transfer Module Not Loaded: " +
                         QDir::toNativeSeparators(path).toStdString() + " (" + why + ")"};
  }
  return {module, "", library};
}

}  // namespace

void SetSecureModuleProgramDirectory(const std::string& programDir) {
  const std::lock_guard lock(LoaderMutex());
  ProgramDirSetting() = programDir;
}

const fetch::SecureModule* LoadSecureModule(std::string& problem) {
  const std::lock_guard lock(LoaderMutex());
  static const Opened opened = Open();
  problem = opened.Problem;
  return opened.Module;
}

fetch::ExtractsFetched FetchExtractsSecurely(const fetch::FetchRequest& request, int keep,
                                             const fetch::ProgressListener& progress,
                                             const std::atomic<bool>* cancel) {
  std::string problem;
  const fetch::SecureModule* module = LoadSecureModule(problem);
  if (module == nullptr) {
    fetch::ExtractsFetched failed;
    failed.Result = {fetch::FetchStatus::kFailed, problem, "", ""};
    return failed;
  }
  return fetch::FetchExtracts(module->FetchFiles, request, keep, progress, cancel);
}

}  // namespace vdbq
