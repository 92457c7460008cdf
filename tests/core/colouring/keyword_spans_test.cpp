#include <gtest/gtest.h>

#include "colouring_fixture.h"

namespace vdbq {
namespace {

std::string Navy(std::string_view text, TColorRule rule) {
  return Picture(text, Runs(text, {rule}), {{kNavy, 'N'}});
}

TEST(KeywordSpans, WholeWordsOnly) {
  const TColorRule rule = Keywords({"ON"});
  EXPECT_EQ(Navy("ON REQUEST", rule), "NN........");
  EXPECT_EQ(Navy("ON1", rule), "NN.");
  EXPECT_EQ(Navy("MONDAY", rule), "......");
  EXPECT_EQ(Navy("ONUNTIL", rule), ".......");
  EXPECT_EQ(Navy("ONUNTIL", Keywords({"ON", "ONUNTIL"})), "NNNNNNN");
}

TEST(KeywordSpans, LettersAndAtBindAWordEverythingElseBoundsIt) {
  const TColorRule rule = Keywords({"ON"});
  EXPECT_EQ(Navy("@ON ON@", rule), ".......");
  EXPECT_EQ(Navy("_ON #ON [ON] `ON{", rule), ".NN..NN..NN...NN.");
  EXPECT_EQ(Navy("1ON2 \xe9ON", rule), ".NN...NN");
  EXPECT_EQ(Navy("aON ONz", rule), ".......");
}

TEST(KeywordSpans, LineBreaksBoundWords) {
  EXPECT_EQ(Navy("x\r\nON\r\nAT", Keywords({"ON", "AT"})), "...NN..NN");
}

TEST(KeywordSpans, CaseIsIgnoredUnlessKept) {
  TColorRule rule = Keywords({"FOLLOWS"});
  EXPECT_EQ(Navy("follows Follows", rule), "NNNNNNN.NNNNNNN");
  rule.KeyCase = true;
  EXPECT_EQ(Navy("follows FOLLOWS", rule), "........NNNNNNN");
  rule.Keywords = {"Step"};
  EXPECT_EQ(Navy("STEP Step", rule), ".....NNNN");
}

TEST(KeywordSpans, PartWordMatchesInsideWords) {
  TColorRule rule = Keywords({"on"});
  rule.PartWord = true;
  EXPECT_EQ(Navy("MONDAY onon", rule), ".NN....NNNN");
}

TEST(KeywordSpans, KeywordWithABlankAndEveryOccurrence) {
  EXPECT_EQ(Navy("IN ORDER, in order", Keywords({"IN ORDER"})), "NNNNNNNN..NNNNNNNN");
}

TEST(KeywordSpans, EachWordInItsOwnColourAndKeywordFlagSet) {
  const std::vector<ColourRun> runs = Runs("ERROR ok", {Keywords({"ERROR;#FF0000", "OK;lime"})});
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], (ColourRun{0, 4, kRed, 0, 1}));
  EXPECT_EQ(runs[1], (ColourRun{6, 7, kLime, 0, 1}));
}

TEST(KeywordSpans, DisabledRuleColoursNothing) {
  TColorRule rule = Keywords({"ON"});
  rule.Enabled = false;
  EXPECT_EQ(Navy("ON", rule), "..");
}

}  // namespace
}  // namespace vdbq
