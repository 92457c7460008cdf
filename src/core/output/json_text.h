#pragma once

#include <string>
#include <string_view>

namespace vdbq {

// Extract text as a JSON string, appended: its display text (UTF-8 when valid, else Latin-1)
// between double quotes, with the escapes the command line's JSON documents use everywhere
// (`\"`, `\\`, `\b`, `\f`, `\n`, `\r`, `\t`, `\u00xx` for the other control characters) and
// every other character as it is. Large listings are written with it, text by text.
void AppendJsonString(std::string& text, std::string_view bytes);

}  // namespace vdbq
