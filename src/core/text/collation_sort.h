#pragma once

#include <string>
#include <vector>

namespace vdbq {

// Sorts lines in the order of the user's locale, ignoring letter case but not punctuation
// (punctuation before digits, digits before letters). Lines that compare equal keep their order.
void SortScratchLines(std::vector<std::string>& lines);

}  // namespace vdbq
