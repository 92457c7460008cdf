#include <gtest/gtest.h>

#include "colouring_fixture.h"

namespace vdbq {
namespace {

std::string Teal(std::string_view text, const TColorRule& rule) {
  return Picture(text, Runs(text, {rule}), {{kTeal, 'T'}, {kGreen, 'G'}});
}

TEST(BeginEndSpans, FromTheBeginMarkerToTheEndOfItsEndMarker) {
  EXPECT_EQ(Teal("a /* b */ c /* d */", BeginEnd({"/* */"})), "..TTTTTTT...TTTTTTT");
}

TEST(BeginEndSpans, EarliestBeginMarkerWinsAndItsOwnEndClosesIt) {
  EXPECT_EQ(Teal("x (a [b) c] (d)", BeginEnd({"[ ]", "( )"})), "..TTTTTT....TTT");
}

TEST(BeginEndSpans, EndMarkerIsSearchedAfterTheBeginMarker) {
  EXPECT_EQ(Teal("'ab' 'c'", BeginEnd({"' '"})), "TTTT.TTT");
}

TEST(BeginEndSpans, BeginWithoutEndEndsTheScan) {
  EXPECT_EQ(Teal("<a> <b <c>", BeginEnd({"< >"})), "TTT.TTTTTT");
  EXPECT_EQ(Teal("{a <b>", BeginEnd({"{ }", "< >"})), "......");
  EXPECT_EQ(Teal("[x] {a", BeginEnd({"{", "[ ]"})), "TTT...");
}

TEST(BeginEndSpans, SpansReachOverLineBreaks) {
  EXPECT_EQ(Teal("/*a\r\nb*/", BeginEnd({"/* */"})), "TTTTTTTT");
}

TEST(LineEndSpans, FromTheMarkerToTheLastCharacterBeforeTheLineBreak) {
  EXPECT_EQ(Teal("AT 1 * x\r\n* y\r\nz", LineEnd({"*"})), ".....GGG..GGG...");
  EXPECT_EQ(Teal("a * b * c", LineEnd({"*"})), "..GGGGGGG");
  EXPECT_EQ(Teal("x *", LineEnd({"*"})), "..G");
}

TEST(LineEndSpans, EarliestOfSeveralMarkers) {
  EXPECT_EQ(Teal("a -- b # c\r\n# d -- e", LineEnd({"#", "--"})), "..GGGGGGGG..GGGGGGGG");
}

TEST(LineEndSpans, MarkersMatchInTheirOwnCase) {
  EXPECT_EQ(Teal("xa\r\nxA", LineEnd({"A"})), ".....G");
}

}  // namespace
}  // namespace vdbq
