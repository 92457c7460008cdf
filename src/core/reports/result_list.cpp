#include "core/reports/result_list.h"

namespace vdbq {

std::string_view ResultRow::Column(int k) const {
  if (k == 1) return Caption;
  if (k < 2) return {};
  auto item = SubItems.begin();
  for (int column = 2; column < k && item != SubItems.end(); ++column) ++item;
  return item == SubItems.end() ? std::string_view() : *item;
}

}  // namespace vdbq
