#include "core/text/collation_sort.h"

#include <gtest/gtest.h>

#include "core/text/display_text.h"

namespace vdbq {
namespace {

using Lines = std::vector<std::string>;

TEST(SortScratchLines, IgnoresLetterCase) {
  Lines lines{"B#X", "a#y", "A#Z"};
  SortScratchLines(lines);
  EXPECT_EQ(lines, (Lines{"a#y", "A#Z", "B#X"}));
}

TEST(SortScratchLines, KeepsDuplicatesAndTheOrderOfEqualLines) {
  Lines lines{"CPU1#B", "cpu1#b", "CPU1#A", "CPU1#B"};
  SortScratchLines(lines);
  EXPECT_EQ(lines, (Lines{"CPU1#A", "CPU1#B", "cpu1#b", "CPU1#B"}));
}

TEST(SortScratchLines, PunctuationBeforeDigitsBeforeLetters) {
  Lines lines{"A", "1", "_", "b", "#"};
  SortScratchLines(lines);
  EXPECT_EQ(lines[3], "A");
  EXPECT_EQ(lines[4], "b");
  EXPECT_EQ(lines[2], "1");
}

TEST(SortScratchLines, PunctuationIsSignificant) {
  Lines lines{"CPU1#AB", "CPU1#A_C", "CPU1#A-B"};
  SortScratchLines(lines);
  // Without punctuation these would sort as AB, AB, AC.
  EXPECT_NE(lines[0], "CPU1#AB");
}

TEST(SortScratchLines, SortsBytesThatAreNotUtf8) {
  Lines lines{"\xe9t\xe9", "zz", "aa"};
  SortScratchLines(lines);
  EXPECT_EQ(lines.front(), "aa");
  EXPECT_EQ(lines.size(), 3u);
}

TEST(DisplayText, KeepsUtf8AndReadsOtherBytesAsLatin1) {
  EXPECT_EQ(DisplayText("caf\xc3\xa9"), "caf\xc3\xa9");
  EXPECT_EQ(DisplayText("caf\xe9"), "caf\xc3\xa9");
  EXPECT_EQ(DisplayText("\xc3"), "\xc3\x83");
  EXPECT_EQ(DisplayText("\xed\xa0\x80"), "\xc3\xad\xc2\xa0\xc2\x80");
}

}  // namespace
}  // namespace vdbq
