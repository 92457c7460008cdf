#include "gui/settings/password_keeper.h"

#include "core/settings/settings_io.h"
#include "gui/output/desktop.h"
#include "platform/secure_keyring.h"

namespace vdbq::gui {

namespace {

// Set once the user has been told, so a machine without a keyring says it one time only.
constexpr char kNoKeyringToldName[] = "NoKeyringTold";
constexpr char kNoKeyringNotice[] =
    "No keyring service runs on this computer, so the transfer password stays in the settings "
    "file, scrambled as before.";

}  // namespace

PasswordKeeper::PasswordKeeper(Settings& settings, SettingsStore& store, Desktop& desktop,
                               QWidget& window)
    : settings_(settings), store_(store), desktop_(desktop), window_(window) {}

PasswordKeeper::~PasswordKeeper() = default;

void PasswordKeeper::AtStart() {
  const auto stored = store_.Read(kEncryptName);
  if (stored && !stored->empty()) BeforeUse();
}

void PasswordKeeper::BeforeUse() {
  if (keyring_) return;
  keyring_ = std::make_unique<SecureKeyring>();
  if (TakePasswordFromKeyring(settings_, store_, *keyring_) == KeyringUse::kUnavailable) {
    TellOnceWhenMissing();
  }
}

void PasswordKeeper::AfterEdit(const std::string& passwordBefore) {
  if (settings_.FtpPassword == passwordBefore) return;
  if (settings_.PasswordInKeyring && keyring_ && keyring_->Write(settings_.FtpPassword)) return;
  settings_.PasswordInKeyring = false;
  TellOnceWhenMissing();
}

void PasswordKeeper::TellOnceWhenMissing() {
  if (settings_.FtpPassword.empty() || store_.Read(kNoKeyringToldName)) return;
  store_.Write(kNoKeyringToldName, "1");
  desktop_.Inform(&window_, QString::fromLatin1(kNoKeyringNotice));
}

}  // namespace vdbq::gui
