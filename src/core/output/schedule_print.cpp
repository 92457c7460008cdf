#include "core/output/schedule_print.h"

#include <algorithm>
#include <cmath>

namespace vdbq {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kLeftMarginMm = 25;
constexpr double kTopBottomMarginMm = 20;

int ToPixels(double millimetres, double pixelsPerInch) {
  return static_cast<int>(std::lround(millimetres * pixelsPerInch / kMillimetresPerInch));
}

int HeightOf(const PrintDevice& device, PrintFont font) {
  // A font that measures nothing still moves the pen, so every line gets a place of its own.
  return std::max(1, device.HeightOfH[static_cast<std::size_t>(font)]);
}

class PageWriter {
 public:
  PageWriter(const ScheduleHeading& heading, const PrintDevice& device)
      : heading_(heading), device_(device), margins_(MarginsOf(device)) {}

  void Line(const std::string& text) {
    if (pages_.empty() || full_) BeginPage();
    Put(PrintFont::Body, text);
    full_ = y_ > device_.PageHeight - margins_.Bottom;
  }

  std::vector<PrintPage> Take() { return std::move(pages_); }

 private:
  void BeginPage() {
    pages_.emplace_back();
    full_ = false;
    y_ = margins_.Top;
    Put(PrintFont::Workstation, heading_.Workstation);
    Put(PrintFont::Schedule, heading_.Schedule);
    Put(PrintFont::Stamp, heading_.Stamp + "  Page: " + std::to_string(pages_.size()));
    Put(PrintFont::Body, " ");
  }

  void Put(PrintFont font, std::string text) {
    pages_.back().push_back(PrintText{font, margins_.Left, y_, std::move(text)});
    y_ += HeightOf(device_, font);
  }

  const ScheduleHeading& heading_;
  const PrintDevice& device_;
  PrintMargins margins_;
  std::vector<PrintPage> pages_;
  int y_ = 0;
  bool full_ = false;
};

}  // namespace

PrintFontSpec SpecOf(PrintFont font) {
  switch (font) {
    case PrintFont::Workstation:
      return {12, true, true, false};
    case PrintFont::Schedule:
      return {20, true, false, false};
    case PrintFont::Stamp:
      return {10, true, false, true};
    case PrintFont::Body:
      break;
  }
  return {10, false, false, false};
}

PrintMargins MarginsOf(const PrintDevice& device) {
  return PrintMargins{ToPixels(kLeftMarginMm, device.PixelsPerInchX),
                      ToPixels(kTopBottomMarginMm, device.PixelsPerInchY),
                      ToPixels(kTopBottomMarginMm, device.PixelsPerInchY)};
}

std::string PrintStampText(const TimeStamp& stamp) {
  return std::to_string(stamp.StampHour) + ":" + std::to_string(stamp.StampMinute) + ":" +
         std::to_string(stamp.StampSecond) + "  " + std::to_string(stamp.StampDay) + "." +
         std::to_string(stamp.StampMonth) + "." + std::to_string(stamp.StampYear);
}

std::vector<PrintPage> LayOutSchedulePrint(const ScheduleHeading& heading,
                                           const std::vector<std::string>& lines,
                                           const PrintDevice& device) {
  PageWriter writer(heading, device);
  for (const std::string& line : lines) writer.Line(line);
  return writer.Take();
}

}  // namespace vdbq
