#pragma once

#include <string>
#include <string_view>

namespace vdbq {

// Extract text is bytes. For display it is read as UTF-8 when the bytes are valid UTF-8, and
// as Latin-1 (one character per byte) otherwise; the result is always UTF-8.
std::string DisplayText(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);

}  // namespace vdbq
