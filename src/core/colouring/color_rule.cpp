#include "core/colouring/color_rule.h"

#include <algorithm>

#include "core/text/text_routines.h"

namespace vdbq {
namespace {

unsigned char ColourIndex(Colour colour, std::vector<Colour>& table) {
  auto found = std::find(table.begin(), table.end(), colour);
  size_t position = static_cast<size_t>(found - table.begin());
  if (found == table.end() && table.size() < kColourTableSize) table.push_back(colour);
  // Index characters above 40 would collide with the match string's "*" and "+".
  const size_t index = position + 1;
  return index > kColourTableSize - 1 ? kOverflowColourIndex : static_cast<unsigned char>(index);
}

void CompileKeywords(CompiledRule& compiled) {
  const ColourRule& rule = compiled.Rule;
  compiled.MatchString.assign(1, '*');
  for (const std::string& entry : rule.Keywords) {
    const std::string trimmed = TrimBlanks(entry);
    if (trimmed.empty()) continue;
    const size_t semicolon = trimmed.find(';');
    std::string word = TrimBlanks(std::string_view(trimmed).substr(0, semicolon));
    if (word.empty()) continue;
    if (!rule.KeyCase) word = UpperCase(word);
    Colour colour = rule.DefKeyColor;
    if (semicolon != std::string::npos) {
      colour = ColourFromText(std::string_view(trimmed).substr(semicolon + 1))
                   .value_or(rule.DefKeyColor);
    }
    const unsigned char index = ColourIndex(colour, compiled.ColourTable);
    if (!compiled.Words.empty()) compiled.MatchString += '*';
    compiled.MatchString += word;
    compiled.MatchString += "*+";
    compiled.MatchString += static_cast<char>(index);
    compiled.Words.push_back(CompiledKeyword{std::move(word), index});
  }
}

std::string Marker(std::string_view text) { return std::string(text.substr(0, kMaxMarkerLength)); }

void CompileMarkers(CompiledRule& compiled) {
  const ColourRule& rule = compiled.Rule;
  if (rule.Kind == RuleKind::BeginEnd) {
    for (const std::string& entry : rule.BeginEndPairs) {
      const std::string trimmed = TrimBlanks(entry);
      if (trimmed.empty()) continue;
      const size_t gap = trimmed.find_first_of(" \t");
      MarkerPair pair{Marker(std::string_view(trimmed).substr(0, gap)), {}};
      if (gap != std::string::npos) {
        const size_t end = trimmed.find_first_not_of(" \t", gap);
        if (end != std::string::npos) pair.End = Marker(std::string_view(trimmed).substr(end));
      }
      compiled.Markers.push_back(std::move(pair));
    }
  } else if (rule.Kind == RuleKind::BeginLineEnd) {
    for (const std::string& entry : rule.LineEndMarkers) {
      const std::string trimmed = TrimBlanks(entry);
      if (!trimmed.empty()) compiled.Markers.push_back(MarkerPair{Marker(trimmed), {}});
    }
  }
}

}  // namespace

bool CompiledRule::IsEmpty() const {
  switch (Rule.Kind) {
    case RuleKind::Keywords:
      return MatchString.size() < 3;
    case RuleKind::Event:
      return false;
    case RuleKind::BeginEnd:
    case RuleKind::BeginLineEnd:
      return Markers.empty();
  }
  return true;
}

Colour CompiledRule::ColourOfIndex(unsigned char index) const {
  if (index < 1 || index > ColourTable.size()) return Rule.DefKeyColor;
  return ColourTable[index - 1];
}

CompiledRule CompileRule(const ColourRule& rule) {
  CompiledRule compiled;
  compiled.Rule = rule;
  CompileKeywords(compiled);
  CompileMarkers(compiled);
  return compiled;
}

std::vector<CompiledRule> CompileRules(const std::vector<ColourRule>& rules) {
  std::vector<CompiledRule> compiled;
  compiled.reserve(rules.size());
  for (const ColourRule& rule : rules) compiled.push_back(CompileRule(rule));
  return compiled;
}

}  // namespace vdbq
