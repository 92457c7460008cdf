#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vdbq {

// Sorts lines in the order of the user's locale, ignoring letter case but not punctuation
// (punctuation before digits, digits before letters). Lines that compare equal keep their order.
void SortScratchLines(std::vector<std::string>& lines);

// The order SortScratchLines puts lines in, as indexes into lines: the sorted list is
// lines[order[0]], lines[order[1]], ... Lines that compare equal keep their order.
std::vector<size_t> CollationOrder(std::span<const std::string_view> lines);

// The same with the user's collation through the library alone, for comparison with the
// quicker path CollationOrder takes for plain ASCII lines.
std::vector<size_t> LibraryCollationOrder(std::span<const std::string_view> lines);

}  // namespace vdbq
