#pragma once

#include <string>

#include "core/reports/result_list.h"

namespace vdbq {

enum class TextColour { Normal, Navy, Maroon };
enum class Ground { List, Pink, LightGreen, LightYellow, LightBlue, Orange, CellGrey };

struct Rgb {
  int Red;
  int Green;
  int Blue;
};

// How one cell of the result list is drawn.
struct CellStyle {
  TextColour Text = TextColour::Normal;
  bool Bold = false;
  Ground Fill = Ground::List;
  // True when a cell rule (rather than the row's style) chose the ground.
  bool CellRule = false;

  bool operator==(const CellStyle&) const = default;
};

// The style of the row as a whole (column 1, and every cell no cell rule colours).
CellStyle RowStyle(const ResultList& results, long long row);
// The style of column k (1 to 9) of a row: the row style, or the ground of the last cell rule
// that matches with the normal font and text colour.
CellStyle CellStyleAt(const ResultList& results, long long row, int column);

Rgb GroundColour(Ground ground);
Rgb TextRgb(TextColour text);
// "list", "pink", "light green", "light yellow", "light blue", "orange", "cell grey".
std::string GroundName(Ground ground);
// "normal", "navy", "maroon".
std::string TextColourName(TextColour text);

}  // namespace vdbq
