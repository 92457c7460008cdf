#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vdbq {

// One line of a definition's diff: '-' only in the old definition, '+' only in the new one,
// ' ' in both (context).
struct DiffLine {
  char Mark = ' ';
  std::string Text;
  // True when lines of both definitions were left out before this one.
  bool AfterGap = false;

  bool operator==(const DiffLine&) const = default;
};

// Lines of unchanged text shown around each change.
inline constexpr int kDiffContextLines = 3;

// Above this many cells (old lines times new lines, once the common head and tail are taken
// off) a definition is not matched line by line: its differing middle is shown as the old
// lines removed and the new lines added, so a huge rewritten definition costs linear time.
inline constexpr long long kMaxMatchedCells = 25'000'000;

// The shortest edit script from oldLines to newLines, removals before additions where lines are
// replaced, with `context` unchanged lines around every change. Empty when the two are equal.
std::vector<DiffLine> LineDiff(const std::vector<std::string_view>& oldLines,
                               const std::vector<std::string_view>& newLines,
                               int context = kDiffContextLines);

}  // namespace vdbq
