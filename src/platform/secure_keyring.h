#pragma once

#include <memory>

#include "core/settings/password_keyring.h"

class QCoreApplication;

namespace vdbq {

// The OS keyring's password entry, kept by the secure module. Where the module cannot be opened
// no keyring service runs. Makes an application object of its own where the program has none
// (the CLI), as the keyring's answers arrive through an event loop.
class SecureKeyring : public PasswordKeyring {
 public:
  SecureKeyring();
  ~SecureKeyring() override;

  bool Available() override;
  std::optional<std::string> Read() override;
  bool Write(const std::string& password) override;

 private:
  std::unique_ptr<QCoreApplication> application_;
  std::unique_ptr<PasswordKeyring> keyring_;  // goes before the application it ran in
};

}  // namespace vdbq
