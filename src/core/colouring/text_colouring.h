#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/colouring/color_rule.h"
#include "core/colouring/rule_spans.h"

namespace vdbq {

// A stretch of equally coloured characters after the merge: offsets relative to the range
// start, inclusive. Characters outside every run keep the control's font colour.
struct ColourRun {
  std::int32_t Start = 0;
  std::int32_t End = 0;
  Colour Color = kBlack;
  std::uint8_t ZOrder = 0;
  std::uint8_t Keyword = 0;

  bool operator==(const ColourRun&) const = default;
};

// Selected text, offsets relative to the range start.
struct TextSelection {
  std::int32_t Start = 0;
  std::int32_t Length = 0;
};

// Asked by event rules for spans: the offset of the range in the whole text and the
// number of slots; the spans are read up to the slot count or the first kSpanListEnd start.
using DrawEvent = std::function<TKeyDescrList(std::int32_t fromPos, std::int32_t slots)>;

// Event rules get at most this many spans per paint.
inline constexpr std::int32_t kMaxEventSpans = 8000;

// Everything besides the rules that decides the colours of one paint.
struct PaintSettings {
  THotSpot HotSpot;
  Colour Background = kWindowColour;
  std::optional<TextSelection> Selection;
  Colour SelectionColor = kWhite;
  DrawEvent OnDraw;
  std::int32_t FromPos = 0;
  std::int32_t ColorLimMax = 0;  // span slots for OnDraw; 0: event rules draw nothing
};

// Applies the spans in order onto one cell per character of a range of `length` characters;
// a span takes a cell whose z-order is lower than or equal to its own, so on equal z-order the
// later span wins. Equal neighbouring cells form one run. Spans are clipped to the range.
std::vector<ColourRun> MergeSpans(size_t length, const TKeyDescrList& spans);

// The spans of one paint, in merge order: hot-spot spans (when active), TABs, each enabled
// rule in order, the selection.
TKeyDescrList CollectSpans(std::string_view text, const std::vector<CompiledRule>& rules,
                           const PaintSettings& settings);

// The coloured runs of the painted range `text` (its lines joined by CR LF). Nothing is
// coloured while every rule is empty, or for a range too long for 32-bit offsets.
std::vector<ColourRun> ColourRuns(std::string_view text, const std::vector<CompiledRule>& rules,
                                  const PaintSettings& settings);

bool AllRulesEmpty(const std::vector<CompiledRule>& rules);

// The first line to paint from: KeyMaxHeight of the first rule minus 1 lines above the first
// visible line, never before line 0.
long long FirstScanLine(long long firstVisibleLine, const std::vector<CompiledRule>& rules);

// How a run is drawn: keyword runs by the key drawer when one is assigned, hot-spot markers on
// a ground of their own colour, hot-spot text underlined (when set), everything else plain.
enum class RunDrawing { Plain, Keyword, HotSpotMarker, HotSpotText };
RunDrawing DrawingOf(const ColourRun& run, bool keyDrawerAssigned);

}  // namespace vdbq
