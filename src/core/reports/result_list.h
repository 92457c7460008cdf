#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/reports/schedule_header.h"

namespace vdbq {

inline constexpr int kResultColumns = 9;

// One row of the result list: the caption (column 1) and the sub-items (columns 2 to 9) it
// holds. Rows are added in order and never edited afterwards.
struct ResultRow {
  std::string Caption;
  std::vector<std::string> SubItems;

  // The text of column k (1-based): the caption for 1, sub-item k-1 after; "" when missing.
  const std::string& Column(int k) const;
};

// The result table every report fills, with what the drawing rules, the hint, the row copy and
// the exports read from it.
struct ResultList {
  std::vector<ResultRow> Rows;
  std::array<int, kResultColumns> Widths{};
  int ReportNumber = 0;
  bool ResultsShown = false;
  // How many report runs have completed; a run that rejects its input adds nothing.
  long long RunsCompleted = 0;
  std::string LabRepTit1;
  std::string LabRepTit2;
  // Row bounds of the schedule detail report's sections, read by its colour rules.
  long long DetailHeaderLastRow = 0;
  long long DetailEndRow = 0;
  // The clauses of the schedule the detail report showed last, for the HTML document.
  ScheduleHeader Header;

  void Clear() { Rows.clear(); }
  void SetWidths(const std::array<int, kResultColumns>& widths) { Widths = widths; }
  ResultRow& AddRow(std::string caption, std::vector<std::string> subItems = {}) {
    Rows.push_back(ResultRow{std::move(caption), std::move(subItems)});
    return Rows.back();
  }
  // The same from texts copied once, straight into the new row: the listings add hundreds of
  // thousands of rows.
  ResultRow& AddRowOf(std::string_view caption, std::initializer_list<std::string_view> subItems) {
    ResultRow& row = Rows.emplace_back();
    row.Caption.assign(caption);
    row.SubItems.reserve(subItems.size());
    for (std::string_view item : subItems) row.SubItems.emplace_back(item);
    return row;
  }
};

}  // namespace vdbq
