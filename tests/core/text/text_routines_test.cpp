#include "core/text/text_routines.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace vdbq {
namespace {

TEST(BaseRules, CopyClampsStartAndCount) {
  EXPECT_EQ(Copy("abcdef", 0, 2), "ab");
  EXPECT_EQ(Copy("abcdef", -5, 3), "abc");
  EXPECT_EQ(Copy("abcdef", 5, 10), "ef");
  EXPECT_EQ(Copy("abcdef", 7, 1), "");
  EXPECT_EQ(Copy("abcdef", 2, 0), "");
  EXPECT_EQ(Copy("abcdef", 2, -1), "");
  EXPECT_EQ(Copy("", 1, 1), "");
  EXPECT_EQ(CopyFrom("abcdef", 4), "def");
}

TEST(BaseRules, FindGivesOneBasedPositionOrZero) {
  EXPECT_EQ(Find("cd", "abcdcd"), 3);
  EXPECT_EQ(Find("x", "abc"), 0);
  EXPECT_EQ(Find("", "abc"), 0);
  EXPECT_EQ(Find("a", ""), 0);
}

TEST(BaseRules, DeleteClampsLikeCopy) {
  EXPECT_EQ(Delete("abcdef", 2, 2), "adef");
  EXPECT_EQ(Delete("abcdef", 0, 1), "bcdef");
  EXPECT_EQ(Delete("abcdef", 5, 99), "abcd");
  EXPECT_EQ(Delete("abcdef", 9, 1), "abcdef");
}

TEST(BaseRules, UpperCaseChangesOnlyAsciiLetters) {
  EXPECT_EQ(UpperCase("ab#z\xe9{"), "AB#Z\xe9{");
}

TEST(TrimBlanks, RemovesTrailingThenLeadingBlanksThenLeadingTabs) {
  EXPECT_EQ(TrimBlanks("  x  "), "x");
  EXPECT_EQ(TrimBlanks("\t x"), " x");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimBlanks("\t\t"), "");
  EXPECT_EQ(TrimBlanks(""), "");
  EXPECT_EQ(TrimBlanks("x\t  "), "x\t");
  EXPECT_EQ(TrimBlanks(" \tx"), "x");
}

TEST(CsvField, CountsCommasWithoutQuotingOrTrimming) {
  EXPECT_EQ(CsvField("a,b,c", 3), "c");
  EXPECT_EQ(CsvField("a,b,", 3), "");
  EXPECT_EQ(CsvField("a,b", 3), "");
  EXPECT_EQ(CsvField("a", 1), "a");
  EXPECT_EQ(CsvField(",x", 1), "");
  EXPECT_EQ(CsvField(",x", 2), "x");
  EXPECT_EQ(CsvField("a,b", 0), "");
  EXPECT_EQ(CsvField("", 1), "");
  EXPECT_EQ(CsvField(" a , b ", 2), " b ");
}

TEST(MarkedField, ReadsNumberedFieldsOfAPackedRecord) {
  EXPECT_EQ(MarkedField("!!<1>!!AB!!<2>!!CD", 1), "AB");
  EXPECT_EQ(MarkedField("!!<1>!!AB!!<2>!!CD", 2), "CD");
  EXPECT_EQ(MarkedField("!!<1>!!AB!!<2>!!", 2), "");
  EXPECT_EQ(MarkedField("!!<1>!!!!<2>!!X", 1), "");
  EXPECT_EQ(MarkedField("!!<9>!!A!!<10>!!B!!<11>!!", 10), "B");
  // A missing start marker gives empty text.
  EXPECT_EQ(MarkedField("!!<1>!!AB!!<2>!!CD", 5), "");
  EXPECT_EQ(MarkedField("plain", 1), "");
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutOverlap) {
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("a.b.c", ".", ".."), "a..b..c");
}

TEST(ReplaceRepeatedly, RepeatsUntilThePatternIsGone) {
  EXPECT_EQ(ReplaceRepeatedly("a  b", " ", ""), "ab");
  EXPECT_EQ(ReplaceRepeatedly("a,,,b", ",,", ","), "a,b");
  EXPECT_EQ(ReplaceRepeatedly("a b  c", " ", ","), "a,b,,c");
  // Ends when the replacement holds the pattern.
  EXPECT_EQ(ReplaceRepeatedly("a b", " ", "  "), "a  b");
}

// Each call takes one CONFIRMED or PRIORITY clause off the end of the line.
TEST(SplitJobOptions, TakesTheClausesOffTheLine) {
  const struct {
    const char* Line;
    int Calls;
    const char* Rest;
    const char* Confirmed;
    const char* Priority;
  } cases[] = {
      {"CPU1#JOB1 CONFIRMED", 1, "CPU1#JOB1", "Y", ""},
      {"CPU1#JOB1 PRIORITY 20", 1, "CPU1#JOB1", "", "20"},
      {"CPU1#JOBCONFIRMED PRIORITY 5", 1, "CPU1#JOBCONFIRMED PRIORITY 5", "", ""},
      // CONFIRMED before PRIORITY drops both.
      {"CPU1#J CONFIRMED PRIORITY 7", 2, "CPU1#J", "Y", ""},
      {"CPU1#J PRIORITY 7 CONFIRMED", 1, "CPU1#J PRIORITY 7", "Y", ""},
      {"CPU1#J PRIORITY 7 CONFIRMED", 2, "CPU1#J", "Y", "7"},
      // A tab separator stays at the end of the cut line.
      {"CPU1#J\tCONFIRMED", 1, "CPU1#J\t", "Y", ""},
      // A keyword at the very start is not a clause.
      {"CONFIRMED", 1, "CONFIRMED", "", ""},
  };
  for (const auto& c : cases) {
    JobOptionState state{c.Line, "", ""};
    for (int k = 0; k < c.Calls; ++k) SplitJobOptions(state);
    EXPECT_EQ(state.CurrentLine, c.Rest) << c.Line;
    EXPECT_EQ(state.ConfirmedRecord, c.Confirmed) << c.Line;
    EXPECT_EQ(state.PriorityRecord, c.Priority) << c.Line;
  }
}

TEST(FindText, AgreesWithThePlainSearchForShortAndLongPatterns) {
  std::mt19937 random(9);
  auto text = [&random](size_t size) {
    std::string t;
    for (size_t n = 0; n < size; ++n) t += "AB"[random() % 4 == 0 ? 1 : 0];
    return t;
  };
  for (int round = 0; round < 300; ++round) {
    const std::string haystack = text(random() % 400);
    std::string pattern = text(1 + random() % 120);
    if (round % 3 == 0 && haystack.size() > 100) pattern = haystack.substr(random() % 50, 70);
    const size_t from = random() % 20;
    EXPECT_EQ(FindText(haystack, pattern, from), haystack.find(pattern, from));
    std::vector<size_t> all, expected;
    ForEachOccurrence(haystack, pattern, [&all](size_t at) { all.push_back(at); });
    for (size_t at = haystack.find(pattern); at != std::string::npos;
         at = haystack.find(pattern, at + 1)) {
      expected.push_back(at);
    }
    EXPECT_EQ(all, expected);
  }
}

}  // namespace
}  // namespace vdbq
