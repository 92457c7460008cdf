#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace vdbq {

// An extract file as lines, indexed from 0. Reading at or past the end (or before the start)
// gives an empty line: several walks read one line past the end on purpose.
//
// The lines are kept back to back in one buffer with their line breaks removed, so a file
// costs its own size plus one offset per line in memory.
class LineList {
 public:
  LineList() = default;
  explicit LineList(const std::vector<std::string>& lines);
  // Splits text at CR LF, lone CR and lone LF, reusing its storage.
  static LineList FromText(std::string text);

  std::string_view At(long long index) const {
    if (index < 0 || index >= Count()) return {};
    const size_t i = static_cast<size_t>(index);
    return std::string_view(text_).substr(starts_[i], starts_[i + 1] - starts_[i]);
  }
  long long Count() const {
    return starts_.empty() ? 0 : static_cast<long long>(starts_.size()) - 1;
  }
  bool IsEmpty() const { return Count() == 0; }

  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;
    Iterator(const LineList* list, long long index) : list_(list), index_(index) {}
    std::string_view operator*() const { return list_->At(index_); }
    Iterator& operator++() {
      ++index_;
      return *this;
    }
    bool operator==(const Iterator& other) const { return index_ == other.index_; }

   private:
    const LineList* list_;
    long long index_;
  };
  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, Count()); }

 private:
  std::string text_;
  // Offset of each line in text_, then the end of the last line.
  std::vector<size_t> starts_;
};

// The lines of a text, split as LineList::FromText splits them. The empty line after a final
// line break is not counted; lines are never split anywhere else.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace vdbq
