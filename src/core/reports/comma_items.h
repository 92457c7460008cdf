#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vdbq {

// A comma-separated text split once: Item(n) is CsvField(text, n) (1-based, no trimming, ""
// beyond the last), without walking the text again for every item.
class CommaItems {
 public:
  CommaItems() = default;
  explicit CommaItems(std::string_view text);

  const std::string& Item(long long n) const;
  long long Count() const { return static_cast<long long>(items_.size()); }

 private:
  std::vector<std::string> items_;
};

}  // namespace vdbq
