#pragma once

#include <optional>
#include <string>

#include "core/settings/password_keyring.h"

namespace vdbq {

// The transfer password in the OS keyring through QtKeychain: the Secret Service on Linux, the
// Credential Manager on Windows. Each call waits for its answer, so it needs an application
// object (the programs' SecureKeyring makes one where there is none); a missing service is
// found out once.
class KeychainPassword : public PasswordKeyring {
 public:
  bool Available() override;
  std::optional<std::string> Read() override;
  bool Write(const std::string& password) override;

 private:
  std::optional<bool> available_;
};

}  // namespace vdbq
