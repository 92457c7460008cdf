#include "core/views/view_text.h"

namespace vdbq {

std::string StripEnclosingQuotes(std::string_view text) {
  if (text.empty() || text.front() != '"' || text.back() != '"') return std::string(text);
  if (text.size() < 2) return {};
  return std::string(text.substr(1, text.size() - 2));
}

}  // namespace vdbq
