#include "core/reports/result_list.h"

namespace vdbq {

const std::string& ResultRow::Column(int k) const {
  static const std::string empty;
  if (k == 1) return Caption;
  if (k < 2 || static_cast<size_t>(k - 2) >= SubItems.size()) return empty;
  return SubItems[static_cast<size_t>(k - 2)];
}

}  // namespace vdbq
