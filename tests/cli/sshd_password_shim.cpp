// Preloaded into the tests' sshd: every account's shadow entry holds the hash in
// VARNOLTDBQ_TEST_PASSWORD_HASH, so a password login works without changing the system's
// accounts and without the privileges reading /etc/shadow or a private mount would need.
#include <shadow.h>

#include <cstdlib>

extern "C" struct spwd* getspnam(const char* name) {
  static struct spwd entry;
  char* hash = std::getenv("VARNOLTDBQ_TEST_PASSWORD_HASH");
  if (hash == nullptr) return nullptr;
  // -1: no ageing and no expiry, as for an account whose password was never changed.
  entry = {const_cast<char*>(name), hash, -1, -1, -1, -1, -1, -1, 0};
  return &entry;
}
