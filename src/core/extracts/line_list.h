#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vdbq {

// An extract file as lines, indexed from 0. Reading at or past the end (or before the start)
// gives an empty line: several walks read one line past the end on purpose.
class LineList {
 public:
  LineList() = default;
  explicit LineList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  const std::string& At(long long index) const {
    if (index < 0 || index >= Count()) return Empty();
    return lines_[static_cast<size_t>(index)];
  }
  long long Count() const { return static_cast<long long>(lines_.size()); }
  bool IsEmpty() const { return lines_.empty(); }
  const std::vector<std::string>& Lines() const { return lines_; }
  std::vector<std::string>& Lines() { return lines_; }
  void Clear() { lines_.clear(); }

 private:
  static const std::string& Empty() {
    static const std::string empty;
    return empty;
  }
  std::vector<std::string> lines_;
};

// Splits text at CR LF, lone CR and lone LF. The empty line after a final line break is not
// counted; lines are never split anywhere else.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace vdbq
