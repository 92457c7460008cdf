#include "core/output/json_text.h"

#include "core/text/display_text.h"

namespace vdbq {

void AppendJsonString(std::string& text, std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  // Bytes of invalid UTF-8 are Latin-1 characters, two bytes each in UTF-8.
  const bool latin1 = !IsValidUtf8(bytes);
  text += '"';
  size_t plain = 0;  // start of the bytes not yet appended
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x20 && c != '"' && c != '\\' && (c < 0x80 || !latin1)) continue;
    text.append(bytes.data() + plain, i - plain);
    plain = i + 1;
    switch (c) {
      case '"':
        text += "\\\"";
        break;
      case '\\':
        text += "\\\\";
        break;
      case '\b':
        text += "\\b";
        break;
      case '\f':
        text += "\\f";
        break;
      case '\n':
        text += "\\n";
        break;
      case '\r':
        text += "\\r";
        break;
      case '\t':
        text += "\\t";
        break;
      default:
        if (c >= 0x80) {
          text += static_cast<char>(0xC0 | (c >> 6));
          text += static_cast<char>(0x80 | (c & 0x3F));
        } else {
          text += "\\u00";
          text += kHex[c >> 4];
          text += kHex[c & 0xF];
        }
    }
  }
  text.append(bytes.data() + plain, bytes.size() - plain);
  text += '"';
}

}  // namespace vdbq
