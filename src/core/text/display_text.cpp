#include "core/text/display_text.h"

namespace vdbq {
bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    size_t extra = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      extra = 1, code = c & 0x1F, minimum = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2, code = c & 0x0F, minimum = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3, code = c & 0x07, minimum = 0x10000;
    } else {
      return false;
    }
    if (i + extra >= bytes.size()) return false;
    for (size_t k = 1; k <= extra; ++k) {
      const auto follow = static_cast<unsigned char>(bytes[i + k]);
      if ((follow & 0xC0) != 0x80) return false;
      code = (code << 6) | (follow & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

std::string DisplayText(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string decoded;
  decoded.reserve(bytes.size() * 2);
  for (char raw : bytes) {
    const auto c = static_cast<unsigned char>(raw);
    if (c < 0x80) {
      decoded += raw;
    } else {
      decoded += static_cast<char>(0xC0 | (c >> 6));
      decoded += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return decoded;
}

}  // namespace vdbq
