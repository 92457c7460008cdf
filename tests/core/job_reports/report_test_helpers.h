#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/reports/result_list.h"

namespace vdbq::testing {

// Extract file name to text. Spelt out at each fixture, since a lone {name, text} pair would
// also read as a map's iterator range.
using Extracts = std::map<std::string, std::string>;

using Row = std::vector<std::string>;

// Every row as its caption followed by exactly the sub-items it holds.
inline std::vector<Row> RowsOf(const ResultList& results) {
  std::vector<Row> rows;
  for (const ResultRow& row : results.Rows) {
    Row cells{row.Caption};
    cells.insert(cells.end(), row.SubItems.begin(), row.SubItems.end());
    rows.push_back(std::move(cells));
  }
  return rows;
}

}  // namespace vdbq::testing
