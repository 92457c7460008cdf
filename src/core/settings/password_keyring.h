#pragma once

#include <optional>
#include <string>

#include "core/settings/settings.h"
#include "core/settings/settings_store.h"

namespace vdbq {

// The OS keyring's entry for the transfer password.
class PasswordKeyring {
 public:
  virtual ~PasswordKeyring() = default;
  // False when no keyring service runs (or it refused); the others then fail too.
  virtual bool Available() = 0;
  // The stored password, nothing when the keyring holds none.
  virtual std::optional<std::string> Read() = 0;
  virtual bool Write(const std::string& password) = 0;
};

enum class KeyringUse { kInUse, kUnavailable };

// Where a keyring runs, the password comes from it; a scrambled password still in the settings
// file is first moved into it and emptied in the file. Without a keyring the settings keep
// today's scrambled password and nothing changes.
KeyringUse TakePasswordFromKeyring(Settings& settings, SettingsStore& store,
                                   PasswordKeyring& keyring);

}  // namespace vdbq
