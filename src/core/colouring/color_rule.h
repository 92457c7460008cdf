#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/colouring/colour_text.h"

namespace vdbq {

// How a rule finds the text it colours: keywords, spans an event handler gives, spans from a
// begin marker to its end marker, spans from a begin marker to the end of the line.
enum class RuleKind {
  Keywords,     // dtKeyShow
  Event,        // dtEventDraw
  BeginEnd,     // dtBeginEnd
  BeginLineEnd  // dtBeginLineEnd
};

// One colouring rule as it is set up (a TColorRule): what to look for and how to colour it.
struct ColourRule {
  std::uint8_t ZOrder = 0;          // priority of this rule's spans; higher wins
  std::uint8_t InternalMarker = 0;  // IntChar
  // Entries "WORD" or "WORD;COLOUR" of a keyword rule.
  std::vector<std::string> Keywords;
  // Entries "BEGIN END" (the two markers separated by blanks) of a begin/end rule.
  std::vector<std::string> BeginEndPairs;  // KeyBegEndLst
  // Begin markers of a begin/line-end rule.
  std::vector<std::string> LineEndMarkers;  // KeyLineEndLst
  int KeyMaxHeight = 1;                     // lines a span may reach back
  RuleKind Kind = RuleKind::BeginEnd;       // KeyDrawingType
  bool KeyCase = false;                     // false: keywords match in any letter case
  bool Enabled = true;
  bool PartWord = false;  // false: a keyword must stand as a whole word
  Colour DefKeyColor = kRed;
  Colour KeySelColor = kYellow;
  Colour KeyBrushColor = kWindowColour;
};

// A keyword ready for matching: upper-cased unless the rule keeps case, with the one-character
// index of its colour in the rule's colour table (1 for the first entry).
struct CompiledKeyword {
  std::string Word;
  unsigned char Index = 0;
};

// A begin marker and, for a begin/end rule, the end marker of its pair ("" when the entry had
// none).
struct MarkerPair {
  std::string Begin;
  std::string End;
};

// The colour table holds at most this many colours; words whose colour finds no room share
// the index ")" and so the last colour of the table.
inline constexpr size_t kColourTableSize = 41;
inline constexpr unsigned char kOverflowColourIndex = ')';
// Markers are compared on at most this many characters.
inline constexpr size_t kMaxMarkerLength = 6;

struct CompiledRule {
  ColourRule Rule;
  // "*" + word + "*+" + index for each word, in entry order.
  std::string MatchString;
  std::vector<CompiledKeyword> Words;
  std::vector<Colour> ColourTable;
  // Begin/end pairs (BeginEnd) or begin markers (BeginLineEnd).
  std::vector<MarkerPair> Markers;

  // True when the rule has no entries for its own kind. An event rule is never empty.
  bool IsEmpty() const;
  // The colour of a word's index; DefKeyColor for an index the table does not hold.
  Colour ColourOfIndex(unsigned char index) const;
};

CompiledRule CompileRule(const ColourRule& rule);
std::vector<CompiledRule> CompileRules(const std::vector<ColourRule>& rules);

}  // namespace vdbq
