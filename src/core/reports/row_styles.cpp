#include "core/reports/row_styles.h"

#include <initializer_list>
#include <optional>

namespace vdbq {
namespace {

bool Is(int number, std::initializer_list<int> numbers) {
  for (int n : numbers) {
    if (n == number) return true;
  }
  return false;
}

bool IsDetailCaption(const std::string& caption) {
  return !caption.empty() && caption != "Seq." && caption != "<END>";
}

bool IsListedCaption(const std::string& caption) { return !caption.empty() && caption != "Seq."; }

// The ground of the last cell rule that matches, if any does.
std::optional<Ground> CellRuleGround(const ResultList& results, long long i, int k) {
  const int n = results.ReportNumber;
  const ResultRow& row = results.Rows[static_cast<size_t>(i)];
  const std::string& caption = row.Caption;
  const std::string_view column2 = row.Column(2);
  const long long headerLast = results.DetailHeaderLastRow;
  std::optional<Ground> ground;
  auto rule = [&ground](bool matches, Ground g) {
    if (matches) ground = g;
  };
  rule(n == 4 && k == 3 && 2 < i && i < headerLast, Ground::Pink);                      // C1
  rule(n == 4 && k == 4 && 2 < i && i < headerLast, Ground::CellGrey);                  // C2
  rule(n == 4 && k == 3 && i == 1, Ground::LightYellow);                                // C3
  rule(n == 4 && k == 5 && i == 1, Ground::CellGrey);                                   // C4
  rule(n == 4 && (k == 3 || k == 4) && IsDetailCaption(caption), Ground::LightYellow);  // C5
  rule(n == 4 && k >= 5 && IsListedCaption(caption), Ground::CellGrey);                 // C6
  rule(n == 4 && k == 2 && IsListedCaption(caption), Ground::CellGrey);                 // C7
  rule(Is(n, {2, 12, 23, 32, 33, 34}) && k == 2, Ground::CellGrey);                     // C8
  rule(Is(n, {1, 3, 13, 15, 16, 21, 41, 61}) && k == 2, Ground::LightYellow);           // C9
  rule(Is(n, {11, 13, 15, 16, 22, 51}) && k == 2, Ground::LightBlue);                   // C10
  rule(n == 16 && k == 3, Ground::Pink);                                                // C11
  rule(n == 31 && k == 2 && i != 0, Ground::LightYellow);                               // C12
  rule(n == 31 && k == 3 && i != 0, Ground::CellGrey);                                  // C13
  rule(n == 5 && k == 2 && caption != "Seq.", Ground::CellGrey);                        // C14
  rule(n == 5 && k == 3 && IsListedCaption(caption), Ground::LightYellow);              // C15
  rule(n == 5 && k == 3 && caption.size() == 4 && caption != "Seq.", Ground::Orange);   // C16
  rule(n == 5 && k == 4 && caption != "Seq.", Ground::CellGrey);                        // C17
  rule(Is(n, {42, 52, 62}) && k == 2 && column2 == "Not Used.", Ground::Pink);          // C18
  rule(n == 14 && k == 2 && !caption.empty() && i != 0, Ground::LightYellow);           // C19
  rule(n == 14 && k == 3 && !caption.empty() && caption != "Workstation",
       Ground::CellGrey);                    // C20
  rule(n == 2 && k >= 2, Ground::CellGrey);  // C21
  return ground;
}

}  // namespace

CellStyle RowStyle(const ResultList& results, long long i) {
  CellStyle style;
  if (i < 0 || i >= static_cast<long long>(results.Rows.size())) return style;
  const int n = results.ReportNumber;
  const ResultRow& row = results.Rows[static_cast<size_t>(i)];
  const std::string& caption = row.Caption;
  const std::string_view column2 = row.Column(2);
  auto emphasis = [&style](TextColour text, bool bold, Ground ground) {
    style.Text = text;
    style.Bold = bold;
    style.Fill = ground;
  };
  if (n == 4 && i < results.DetailEndRow && column2 == "At/Until") {  // R1
    emphasis(TextColour::Navy, true, Ground::Pink);
  }
  if (n == 4 && i < results.DetailEndRow && IsDetailCaption(caption)) {  // R2
    style.Fill = Ground::LightGreen;
  }
  if (Is(n, {23, 32, 33, 34})) style.Fill = Ground::LightGreen;  // R3
  if (n == 2) style.Fill = Ground::LightYellow;                  // R4
  if (n == 12) style.Fill = Ground::LightBlue;                   // R5
  if (n == 5 && column2 == "Workstation") {                      // R6
    emphasis(TextColour::Navy, true, Ground::Pink);
  }
  if (n == 5 && IsListedCaption(caption)) style.Fill = Ground::LightGreen;  // R7
  if (Is(n, {2, 12}) && column2 == "1") {                                   // R8
    emphasis(TextColour::Maroon, false, Ground::Pink);
  }
  if (Is(n, {14, 31}) && i == 0) emphasis(TextColour::Navy, true, Ground::Pink);  // R9
  if (Is(n, {42, 52, 62}) && column2 == "Not Used.") {                            // R10
    emphasis(TextColour::Maroon, false, Ground::Pink);
  }
  return style;
}

CellStyle CellStyleAt(const ResultList& results, long long i, int k) {
  CellStyle style = RowStyle(results, i);
  if (k < 2 || k > kResultColumns || i < 0 || i >= static_cast<long long>(results.Rows.size())) {
    return style;
  }
  if (auto ground = CellRuleGround(results, i, k)) {
    return CellStyle{TextColour::Normal, false, *ground, true};
  }
  return style;
}

Rgb GroundColour(Ground ground) {
  switch (ground) {
    case Ground::Pink:
      return {255, 192, 192};
    case Ground::LightGreen:
      return {192, 255, 192};
    case Ground::LightYellow:
      return {255, 255, 128};
    case Ground::LightBlue:
      return {192, 192, 255};
    case Ground::Orange:
      return {255, 173, 67};
    case Ground::CellGrey:
      return {210, 210, 209};
    case Ground::List:
      break;
  }
  return {210, 210, 210};
}

Rgb TextRgb(TextColour text) {
  switch (text) {
    case TextColour::Navy:
      return {0, 0, 128};
    case TextColour::Maroon:
      return {128, 0, 0};
    case TextColour::Normal:
      break;
  }
  return {0, 0, 0};
}

std::string GroundName(Ground ground) {
  switch (ground) {
    case Ground::Pink:
      return "pink";
    case Ground::LightGreen:
      return "light green";
    case Ground::LightYellow:
      return "light yellow";
    case Ground::LightBlue:
      return "light blue";
    case Ground::Orange:
      return "orange";
    case Ground::CellGrey:
      return "cell grey";
    case Ground::List:
      break;
  }
  return "list";
}

std::string TextColourName(TextColour text) {
  switch (text) {
    case TextColour::Navy:
      return "navy";
    case TextColour::Maroon:
      return "maroon";
    case TextColour::Normal:
      break;
  }
  return "normal";
}

}  // namespace vdbq
