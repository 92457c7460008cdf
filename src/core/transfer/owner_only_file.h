#pragma once

#include <string>

namespace vdbq {

// Creates path afresh (a file of that name is removed first, so an old file's wider mode is
// not inherited), readable and writable by its owner only from the moment it exists, plus
// executable when asked, and writes bytes to it. Returns 0, or the system's error code; a file
// that could not be written completely is removed again.
int WriteOwnerOnlyFile(const std::string& path, const std::string& bytes, bool executable);

}  // namespace vdbq
