#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/colouring/colour_text.h"

namespace vdbq {

// How a rule finds the text it colours.
enum class TKeyDrawingType { dtKeyShow, dtEventDraw, dtBeginEnd, dtBeginLineEnd };

// One colouring rule as it is set up: what to look for and how to colour it.
struct TColorRule {
  std::uint8_t ZOrder = 0;  // priority of this rule's spans; higher wins
  std::uint8_t IntChar = 0;
  // Entries "WORD" or "WORD;COLOUR" for dtKeyShow.
  std::vector<std::string> Keywords;
  // Entries "BEGIN END" (the two markers separated by blanks) for dtBeginEnd.
  std::vector<std::string> KeyBegEndLst;
  // Begin markers for dtBeginLineEnd.
  std::vector<std::string> KeyLineEndLst;
  int KeyMaxHeight = 1;  // lines a span may reach back
  TKeyDrawingType KeyDrawingType = TKeyDrawingType::dtBeginEnd;
  bool KeyCase = false;  // false: keywords match in any letter case
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

// A begin marker and, for dtBeginEnd, the end marker of its pair ("" when the entry had none).
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
  TColorRule Rule;
  // "*" + word + "*+" + index for each word, in entry order.
  std::string MatchString;
  std::vector<CompiledKeyword> Words;
  std::vector<Colour> ColourTable;
  // Begin/end pairs (dtBeginEnd) or begin markers (dtBeginLineEnd).
  std::vector<MarkerPair> Markers;

  // True when the rule has no entries for its own kind. An event rule is never empty.
  bool IsEmpty() const;
  // The colour of a word's index; DefKeyColor for an index the table does not hold.
  Colour ColourOfIndex(unsigned char index) const;
};

CompiledRule CompileRule(const TColorRule& rule);
std::vector<CompiledRule> CompileRules(const std::vector<TColorRule>& rules);

}  // namespace vdbq
