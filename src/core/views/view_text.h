#pragma once

#include <string>
#include <string_view>

namespace vdbq {

// Drops the first and last character when the text both begins and ends with a double quote;
// a lone double quote therefore becomes empty.
std::string StripEnclosingQuotes(std::string_view text);

}  // namespace vdbq
