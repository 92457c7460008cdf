#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/audit/time_stamp.h"

namespace vdbq {

// The fonts of the schedule print, all Arial. The blank line that closes the heading uses the
// body font.
enum class PrintFont { Workstation, Schedule, Stamp, Body };
inline constexpr int kPrintFontCount = 4;
inline constexpr const char* kPrintFontFamily = "Arial";

struct PrintFontSpec {
  int PointSize;
  bool Bold;
  bool Italic;
  bool Underline;
};

PrintFontSpec SpecOf(PrintFont font);

// The printer as the layout sees it, in printer pixels.
struct PrintDevice {
  double PixelsPerInchX = 0;
  double PixelsPerInchY = 0;
  int PageHeight = 0;
  // The height of the text "H" in each font, indexed by PrintFont.
  std::array<int, kPrintFontCount> HeightOfH{};
};

struct PrintMargins {
  int Left = 0;
  int Top = 0;
  int Bottom = 0;
};

// 25 mm at the left, 20 mm at top and bottom, each rounded to the nearest pixel.
PrintMargins MarginsOf(const PrintDevice& device);

// "h:m:s  d.m.yyyy", each number without leading zeros.
std::string PrintStampText(const TimeStamp& stamp);

// One text to draw: its top left corner in printer pixels.
struct PrintText {
  PrintFont Font;
  int X;
  int Y;
  std::string Text;

  bool operator==(const PrintText&) const = default;
};

using PrintPage = std::vector<PrintText>;

// What heads every page of the schedule print.
struct ScheduleHeading {
  std::string Workstation;  // LabTabSchCpu
  std::string Schedule;     // LabTabSchName
  std::string Stamp;        // PrintStampText of the print's time stamp
};

// The pages of a schedule print: on each the heading (workstation, schedule name, stamp with
// "  Page: " and the page number, a blank line), then the definition lines one below the other
// until a line ends below the bottom margin. A page is begun only for a line still to print,
// so the print never ends on a page that holds nothing but its heading. No lines, no pages.
std::vector<PrintPage> LayOutSchedulePrint(const ScheduleHeading& heading,
                                           const std::vector<std::string>& lines,
                                           const PrintDevice& device);

}  // namespace vdbq
