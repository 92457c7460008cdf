#include "core/colouring/text_colouring.h"

#include <algorithm>

#include "core/text/text_routines.h"

namespace vdbq {
namespace {

struct Cell {
  Colour Color = kBlack;
  std::uint8_t ZOrder = 0;
  std::uint8_t Keyword = 0;
  bool Covered = false;

  bool SameAs(const Cell& other) const {
    return Covered == other.Covered && Color == other.Color && ZOrder == other.ZOrder &&
           Keyword == other.Keyword;
  }
};

void AppendEventSpans(std::int32_t length, const PaintSettings& settings, TKeyDescrList& spans) {
  const std::int32_t slots = std::min(settings.ColorLimMax, kMaxEventSpans);
  if (!settings.OnDraw || slots <= 0) return;
  const TKeyDescrList drawn = settings.OnDraw(settings.FromPos, slots);
  const size_t count = std::min(drawn.size(), static_cast<size_t>(slots));
  for (size_t i = 0; i < count && drawn[i].Start != kSpanListEnd; ++i) {
    if (drawn[i].Start < length) spans.push_back(drawn[i]);
  }
}

void AppendSelectionSpan(const PaintSettings& settings, TKeyDescrList& spans) {
  if (!settings.Selection || settings.Selection->Length <= 0) return;
  const long long start = settings.Selection->Start;
  const long long end = start + settings.Selection->Length - 1;
  spans.push_back(TKeyDescr{static_cast<std::int32_t>(std::max<long long>(start, 0)),
                            static_cast<std::int32_t>(std::min<long long>(end, kSpanListEnd - 1)),
                            settings.SelectionColor, kSelectionZOrder, 0});
}

}  // namespace

std::vector<ColourRun> MergeSpans(size_t length, const TKeyDescrList& spans) {
  std::vector<Cell> cells(length);
  const long long last = static_cast<long long>(length) - 1;
  for (const TKeyDescr& span : spans) {
    const long long from = std::max<long long>(span.Start, 0);
    const long long to = std::min<long long>(span.End, last);
    for (long long i = from; i <= to; ++i) {
      Cell& cell = cells[static_cast<size_t>(i)];
      if (cell.Covered && cell.ZOrder > span.ZOrder) continue;
      cell = Cell{span.Color, span.ZOrder, span.Keyword, true};
    }
  }
  std::vector<ColourRun> runs;
  for (size_t i = 0; i < length;) {
    size_t j = i + 1;
    while (j < length && cells[j].SameAs(cells[i])) ++j;
    if (cells[i].Covered) {
      runs.push_back(ColourRun{static_cast<std::int32_t>(i), static_cast<std::int32_t>(j - 1),
                               cells[i].Color, cells[i].ZOrder, cells[i].Keyword});
    }
    i = j;
  }
  return runs;
}

bool AllRulesEmpty(const std::vector<CompiledRule>& rules) {
  return std::all_of(rules.begin(), rules.end(),
                     [](const CompiledRule& rule) { return rule.IsEmpty(); });
}

TKeyDescrList CollectSpans(std::string_view text, const std::vector<CompiledRule>& rules,
                           const PaintSettings& settings) {
  TKeyDescrList spans;
  if (settings.HotSpot.Active) AppendHotSpotSpans(settings.HotSpot, text, spans);
  AppendTabSpans(text, settings.Background, spans);
  const std::string upperText = UpperCase(text);
  for (const CompiledRule& rule : rules) {
    if (!rule.Rule.Enabled) continue;
    if (rule.Rule.Kind == RuleKind::Event) {
      AppendEventSpans(static_cast<std::int32_t>(text.size()), settings, spans);
    } else {
      AppendRuleSpans(rule, text, upperText, spans);
    }
  }
  AppendSelectionSpan(settings, spans);
  return spans;
}

std::vector<ColourRun> ColourRuns(std::string_view text, const std::vector<CompiledRule>& rules,
                                  const PaintSettings& settings) {
  if (AllRulesEmpty(rules) || text.size() >= static_cast<size_t>(kSpanListEnd)) return {};
  return MergeSpans(text.size(), CollectSpans(text, rules, settings));
}

long long FirstScanLine(long long firstVisibleLine, const std::vector<CompiledRule>& rules) {
  const long long reach = rules.empty() ? 0 : std::max(rules.front().Rule.KeyMaxHeight, 1) - 1;
  return std::max<long long>(firstVisibleLine - reach, 0);
}

RunDrawing DrawingOf(const ColourRun& run, bool keyDrawerAssigned) {
  if (run.Keyword == 1 && keyDrawerAssigned) return RunDrawing::Keyword;
  if (run.ZOrder == kHotSpotMarkerZOrder) return RunDrawing::HotSpotMarker;
  if (run.ZOrder == kHotSpotTextZOrder) return RunDrawing::HotSpotText;
  return RunDrawing::Plain;
}

}  // namespace vdbq
