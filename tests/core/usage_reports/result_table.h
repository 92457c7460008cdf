#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/reports/result_list.h"

namespace vdbq::testing {

// The result list as rows of texts: the caption, then the sub-items the row holds.
inline std::vector<std::vector<std::string>> Table(const ResultList& results) {
  std::vector<std::vector<std::string>> table;
  for (const ResultRow& row : results.Rows) {
    std::vector<std::string> cells{row.Caption};
    cells.insert(cells.end(), row.SubItems.begin(), row.SubItems.end());
    table.push_back(std::move(cells));
  }
  return table;
}

using Rows = std::vector<std::vector<std::string>>;
// Extract file name -> text, for fixtures that name a single file.
using Extracts = std::map<std::string, std::string>;

}  // namespace vdbq::testing
