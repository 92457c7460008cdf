#pragma once

#include <string>

namespace vdbq {

// The directory of the program file with a trailing separator. Taken from the application
// object when there is one, else from argv0.
std::string ProgramDirectory(const char* argv0 = nullptr);

}  // namespace vdbq
