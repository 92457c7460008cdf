#pragma once

#include <memory>

#include "core/settings/password_keyring.h"
#include "fetch/curl_fetch.h"

namespace vdbq::fetch {

// libcurl, OpenSSL and the OS keyring live in a module of their own, loaded on first use, so
// that no other start of the programs pays for loading them. The programs reach it through this
// table alone; both sides are built together, and a module of another version is not used.
inline constexpr int kSecureModuleVersion = 1;

struct SecureModule {
  int Version = kSecureModuleVersion;
  FilesFetcher FetchFiles = nullptr;
  // The transfer password's keyring entry; delete it through PasswordKeyring.
  PasswordKeyring* (*NewKeyring)() = nullptr;
};

// The module's one exported function: extern "C", so that its name is the same everywhere.
inline constexpr char kSecureModuleEntry[] = "VarnoltdbqSecureModule";
using SecureModuleEntry = const SecureModule* (*)();

}  // namespace vdbq::fetch
