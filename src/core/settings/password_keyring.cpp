#include "core/settings/password_keyring.h"

#include "core/settings/password_scramble.h"
#include "core/settings/settings_io.h"

namespace vdbq {

KeyringUse TakePasswordFromKeyring(Settings& settings, SettingsStore& store,
                                   PasswordKeyring& keyring) {
  if (!keyring.Available()) return KeyringUse::kUnavailable;
  const auto stored = store.Read(kEncryptName);
  if (stored && !stored->empty()) {
    // Emptied only once the keyring holds it, so a failed write loses nothing.
    if (!keyring.Write(PasswordFromStoredValue(*stored))) return KeyringUse::kUnavailable;
    store.Write(kEncryptName, "");
  }
  // A keyring without the entry leaves the password the settings gave, the default included.
  if (auto kept = keyring.Read()) settings.FtpPassword = kept->substr(0, kMaxFtpFieldLength);
  settings.PasswordInKeyring = true;
  return KeyringUse::kInUse;
}

}  // namespace vdbq
