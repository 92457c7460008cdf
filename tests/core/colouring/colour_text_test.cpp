#include "core/colouring/colour_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace vdbq {
namespace {

// Names (the first and last of the table too), trimmed, in any case, must be the whole text;
// hexadecimal is read in red-green-blue order; then come texts that are neither.
TEST(ColourFromText, NamesAndHexadecimalValues) {
  std::vector<std::optional<Colour>> colours;
  for (const char* text :
       {"NAVY", "  navy  ", "maroon", "black", "White", "NAVYBLUE", "RED X", "#FF8000", "#FF0000",
        "$0000FF", "00ff00", " #123456 ", "ABC", "", "#", "#GG0000", "#1FF0000FF", "$#FF0000"}) {
    colours.push_back(ColourFromText(text));
  }
  const std::nullopt_t none = std::nullopt;
  EXPECT_EQ(colours, (std::vector<std::optional<Colour>>{
                         kNavy, kNavy, 0x000080u, kBlack, kWhite, none, none, 0x0080FFu, kRed,
                         kBlue, kLime, 0x563412u, 0xBC0A00u, none, none, none, none, none}));
  EXPECT_EQ(SwapRedAndBlue(0x12345678u), 0x12785634u);  // keeps green and the top byte
}

}  // namespace
}  // namespace vdbq
