#include <gtest/gtest.h>

#include "core/colouring/color_rule.h"

namespace vdbq {
namespace {

ColourRule KeywordRule(std::vector<std::string> words) {
  ColourRule rule;
  rule.Kind = RuleKind::Keywords;
  rule.Keywords = std::move(words);
  return rule;
}

std::vector<std::string> WordsOf(const CompiledRule& rule) {
  std::vector<std::string> words;
  for (const CompiledKeyword& word : rule.Words) words.push_back(word.Word);
  return words;
}

TEST(KeywordCompilation, WordsAreUpperCasedUnlessCaseIsKept) {
  ColourRule rule = KeywordRule({"Follows"});
  EXPECT_EQ(WordsOf(CompileRule(rule)), (std::vector<std::string>{"FOLLOWS"}));
  rule.KeyCase = true;
  EXPECT_EQ(WordsOf(CompileRule(rule)), (std::vector<std::string>{"Follows"}));
}

TEST(KeywordCompilation, EntriesAreTrimmedAndEmptyWordsSkipped) {
  const CompiledRule rule =
      CompileRule(KeywordRule({"  ", " ERROR ;#FF0000", ";BLUE", " ; ", "X"}));
  EXPECT_EQ(WordsOf(rule), (std::vector<std::string>{"ERROR", "X"}));
  EXPECT_EQ(rule.ColourOfIndex(rule.Words[0].Index), kRed);
}

TEST(KeywordCompilation, ColourAfterTheFirstSemicolonOrTheDefault) {
  ColourRule setup = KeywordRule({"A;Blue", "B", "C;", "D;not a colour", "E;RED;BLUE"});
  setup.DefKeyColor = kGreen;
  const CompiledRule rule = CompileRule(setup);
  std::vector<Colour> colours;
  for (const CompiledKeyword& word : rule.Words) colours.push_back(rule.ColourOfIndex(word.Index));
  EXPECT_EQ(colours, (std::vector<Colour>{kBlue, kGreen, kGreen, kGreen, kGreen}));
}

TEST(KeywordCompilation, ColoursBeyondTheFortiethShareTheFortyFirst) {
  std::vector<std::string> entries;
  for (int i = 1; i <= 45; ++i)
    entries.push_back("W" + std::to_string(i) + ";$" + std::to_string(i));
  const CompiledRule rule = CompileRule(KeywordRule(entries));
  ASSERT_EQ(rule.Words.size(), 45u);
  // The fortieth keeps its own colour; every word from the 41st on is drawn in the 41st colour.
  EXPECT_EQ(rule.ColourOfIndex(rule.Words[39].Index), SwapRedAndBlue(0x40));
  const Colour fortyFirst = SwapRedAndBlue(0x41);
  EXPECT_EQ(rule.ColourOfIndex(rule.Words[40].Index), fortyFirst);
  EXPECT_EQ(rule.ColourOfIndex(rule.Words[44].Index), fortyFirst);
  EXPECT_EQ(rule.ColourOfIndex(rule.Words[0].Index), SwapRedAndBlue(0x1));
}

TEST(KeywordCompilation, RuleIsEmptyWithoutEntriesOfItsOwnKind) {
  ColourRule rule = KeywordRule({";RED", ""});
  EXPECT_TRUE(CompileRule(rule).IsEmpty());
  rule.Kind = RuleKind::BeginLineEnd;
  rule.Keywords = {"WORD"};
  EXPECT_TRUE(CompileRule(rule).IsEmpty());
  rule.LineEndMarkers = {"*"};
  EXPECT_FALSE(CompileRule(rule).IsEmpty());
  rule.Kind = RuleKind::BeginEnd;
  EXPECT_TRUE(CompileRule(rule).IsEmpty());
  rule.Kind = RuleKind::Event;
  EXPECT_FALSE(CompileRule(rule).IsEmpty());
}

TEST(MarkerCompilation, PairsAreSplitAtBlanksAndCutToSixCharacters) {
  ColourRule rule;
  rule.Kind = RuleKind::BeginEnd;
  rule.BeginEndPairs = {" /* */ ", "<<<<<<<<   >>>>>>>>", "LONE", ""};
  const CompiledRule compiled = CompileRule(rule);
  ASSERT_EQ(compiled.Markers.size(), 3u);
  EXPECT_EQ(compiled.Markers[0].Begin, "/*");
  EXPECT_EQ(compiled.Markers[0].End, "*/");
  EXPECT_EQ(compiled.Markers[1].Begin, "<<<<<<");
  EXPECT_EQ(compiled.Markers[1].End, ">>>>>>");
  EXPECT_EQ(compiled.Markers[2].End, "");
}

}  // namespace
}  // namespace vdbq
