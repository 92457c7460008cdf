#include <QtGlobal>

#include "fetch/secure_module.h"
#include "secure/keychain_password.h"

namespace {

vdbq::PasswordKeyring* NewKeychainPassword() { return new vdbq::KeychainPassword; }

}  // namespace

extern "C" Q_DECL_EXPORT const vdbq::fetch::SecureModule* VarnoltdbqSecureModule() {
  static const vdbq::fetch::SecureModule kModule{vdbq::fetch::kSecureModuleVersion,
                                                 &vdbq::fetch::FetchFiles, &NewKeychainPassword};
  return &kModule;
}
