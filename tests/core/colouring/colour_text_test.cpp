#include "core/colouring/colour_text.h"

#include <gtest/gtest.h>

namespace vdbq {
namespace {

TEST(ColourFromText, SixteenNamesTrimmedInAnyCase) {
  EXPECT_EQ(ColourFromText("NAVY"), kNavy);
  EXPECT_EQ(ColourFromText("  navy  "), kNavy);
  EXPECT_EQ(ColourFromText("Fuchsia"), 0xFF00FFu);
  EXPECT_EQ(ColourFromText("maroon"), 0x000080u);
  EXPECT_EQ(ColourFromText("TEAL"), 0x808000u);
  EXPECT_EQ(ColourFromText("olive"), 0x008080u);
  EXPECT_EQ(ColourFromText("Silver"), 0xC0C0C0u);
  EXPECT_EQ(ColourFromText("aqua"), 0xFFFF00u);
  EXPECT_EQ(ColourFromText("lime"), 0x00FF00u);
  EXPECT_EQ(ColourFromText("black"), 0x000000u);
}

TEST(ColourFromText, NameMustBeTheWholeText) {
  EXPECT_EQ(ColourFromText("NAVYBLUE"), std::nullopt);
  EXPECT_EQ(ColourFromText("RED X"), std::nullopt);
}

TEST(ColourFromText, HexadecimalIsReadInRedGreenBlueOrder) {
  EXPECT_EQ(ColourFromText("#FF8000"), 0x0080FFu);  // orange
  EXPECT_EQ(ColourFromText("#FF0000"), kRed);
  EXPECT_EQ(ColourFromText("$0000FF"), kBlue);
  EXPECT_EQ(ColourFromText("00ff00"), kLime);
  EXPECT_EQ(ColourFromText(" #123456 "), 0x563412u);
  EXPECT_EQ(ColourFromText("ABC"), 0xBC0A00u);
}

TEST(ColourFromText, NeitherNameNorNumberGivesNothing) {
  EXPECT_EQ(ColourFromText(""), std::nullopt);
  EXPECT_EQ(ColourFromText("#"), std::nullopt);
  EXPECT_EQ(ColourFromText("#GG0000"), std::nullopt);
  EXPECT_EQ(ColourFromText("#1FF0000FF"), std::nullopt);
  EXPECT_EQ(ColourFromText("$#FF0000"), std::nullopt);
}

TEST(SwapRedAndBlue, KeepsGreenAndTheTopByte) {
  EXPECT_EQ(SwapRedAndBlue(0x12345678u), 0x12785634u);
  EXPECT_EQ(SwapRedAndBlue(SwapRedAndBlue(0xA1B2C3u)), 0xA1B2C3u);
}

}  // namespace
}  // namespace vdbq
