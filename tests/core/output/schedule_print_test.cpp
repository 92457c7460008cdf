#include "core/output/schedule_print.h"

#include <gtest/gtest.h>

namespace vdbq {
namespace {

// 254 pixels per inch: ten pixels to the millimetre, so the margins are 250, 200 and 200.
PrintDevice TenPixelsPerMillimetre(int pageHeight) {
  PrintDevice device;
  device.PixelsPerInchX = 254;
  device.PixelsPerInchY = 254;
  device.PageHeight = pageHeight;
  device.HeightOfH = {30, 50, 20, 20};
  return device;
}

const ScheduleHeading kHeading{"HFFIN01", "GL_POSTING", "9:5:8  7.3.2004"};

std::vector<std::string> Lines(int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) lines.push_back("line " + std::to_string(i));
  return lines;
}

// The body lines of a page, without its heading.
std::vector<std::string> BodyOf(const PrintPage& page) {
  std::vector<std::string> body;
  for (std::size_t i = 4; i < page.size(); ++i) body.push_back(page[i].Text);
  return body;
}

TEST(PrintMargins, AreTwentyFiveAndTwentyMillimetresRoundedStampHasNoLeadingZeros) {
  PrintDevice device;
  device.PixelsPerInchX = 300;
  device.PixelsPerInchY = 600;
  const PrintMargins margins = MarginsOf(device);  // 295.28, 472.44
  EXPECT_EQ((std::vector<int>{margins.Left, margins.Top, margins.Bottom}),
            (std::vector<int>{295, 472, 472}));
  device.PixelsPerInchX = 600;
  EXPECT_EQ(MarginsOf(device).Left, 591);  // 590.55
  // The stamp writes numbers without leading zeros.
  EXPECT_EQ(PrintStampText(TimeStamp{2004, 3, 7, 9, 5, 8}), "9:5:8  7.3.2004");
  EXPECT_EQ(PrintStampText(TimeStamp{2026, 12, 25, 23, 59, 58}), "23:59:58  25.12.2026");
  EXPECT_EQ(PrintStampText(TimeStamp{2026, 1, 1, 0, 0, 0}), "0:0:0  1.1.2026");
}

TEST(SchedulePrint, HeadingLinesStepDownByTheirFontAndPagesBreakBelowTheMargin) {
  const auto pages = LayOutSchedulePrint(kHeading, Lines(2), TenPixelsPerMillimetre(1000));
  ASSERT_EQ(pages.size(), 1u);
  const PrintPage& page = pages[0];
  EXPECT_EQ(page, (PrintPage{{PrintFont::Workstation, 250, 200, "HFFIN01"},
                             {PrintFont::Schedule, 250, 230, "GL_POSTING"},
                             {PrintFont::Stamp, 250, 280, "9:5:8  7.3.2004  Page: 1"},
                             {PrintFont::Body, 250, 300, " "},
                             {PrintFont::Body, 250, 320, "line 1"},
                             {PrintFont::Body, 250, 340, "line 2"}}));
  // Lines start at 320 and the limit is 800: line 25 ends at 820, past it.
  const auto broken = LayOutSchedulePrint(kHeading, Lines(26), TenPixelsPerMillimetre(1000));
  ASSERT_EQ(broken.size(), 2u);
  EXPECT_EQ(BodyOf(broken[0]).size(), 25u);
  EXPECT_EQ(broken[0].back().Y, 800);
  EXPECT_EQ(BodyOf(broken[1]), std::vector<std::string>{"line 26"});
  EXPECT_EQ(broken[1][0].Y, 200);
  EXPECT_EQ(broken[1][2].Text, "9:5:8  7.3.2004  Page: 2");
  EXPECT_EQ(broken[1][4].Y, 320);
  // A last line past the limit starts no page of heading only; no lines print nothing.
  EXPECT_TRUE(LayOutSchedulePrint(kHeading, {}, TenPixelsPerMillimetre(1000)).empty());
  EXPECT_EQ(LayOutSchedulePrint(kHeading, Lines(25), TenPixelsPerMillimetre(1000)).size(), 1u);
  const auto full = LayOutSchedulePrint(kHeading, Lines(50), TenPixelsPerMillimetre(1000));
  ASSERT_EQ(full.size(), 2u);
  EXPECT_EQ(BodyOf(full[1]).size(), 25u);
}

TEST(SchedulePrint, NumbersPagesFromOneAndKeepsEveryLineInOrderOnce) {
  const std::vector<std::string> lines = Lines(260);
  const auto pages = LayOutSchedulePrint(kHeading, lines, TenPixelsPerMillimetre(1000));
  ASSERT_EQ(pages.size(), 11u);
  std::vector<std::string> printed;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    EXPECT_EQ(pages[p][0].Text + "|" + pages[p][1].Text + "|" + pages[p][2].Text,
              "HFFIN01|GL_POSTING|9:5:8  7.3.2004  Page: " + std::to_string(p + 1));
    for (const std::string& line : BodyOf(pages[p])) printed.push_back(line);
  }
  EXPECT_EQ(printed, lines);
  // A page too short for its heading still prints every line once.
  PrintDevice device = TenPixelsPerMillimetre(100);
  device.HeightOfH = {0, 0, 0, 0};
  const auto tinyPages = LayOutSchedulePrint(kHeading, Lines(3), device);
  ASSERT_EQ(tinyPages.size(), 3u);
  for (const PrintPage& page : tinyPages) EXPECT_EQ(BodyOf(page).size(), 1u);
}

}  // namespace
}  // namespace vdbq
