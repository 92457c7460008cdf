#include "core/text/text_routines.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/text/collation_sort.h"
#include "core/text/display_text.h"

namespace vdbq {
namespace {

using Texts = std::vector<std::string>;

TEST(BaseRules, CopyDeleteFindTrimFieldsReplaceAndJobOptionsAgreeWithTheOriginalRoutines) {
  EXPECT_EQ(
      (Texts{Copy("abcdef", 0, 2), Copy("abcdef", -5, 3), Copy("abcdef", 5, 10),
             Copy("abcdef", 7, 1), Copy("abcdef", 2, 0), Copy("abcdef", 2, -1), Copy("", 1, 1),
             CopyFrom("abcdef", 4), Delete("abcdef", 2, 2), Delete("abcdef", 0, 1),
             Delete("abcdef", 5, 99), Delete("abcdef", 9, 1), UpperCase("ab#z\xe9{")}),
      (Texts{"ab", "abc", "ef", "", "", "", "", "def", "adef", "bcdef", "abcd", "abcdef",
             "AB#Z\xe9{"}));
  EXPECT_EQ((std::vector<long long>{Find("cd", "abcdcd"), Find("x", "abc"), Find("", "abc"),
                                    Find("a", "")}),
            (std::vector<long long>{3, 0, 0, 0}));
  // TrimBlanks takes trailing then leading blanks, then leading tabs.
  EXPECT_EQ((Texts{TrimBlanks("  x  "), TrimBlanks("\t x"), TrimBlanks("   "), TrimBlanks("\t\t"),
                   TrimBlanks(""), TrimBlanks("x\t  "), TrimBlanks(" \tx")}),
            (Texts{"x", " x", "", "", "", "x\t", "x"}));
  // CsvField counts commas without quoting or trimming.
  EXPECT_EQ((Texts{CsvField("a,b,c", 3), CsvField("a,b,", 3), CsvField("a,b", 3), CsvField("a", 1),
                   CsvField(",x", 1), CsvField(",x", 2), CsvField("a,b", 0), CsvField("", 1),
                   CsvField(" a , b ", 2)}),
            (Texts{"c", "", "", "a", "", "x", "", "", " b "}));
  // MarkedField reads numbered fields of a packed record; a missing start marker gives "".
  const std::string record = "!!<1>!!AB!!<2>!!CD";
  EXPECT_EQ(
      (Texts{MarkedField(record, 1), MarkedField(record, 2), MarkedField("!!<1>!!AB!!<2>!!", 2),
             MarkedField("!!<1>!!!!<2>!!X", 1), MarkedField("!!<9>!!A!!<10>!!B!!<11>!!", 10),
             MarkedField(record, 5), MarkedField("plain", 1)}),
      (Texts{"AB", "CD", "", "", "B", "", ""}));
  // ReplaceAll goes left to right without overlap; ReplaceRepeatedly until the pattern is gone, or
  // stops when the replacement holds it.
  EXPECT_EQ((Texts{ReplaceAll("aaa", "aa", "b"), ReplaceAll("abc", "", "x"),
                   ReplaceAll("a.b.c", ".", ".."), ReplaceRepeatedly("a  b", " ", ""),
                   ReplaceRepeatedly("a,,,b", ",,", ","), ReplaceRepeatedly("a b  c", " ", ","),
                   ReplaceRepeatedly("a b", " ", "  ")}),
            (Texts{"ba", "abc", "a..b..c", "ab", "a,b", "a,b,,c", "a  b"}));
  // Each call takes one CONFIRMED or PRIORITY clause off the end of the line.
  const struct {
    const char* Line;
    int Calls;
    const char* After;  // the line left, then the CONFIRMED and PRIORITY records
  } cases[] = {
      {"CPU1#JOB1 CONFIRMED", 1, "CPU1#JOB1|Y|"},
      {"CPU1#JOB1 PRIORITY 20", 1, "CPU1#JOB1||20"},
      {"CPU1#JOBCONFIRMED PRIORITY 5", 1, "CPU1#JOBCONFIRMED PRIORITY 5||"},
      // CONFIRMED before PRIORITY drops both.
      {"CPU1#J CONFIRMED PRIORITY 7", 2, "CPU1#J|Y|"},
      {"CPU1#J PRIORITY 7 CONFIRMED", 1, "CPU1#J PRIORITY 7|Y|"},
      {"CPU1#J PRIORITY 7 CONFIRMED", 2, "CPU1#J|Y|7"},
      // A tab separator stays at the end of the cut line.
      {"CPU1#J\tCONFIRMED", 1, "CPU1#J\t|Y|"},
      // A keyword at the very start is not a clause.
      {"CONFIRMED", 1, "CONFIRMED||"},
  };
  for (const auto& c : cases) {
    JobOptionState state{c.Line, "", ""};
    for (int k = 0; k < c.Calls; ++k) SplitJobOptions(state);
    EXPECT_EQ(state.CurrentLine + "|" + state.ConfirmedRecord + "|" + state.PriorityRecord, c.After)
        << c.Line;
  }
  // FindText agrees with the plain search for short and long patterns.
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
  // FindByteOf looks at eight bytes at once, then at the tail one by one: a byte that differs
  // from the one sought only in its high bit is no match, wherever it stands.
  for (size_t at = 0; at < 20; ++at) {
    std::string line(20, '\xac');
    line[at] = ',';
    EXPECT_EQ(FindByteOf(line, 0, '#', ','), at);
    EXPECT_EQ(FindByteOf(line, at + 1, ',', '#'), std::string::npos);
  }
}

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
