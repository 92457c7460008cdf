#include "platform/secure_keyring.h"

#include <QCoreApplication>

#include "platform/secure_module_loader.h"

namespace vdbq {

SecureKeyring::SecureKeyring() {
  if (!QCoreApplication::instance()) {
    // The application keeps argc by reference, so both outlive it.
    static int argc = 1;
    static char name[] = "varnoltdbq";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QCoreApplication>(argc, argv);
  }
  std::string problem;
  if (const fetch::SecureModule* module = LoadSecureModule(problem)) {
    keyring_.reset(module->NewKeyring());
  }
}

SecureKeyring::~SecureKeyring() = default;

bool SecureKeyring::Available() { return keyring_ && keyring_->Available(); }

std::optional<std::string> SecureKeyring::Read() {
  if (!keyring_) return std::nullopt;
  return keyring_->Read();
}

bool SecureKeyring::Write(const std::string& password) {
  return keyring_ && keyring_->Write(password);
}

}  // namespace vdbq
