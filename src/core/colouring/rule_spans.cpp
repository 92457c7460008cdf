#include "core/colouring/rule_spans.h"

namespace vdbq {
namespace {

TKeyDescr Span(size_t start, size_t end, Colour colour, std::uint8_t zOrder, std::uint8_t keyword) {
  return TKeyDescr{static_cast<std::int32_t>(start), static_cast<std::int32_t>(end), colour, zOrder,
                   keyword};
}

bool IsWholeWord(std::string_view text, size_t start, size_t length) {
  const size_t after = start + length;
  const bool boundedBefore =
      start == 0 || !IsKeywordLetter(static_cast<unsigned char>(text[start - 1]));
  const bool boundedAfter =
      after >= text.size() || !IsKeywordLetter(static_cast<unsigned char>(text[after]));
  return boundedBefore && boundedAfter;
}

void AppendKeywordSpans(const CompiledRule& rule, std::string_view text, TKeyDescrList& spans) {
  for (const CompiledKeyword& word : rule.Words) {
    const Colour colour = rule.ColourOfIndex(word.Index);
    for (size_t at = text.find(word.Word); at != std::string_view::npos;
         at = text.find(word.Word, at + 1)) {
      if (rule.Rule.PartWord || IsWholeWord(text, at, word.Word.size())) {
        spans.push_back(Span(at, at + word.Word.size() - 1, colour, rule.Rule.ZOrder, 1));
      }
    }
  }
}

// Finds, over and over, the earliest begin marker at or after the scan position. Each marker
// remembers where it occurs next, so the text is searched once per marker, not once per span.
class EarliestMarker {
 public:
  EarliestMarker(const std::vector<MarkerPair>& markers, std::string_view text)
      : markers_(markers), text_(text), next_(markers.size(), 0), searched_(markers.size()) {}

  // The index of the marker that occurs first at or after `from` (the first listed on a tie),
  // or nothing.
  std::optional<size_t> Find(size_t from, size_t& at) {
    std::optional<size_t> best;
    for (size_t m = 0; m < markers_.size(); ++m) {
      if (!searched_[m] || next_[m] < from) {
        next_[m] = text_.find(markers_[m].Begin, from);
        searched_[m] = true;
      }
      if (next_[m] != std::string_view::npos && (!best || next_[m] < at)) {
        best = m;
        at = next_[m];
      }
    }
    return best;
  }

 private:
  const std::vector<MarkerPair>& markers_;
  std::string_view text_;
  std::vector<size_t> next_;
  std::vector<bool> searched_;
};

void AppendMarkerSpans(const CompiledRule& rule, std::string_view text, bool toLineEnd,
                       TKeyDescrList& spans) {
  EarliestMarker earliest(rule.Markers, text);
  size_t from = 0;
  size_t at = 0;
  while (from < text.size()) {
    const std::optional<size_t> marker = earliest.Find(from, at);
    if (!marker) return;
    const size_t afterBegin = at + rule.Markers[*marker].Begin.size();
    size_t last = 0;
    if (toLineEnd) {
      const size_t lineBreak = text.find_first_of("\r\n", afterBegin);
      last = lineBreak == std::string_view::npos ? text.size() - 1 : lineBreak - 1;
      from = last + 1;
    } else {
      const std::string& endMarker = rule.Markers[*marker].End;
      const size_t end =
          endMarker.empty() ? std::string_view::npos : text.find(endMarker, afterBegin);
      if (end == std::string_view::npos) return;
      last = end + endMarker.size() - 1;
      from = last + 1;
    }
    spans.push_back(Span(at, last, rule.Rule.DefKeyColor, rule.Rule.ZOrder, 0));
  }
}

}  // namespace

bool IsKeywordLetter(unsigned char c) { return (c >= '@' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

void AppendRuleSpans(const CompiledRule& rule, std::string_view text, std::string_view upperText,
                     TKeyDescrList& spans) {
  if (!rule.Rule.Enabled || rule.IsEmpty() || text.empty()) return;
  switch (rule.Rule.Kind) {
    case RuleKind::Keywords:
      AppendKeywordSpans(rule, rule.Rule.KeyCase ? text : upperText, spans);
      break;
    case RuleKind::BeginEnd:
      AppendMarkerSpans(rule, text, false, spans);
      break;
    case RuleKind::BeginLineEnd:
      AppendMarkerSpans(rule, text, true, spans);
      break;
    case RuleKind::Event:
      break;
  }
}

void AppendHotSpotSpans(const THotSpot& hotSpot, std::string_view text, TKeyDescrList& spans) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == hotSpot.BeginChar || text[i] == hotSpot.EndChar) {
      spans.push_back(Span(i, i, hotSpot.MarkerColor, kHotSpotMarkerZOrder, 0));
    }
  }
  for (size_t begin = text.find(hotSpot.BeginChar); begin != std::string_view::npos;) {
    const size_t end = text.find(hotSpot.EndChar, begin + 1);
    if (end == std::string_view::npos) break;
    if (end > begin + 1)
      spans.push_back(Span(begin + 1, end - 1, hotSpot.Color, kHotSpotTextZOrder, 0));
    begin = text.find(hotSpot.BeginChar, end + 1);
  }
}

void AppendTabSpans(std::string_view text, Colour background, TKeyDescrList& spans) {
  for (size_t i = text.find('\t'); i != std::string_view::npos; i = text.find('\t', i + 1)) {
    spans.push_back(Span(i, i, background, kTabZOrder, 0));
  }
}

std::optional<std::string_view> HotSpotTextAt(const THotSpot& hotSpot, std::string_view text,
                                              size_t at) {
  for (size_t begin = text.find(hotSpot.BeginChar);
       begin != std::string_view::npos && begin < at;) {
    const size_t end = text.find(hotSpot.EndChar, begin + 1);
    if (end == std::string_view::npos) break;
    if (at < end) return text.substr(begin + 1, end - begin - 1);
    begin = text.find(hotSpot.BeginChar, end + 1);
  }
  return std::nullopt;
}

}  // namespace vdbq
