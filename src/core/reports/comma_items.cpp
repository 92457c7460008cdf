#include "core/reports/comma_items.h"

namespace vdbq {

CommaItems::CommaItems(std::string_view text) {
  if (text.empty()) return;
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) {
      items_.emplace_back(text.substr(start));
      return;
    }
    items_.emplace_back(text.substr(start, comma - start));
    start = comma + 1;
  }
}

const std::string& CommaItems::Item(long long n) const {
  static const std::string empty;
  if (n < 1 || n > Count()) return empty;
  return items_[static_cast<size_t>(n - 1)];
}

}  // namespace vdbq
