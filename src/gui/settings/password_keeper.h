#pragma once

#include <memory>
#include <string>

#include "core/settings/password_keyring.h"
#include "core/settings/settings.h"
#include "core/settings/settings_store.h"

class QWidget;

namespace vdbq::gui {

class Desktop;

// Keeps the desktop's transfer password in the OS keyring. Opening the keyring loads the
// secure module, so it is opened when the password is first needed: at start only when the
// settings file still holds a scrambled password (which then moves into it), else before a
// transfer or the settings dialog. Where no keyring service runs the program says so once,
// ever, and the scrambled setting stays as it always was.
class PasswordKeeper {
 public:
  PasswordKeeper(Settings& settings, SettingsStore& store, Desktop& desktop, QWidget& window);
  ~PasswordKeeper();

  void AtStart();
  void BeforeUse();
  // After the settings dialog: a changed password goes to the keyring, or, should the keyring
  // refuse it, stays scrambled in the settings file.
  void AfterEdit(const std::string& passwordBefore);

 private:
  void TellOnceWhenMissing();

  Settings& settings_;
  SettingsStore& store_;
  Desktop& desktop_;
  QWidget& window_;
  std::unique_ptr<PasswordKeyring> keyring_;
};

}  // namespace vdbq::gui
