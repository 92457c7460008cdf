#include <gtest/gtest.h>

#include "colouring_fixture.h"

namespace vdbq {
namespace {

TEST(MergeSpans, ByZOrderThenLaterJoiningEqualNeighboursWithinTheRangeAlsoForRules) {
  const struct {
    const char* Why;
    size_t Length;
    TKeyDescrList Spans;
    std::vector<ColourRun> Runs;
  } cases[] = {
      {"later span wins on equal z-order",
       6,
       {{0, 3, kRed, 5, 0}, {2, 5, kBlue, 5, 0}},
       {{0, 1, kRed, 5, 0}, {2, 5, kBlue, 5, 0}}},
      {"higher z-order wins",
       6,
       {{0, 3, kRed, 6, 0}, {2, 5, kBlue, 5, 0}},
       {{0, 3, kRed, 6, 0}, {4, 5, kBlue, 5, 0}}},
      {"equal neighbours join, uncovered text is no run",
       10,
       {{1, 2, kRed, 0, 1}, {3, 4, kRed, 0, 1}, {5, 5, kRed, 0, 0}, {8, 8, kRed, 0, 0}},
       {{1, 4, kRed, 0, 1}, {5, 5, kRed, 0, 0}, {8, 8, kRed, 0, 0}}},
      {"clipped to the range",
       5,
       {{-5, 1, kRed, 0, 0}, {3, 900, kBlue, 0, 0}, {7, 9, kLime, 0, 0}, {2, 1, kAqua, 0, 0}},
       {{0, 1, kRed, 0, 0}, {3, 4, kBlue, 0, 0}}},
      {"empty range", 0, {{0, 1, kRed, 0, 0}}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(MergeSpans(c.Length, c.Spans), c.Runs) << c.Why;
  // Rules: the higher z-order, or else the later rule, wins.
  const std::string text = "* FOLLOWS A#B\r\nFOLLOWS";
  const auto runs = Runs(text, {Keywords({"FOLLOWS"}, kBlue), LineEnd({"*"}, kGreen)});
  EXPECT_EQ(Picture(text, runs, {{kBlue, 'B'}, {kGreen, 'G'}}), "GGGGGGGGGGGGG..BBBBBBB");
  const auto reversed = Runs(text, {LineEnd({"*"}, kGreen), Keywords({"FOLLOWS"}, kBlue)});
  EXPECT_EQ(Picture(text, reversed, {{kBlue, 'B'}, {kGreen, 'G'}}), "GGBBBBBBBGGGG..BBBBBBB");
  // A higher z-order rule wins even when earlier.
  ColourRule keywords = Keywords({"FOLLOWS"}, kBlue);
  keywords.ZOrder = 1;
  const std::string first = "* FOLLOWS";
  EXPECT_EQ(Picture(first, Runs(first, {keywords, LineEnd({"*"})}), {{kBlue, 'B'}, {kGreen, 'G'}}),
            "GGBBBBBBB");
}

TEST(SpecialSpans, TabsAndSelectionAboveRulesButOnlyWithRules) {
  PaintSettings settings;
  settings.Background = kSilver;
  settings.Selection = TextSelection{0, 5};
  const auto runs = Runs("ON\tAT", {Keywords({"ON", "AT"})}, settings);
  EXPECT_EQ(runs, (std::vector<ColourRun>{{0, 1, kWhite, kSelectionZOrder, 0},
                                          {2, 2, kSilver, kTabZOrder, 0},
                                          {3, 4, kWhite, kSelectionZOrder, 0}}));
  // The selection covers keywords and is clipped.
  settings = PaintSettings{};
  settings.SelectionColor = kYellow;
  settings.Selection = TextSelection{3, 100};
  const std::string text = "ON AT x";
  EXPECT_EQ(
      Picture(text, Runs(text, {Keywords({"ON", "AT"})}, settings), {{kNavy, 'N'}, {kYellow, 'Y'}}),
      "NN.YYYY");
  settings.Selection = TextSelection{-2, 3};
  EXPECT_EQ(Picture(text, Runs(text, {Keywords({"ON"})}, settings), {{kNavy, 'N'}, {kYellow, 'Y'}}),
            "YN.....");
  settings.Selection = TextSelection{1, 0};
  EXPECT_EQ(Picture(text, Runs(text, {Keywords({"ON"})}, settings), {{kNavy, 'N'}}), "NN.....");
}

TEST(SpecialSpans, HotSpotMarkersAndTextAboveRulesAndTheTextUnderAnOffset) {
  PaintSettings settings;
  // Begin and end markers, text and marker colours, active, underlined.
  settings.HotSpot = THotSpot{'[', ']', kBlue, kSilver, true, true};
  const std::string text = "[ON] x [] [y";
  const auto runs = Runs(text, {Keywords({"ON"})}, settings);
  EXPECT_EQ(Picture(text, runs, {{kBlue, 'B'}, {kSilver, 'M'}, {kNavy, 'N'}}), "MBBM...MM.M.");
  EXPECT_EQ(runs[1], (ColourRun{1, 2, kBlue, kHotSpotTextZOrder, 0}));
  settings.HotSpot.Active = false;
  EXPECT_EQ(Picture(text, Runs(text, {Keywords({"ON"})}, settings), {{kNavy, 'N'}}),
            ".NN.........");
  // The hot-spot text under an offset.
  THotSpot hotSpot;
  const std::string marked = "see \x1ehelp page\x1f and \x1e";
  EXPECT_EQ(HotSpotTextAt(hotSpot, marked, 5), std::optional<std::string_view>("help page"));
  EXPECT_EQ(HotSpotTextAt(hotSpot, marked, 13), std::optional<std::string_view>("help page"));
  EXPECT_EQ(HotSpotTextAt(hotSpot, marked, 4), std::nullopt);
  EXPECT_EQ(HotSpotTextAt(hotSpot, marked, 14), std::nullopt);
  EXPECT_EQ(HotSpotTextAt(hotSpot, marked, 21), std::nullopt);
  // Nothing is coloured while every rule is empty.
  settings = PaintSettings{};
  settings.Selection = TextSelection{0, 2};
  settings.HotSpot.Active = true;
  EXPECT_TRUE(Runs("a\tb\x1e"
                   "c\x1f",
                   {Keywords({}), LineEnd({" "})}, settings)
                  .empty());
  EXPECT_TRUE(Runs("a\tb", {}, settings).empty());
  EXPECT_FALSE(Runs("a\tb", {LineEnd({"a"})}, settings).empty());
}

TEST(PaintRange, EventSpansAskedForTheBoundedRangeScanStartAndDrawing) {
  ColourRule rule;
  rule.Kind = RuleKind::Event;
  PaintSettings settings;
  settings.FromPos = 120;
  settings.ColorLimMax = 3;
  std::int32_t askedFrom = -1;
  std::int32_t askedSlots = -1;
  settings.OnDraw = [&](std::int32_t from, std::int32_t slots) {
    askedFrom = from;
    askedSlots = slots;
    return TKeyDescrList{{0, 1, kRed, 0, 1}, {kSpanListEnd, 0, kBlue, 0, 0}, {3, 3, kLime, 0, 0}};
  };
  EXPECT_EQ(Runs("abcd", {rule}, settings), (std::vector<ColourRun>{{0, 1, kRed, 0, 1}}));
  EXPECT_EQ(askedFrom, 120);
  EXPECT_EQ(askedSlots, 3);
  // Slots are bounded and zero means none.
  settings = PaintSettings{};
  int calls = 0;
  settings.OnDraw = [&](std::int32_t, std::int32_t slots) {
    ++calls;
    return TKeyDescrList(static_cast<size_t>(slots) + 5, TKeyDescr{0, 0, kRed, 0, 0});
  };
  EXPECT_TRUE(Runs("ab", {rule}, settings).empty());
  EXPECT_EQ(calls, 0);
  settings.ColorLimMax = 1000000;
  std::int32_t seen = 0;
  auto inner = settings.OnDraw;
  settings.OnDraw = [&](std::int32_t from, std::int32_t slots) {
    seen = slots;
    return inner(from, slots);
  };
  EXPECT_EQ(Runs("ab", {rule}, settings).size(), 1u);
  EXPECT_EQ(seen, kMaxEventSpans);
  // The scan starts KeyMaxHeight - 1 lines above the first visible one.
  ColourRule tall = Keywords({"X"});
  tall.KeyMaxHeight = 3;
  EXPECT_EQ(FirstScanLine(10, CompileRules({tall, Keywords({"Y"})})), 8);
  EXPECT_EQ(FirstScanLine(1, CompileRules({tall})), 0);
  tall.KeyMaxHeight = 0;
  EXPECT_EQ(FirstScanLine(10, CompileRules({tall})), 10);
  EXPECT_EQ(FirstScanLine(10, {}), 10);
  // How each run is drawn.
  const ColourRun keyword{0, 1, kRed, 0, 1};
  EXPECT_EQ(
      (std::vector<RunDrawing>{DrawingOf(keyword, true), DrawingOf(keyword, false),
                               DrawingOf({0, 0, kRed, kHotSpotMarkerZOrder, 0}, true),
                               DrawingOf({0, 0, kRed, kHotSpotTextZOrder, 0}, true),
                               DrawingOf({0, 0, kRed, kSelectionZOrder, 0}, true)}),
      (std::vector<RunDrawing>{RunDrawing::Keyword, RunDrawing::Plain, RunDrawing::HotSpotMarker,
                               RunDrawing::HotSpotText, RunDrawing::Plain}));
}

}  // namespace
}  // namespace vdbq
