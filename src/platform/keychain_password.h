#pragma once

#include <memory>

#include "core/settings/password_keyring.h"

class QCoreApplication;

namespace vdbq {

// The transfer password in the OS keyring through QtKeychain: the Secret Service on Linux, the
// Credential Manager on Windows. Each call waits for its answer, with an application object of
// its own where the program has none (the CLI); a missing service is found out once.
class KeychainPassword : public PasswordKeyring {
 public:
  KeychainPassword();
  ~KeychainPassword() override;

  bool Available() override;
  std::optional<std::string> Read() override;
  bool Write(const std::string& password) override;

 private:
  std::unique_ptr<QCoreApplication> application_;
  std::optional<bool> available_;
};

}  // namespace vdbq
