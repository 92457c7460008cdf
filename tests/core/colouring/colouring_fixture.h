#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/colouring/text_colouring.h"

namespace vdbq {

inline ColourRule Keywords(std::vector<std::string> words, Colour colour = kNavy) {
  ColourRule rule;
  rule.Kind = RuleKind::Keywords;
  rule.Keywords = std::move(words);
  rule.DefKeyColor = colour;
  return rule;
}

inline ColourRule LineEnd(std::vector<std::string> markers, Colour colour = kGreen,
                          std::uint8_t zOrder = 0) {
  ColourRule rule;
  rule.Kind = RuleKind::BeginLineEnd;
  rule.LineEndMarkers = std::move(markers);
  rule.DefKeyColor = colour;
  rule.ZOrder = zOrder;
  return rule;
}

inline ColourRule BeginEnd(std::vector<std::string> pairs, Colour colour = kTeal) {
  ColourRule rule;
  rule.Kind = RuleKind::BeginEnd;
  rule.BeginEndPairs = std::move(pairs);
  rule.DefKeyColor = colour;
  return rule;
}

inline std::vector<ColourRun> Runs(std::string_view text, const std::vector<ColourRule>& rules,
                                   const PaintSettings& settings = {}) {
  return ColourRuns(text, CompileRules(rules), settings);
}

// The text as a picture of its colours: each character becomes the letter given for its
// run's colour, "." outside every run; colours not in the legend show as "?".
inline std::string Picture(std::string_view text, const std::vector<ColourRun>& runs,
                           const std::vector<std::pair<Colour, char>>& legend) {
  std::string picture(text.size(), '.');
  for (const ColourRun& run : runs) {
    char mark = '?';
    for (const auto& [colour, letter] : legend) {
      if (colour == run.Color) mark = letter;
    }
    for (std::int32_t i = run.Start; i <= run.End; ++i) picture[static_cast<size_t>(i)] = mark;
  }
  return picture;
}

}  // namespace vdbq
