#pragma once

#include <cstdlib>
#include <cstring>
#include <string>

// A test that needs a tool (FTP client and server, PDF tools) skips where the tool is missing,
// except under CI (CI=true): there the tool belongs to the set-up, and a skip would hide that the
// test never ran.
namespace vdbq::testing {

inline bool MissingToolFails() {
  const char* ci = std::getenv("CI");
  return ci != nullptr && std::strcmp(ci, "true") == 0;
}

}  // namespace vdbq::testing

// In a GoogleTest body or SetUp: fails under CI, else skips, when `why` (the text saying which
// tool is missing) is not empty.
#define SKIP_OR_FAIL_WITHOUT_TOOL(why)                               \
  do {                                                               \
    if (const std::string whyMissing = (why); !whyMissing.empty()) { \
      if (::vdbq::testing::MissingToolFails()) FAIL() << whyMissing; \
      GTEST_SKIP() << whyMissing;                                    \
    }                                                                \
  } while (false)

// The same in a Qt Test slot.
#define QSKIP_OR_FAIL_WITHOUT_TOOL(why)                                   \
  do {                                                                    \
    if (const std::string whyMissing = (why); !whyMissing.empty()) {      \
      if (::vdbq::testing::MissingToolFails()) QFAIL(whyMissing.c_str()); \
      QSKIP(whyMissing.c_str());                                          \
    }                                                                     \
  } while (false)
