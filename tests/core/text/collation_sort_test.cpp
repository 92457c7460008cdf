#include "core/text/collation_sort.h"

#include <gtest/gtest.h>

#include "core/text/display_text.h"

namespace vdbq {
namespace {

using Lines = std::vector<std::string>;

TEST(SortScratchLines, CollatesStablyIgnoringCaseWithPunctuationSignificantForDisplay) {
  const std::pair<Lines, Lines> cases[] = {
      {{"B#X", "a#y", "A#Z"}, {"a#y", "A#Z", "B#X"}},
      // Duplicates stay, equal lines keep their order.
      {{"CPU1#B", "cpu1#b", "CPU1#A", "CPU1#B"}, {"CPU1#A", "CPU1#B", "cpu1#b", "CPU1#B"}},
      // Punctuation before digits before letters.
      {{"A", "1", "_", "b", "#"}, {"_", "#", "1", "A", "b"}},
      // Without punctuation these would sort as AB, AB, AC.
      {{"CPU1#AB", "CPU1#A_C", "CPU1#A-B"}, {"CPU1#A_C", "CPU1#A-B", "CPU1#AB"}},
      {{"\xe9t\xe9", "zz", "aa"}, {"aa", "\xe9t\xe9", "zz"}},
  };
  for (auto [lines, sorted] : cases) {
    SortScratchLines(lines);
    EXPECT_EQ(lines, sorted);
  }
  // Display text keeps UTF-8 and reads other bytes as Latin-1.
  EXPECT_EQ((Lines{DisplayText("caf\xc3\xa9"), DisplayText("caf\xe9"), DisplayText("\xc3"),
                   DisplayText("\xed\xa0\x80")}),
            (Lines{"caf\xc3\xa9", "caf\xc3\xa9", "\xc3\x83", "\xc3\xad\xc2\xa0\xc2\x80"}));
}

}  // namespace
}  // namespace vdbq
