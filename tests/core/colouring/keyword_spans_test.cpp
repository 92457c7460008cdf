#include <gtest/gtest.h>

#include <tuple>

#include "colouring_fixture.h"

namespace vdbq {
namespace {

ColourRule With(ColourRule rule, bool keepCase, bool partWord = false, bool enabled = true) {
  rule.KeyCase = keepCase;
  rule.PartWord = partWord;
  rule.Enabled = enabled;
  return rule;
}

// One rule over one text; N marks the keyword colour, T and G the marker colours.
TEST(Spans, OfOneRuleEachWordInItsOwnColour) {
  const ColourRule on = Keywords({"ON"});
  // Why, the rule, the text and its picture.
  const std::tuple<const char*, ColourRule, std::string, std::string> cases[] = {
      {"whole words only", on, "ON REQUEST", "NN........"},
      {"digits bound a word", on, "ON1", "NN."},
      {"no part of a word", on, "MONDAY", "......"},
      {"no prefix of a word", on, "ONUNTIL", "......."},
      {"the longer keyword", Keywords({"ON", "ONUNTIL"}), "ONUNTIL", "NNNNNNN"},
      {"@ binds a word", on, "@ON ON@", "......."},
      {"punctuation bounds", on, "_ON #ON [ON] `ON{", ".NN..NN..NN...NN."},
      {"digits and high bytes bound", on, "1ON2 \xe9ON", ".NN...NN"},
      {"letters bind", on, "aON ONz", "......."},
      {"line breaks bound", Keywords({"ON", "AT"}), "x\r\nON\r\nAT", "...NN..NN"},
      {"case ignored", Keywords({"FOLLOWS"}), "follows Follows", "NNNNNNN.NNNNNNN"},
      {"case kept", With(Keywords({"FOLLOWS"}), true), "follows FOLLOWS", "........NNNNNNN"},
      {"case kept as written", With(Keywords({"Step"}), true), "STEP Step", ".....NNNN"},
      {"part words", With(Keywords({"on"}), false, true), "MONDAY onon", ".NN....NNNN"},
      {"blank inside", Keywords({"IN ORDER"}), "IN ORDER, in order", "NNNNNNNN..NNNNNNNN"},
      {"disabled", With(on, false, false, false), "ON", ".."},
      {"to the end marker", BeginEnd({"/* */"}), "a /* b */ c /* d */", "..TTTTTTT...TTTTTTT"},
      {"earliest begin, own end", BeginEnd({"[ ]", "( )"}), "x (a [b) c] (d)", "..TTTTTT....TTT"},
      {"end searched after the begin", BeginEnd({"' '"}), "'ab' 'c'", "TTTT.TTT"},
      {"begin without end ends the scan", BeginEnd({"< >"}), "<a> <b <c>", "TTT.TTTTTT"},
      {"first begin without end", BeginEnd({"{ }", "< >"}), "{a <b>", "......"},
      {"lone begin marker", BeginEnd({"{", "[ ]"}), "[x] {a", "TTT..."},
      {"over line breaks", BeginEnd({"/* */"}), "/*a\r\nb*/", "TTTTTTTT"},
      {"to the line end", LineEnd({"*"}), "AT 1 * x\r\n* y\r\nz", ".....GGG..GGG..."},
      {"once per line", LineEnd({"*"}), "a * b * c", "..GGGGGGG"},
      {"marker at the end", LineEnd({"*"}), "x *", "..G"},
      {"earliest marker", LineEnd({"#", "--"}), "a -- b # c\r\n# d -- e", "..GGGGGGGG..GGGGGGGG"},
      {"markers in their own case", LineEnd({"A"}), "xa\r\nxA", ".....G"},
  };
  for (const auto& [why, rule, text, picture] : cases) {
    EXPECT_EQ(Picture(text, Runs(text, {rule}), {{kNavy, 'N'}, {kTeal, 'T'}, {kGreen, 'G'}}),
              picture)
        << why;
  }
  // Each word in its own colour, with the keyword flag set.
  const std::vector<ColourRun> runs = Runs("ERROR ok", {Keywords({"ERROR;#FF0000", "OK;lime"})});
  EXPECT_EQ(runs, (std::vector<ColourRun>{{0, 4, kRed, 0, 1}, {6, 7, kLime, 0, 1}}));
}

}  // namespace
}  // namespace vdbq
