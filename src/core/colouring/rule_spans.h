#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "core/colouring/color_rule.h"

namespace vdbq {

// One coloured stretch of the painted range: offsets relative to the range start, inclusive.
struct TKeyDescr {
  std::int32_t Start = 0;
  std::int32_t End = 0;
  Colour Color = kBlack;
  std::uint8_t ZOrder = 0;
  std::uint8_t Keyword = 0;  // 1 for a span of a keyword rule
};
using TKeyDescrList = std::vector<TKeyDescr>;

// A span with this start ends a span list handed back by a drawing event.
inline constexpr std::int32_t kSpanListEnd = std::numeric_limits<std::int32_t>::max();

inline constexpr std::uint8_t kTabZOrder = 255;
inline constexpr std::uint8_t kSelectionZOrder = 254;
inline constexpr std::uint8_t kHotSpotMarkerZOrder = 253;
inline constexpr std::uint8_t kHotSpotTextZOrder = 252;

// Text marked for clicking: BeginChar and EndChar enclose a hot spot.
struct THotSpot {
  char BeginChar = 30;
  char EndChar = 31;
  Colour Color = kBlue;
  Colour MarkerColor = kWindowColour;
  bool Active = false;
  bool Underlined = true;
};

// True for the characters that make up a word: "@" to "Z" and "a" to "z". Digits, blanks,
// punctuation, "_" and "#" bound a keyword.
bool IsKeywordLetter(unsigned char c);

// The spans of one Keywords, BeginEnd or BeginLineEnd rule over text (the painted
// range). upperText is text upper-cased, used by keyword rules that ignore case.
void AppendRuleSpans(const CompiledRule& rule, std::string_view text, std::string_view upperText,
                     TKeyDescrList& spans);

// Every BeginChar and EndChar in MarkerColor, the text between a BeginChar and the next
// EndChar in Color.
void AppendHotSpotSpans(const THotSpot& hotSpot, std::string_view text, TKeyDescrList& spans);

// Every TAB in the background colour, so that nothing is drawn for it.
void AppendTabSpans(std::string_view text, Colour background, TKeyDescrList& spans);

// The hot-spot text (without its markers) that encloses offset `at`, or nothing.
std::optional<std::string_view> HotSpotTextAt(const THotSpot& hotSpot, std::string_view text,
                                              size_t at);

}  // namespace vdbq
