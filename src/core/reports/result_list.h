#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/reports/schedule_header.h"

namespace vdbq {

inline constexpr int kResultColumns = 9;

// The sub-items of a row, in order, packed in one text: each is its length (a byte, or 255 and
// four more for a long one) followed by its bytes. The largest listings have one or two short
// sub-items a row, which then fit in the row itself with no allocation of their own.
class SubItemList {
 public:
  SubItemList() = default;
  SubItemList(std::initializer_list<std::string_view> items) {
    for (std::string_view item : items) Append(item);
  }
  SubItemList(const std::vector<std::string>& items) {  // NOLINT: rows are built from lists
    for (const std::string& item : items) Append(item);
  }

  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;
    Iterator() = default;
    explicit Iterator(const char* at) : at_(at) {}
    std::string_view operator*() const { return std::string_view(Text(), Length()); }
    Iterator& operator++() {
      at_ = Text() + Length();
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++*this;
      return before;
    }
    bool operator==(const Iterator& other) const { return at_ == other.at_; }

   private:
    bool Long() const { return static_cast<unsigned char>(*at_) == kLongMark; }
    size_t Length() const {
      if (!Long()) return static_cast<unsigned char>(*at_);
      uint32_t length;
      std::memcpy(&length, at_ + 1, sizeof length);
      return length;
    }
    const char* Text() const { return at_ + (Long() ? 1 + sizeof(uint32_t) : 1); }
    const char* at_ = nullptr;
  };

  Iterator begin() const { return Iterator(packed_.data()); }
  Iterator end() const { return Iterator(packed_.data() + packed_.size()); }
  size_t size() const { return static_cast<size_t>(std::distance(begin(), end())); }
  bool empty() const { return packed_.empty(); }
  std::string_view operator[](size_t k) const { return *std::next(begin(), static_cast<long>(k)); }

 private:
  static constexpr unsigned char kLongMark = 255;
  void Append(std::string_view item) {
    if (item.size() < kLongMark) {
      packed_ += static_cast<char>(item.size());
    } else {
      const auto length = static_cast<uint32_t>(item.size());
      packed_ += static_cast<char>(kLongMark);
      packed_.append(reinterpret_cast<const char*>(&length), sizeof length);
    }
    packed_.append(item);
  }

  std::string packed_;
};

// One row of the result list: the caption (column 1) and the sub-items (columns 2 to 9) it
// holds. Rows are added in order and never edited afterwards.
struct ResultRow {
  std::string Caption;
  SubItemList SubItems;
  // The text of column k (1-based): the caption for 1, sub-item k-1 after; "" when missing.
  std::string_view Column(int k) const;
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
  std::string Title;     // LabRepTit1
  std::string Subtitle;  // LabRepTit2
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
    return Rows.emplace_back(ResultRow{std::string(caption), SubItemList(subItems)});
  }
};

}  // namespace vdbq
