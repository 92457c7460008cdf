#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "core/reports/result_list.h"

namespace vdbq::testing {

// Extract text from lines, each ended by a line feed.
inline std::string ExtractText(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\n";
  return text;
}

// A row as one list: the caption, then the sub-items it holds.
inline std::vector<std::string> Cells(const ResultRow& row) {
  std::vector<std::string> cells{row.Caption};
  cells.insert(cells.end(), row.SubItems.begin(), row.SubItems.end());
  return cells;
}

inline std::vector<std::vector<std::string>> AllCells(const ResultList& results) {
  std::vector<std::vector<std::string>> rows;
  for (const ResultRow& row : results.Rows) rows.push_back(Cells(row));
  return rows;
}

}  // namespace vdbq::testing
