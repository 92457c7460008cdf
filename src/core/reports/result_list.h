#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/reports/schedule_header.h"

namespace vdbq {

inline constexpr int kResultColumns = 9;

// The sub-items of a row, in order. The largest listings have one a row: a single sub-item is
// kept in the row itself, so that such a row costs no allocation of its own.
class SubItemList {
 public:
  SubItemList() = default;
  SubItemList(std::vector<std::string> items) {  // NOLINT: rows are built from braced lists
    if (items.size() == 1) {
      items_.emplace<std::string>(std::move(items.front()));
    } else {
      items_ = std::move(items);
    }
  }
  SubItemList(std::initializer_list<std::string> items)
      : SubItemList(std::vector<std::string>(items)) {}
  explicit SubItemList(std::string item) : items_(std::move(item)) {}

  size_t size() const { return One() ? 1 : Many().size(); }
  bool empty() const { return size() == 0; }
  const std::string* begin() const {
    return One() ? &std::get<std::string>(items_) : Many().data();
  }
  const std::string* end() const { return begin() + size(); }
  const std::string& operator[](size_t k) const { return begin()[k]; }

 private:
  bool One() const { return std::holds_alternative<std::string>(items_); }
  const std::vector<std::string>& Many() const {
    return std::get<std::vector<std::string>>(items_);
  }

  std::variant<std::vector<std::string>, std::string> items_;
};

// One row of the result list: the caption (column 1) and the sub-items (columns 2 to 9) it
// holds. Rows are added in order and never edited afterwards.
struct ResultRow {
  std::string Caption;
  SubItemList SubItems;

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
    if (subItems.size() == 1) {
      row.SubItems = SubItemList(std::string(*subItems.begin()));
    } else {
      row.SubItems = SubItemList(std::vector<std::string>(subItems.begin(), subItems.end()));
    }
    return row;
  }
};

}  // namespace vdbq
