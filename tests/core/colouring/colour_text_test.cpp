#include "core/colouring/colour_text.h"

#include <gtest/gtest.h>

namespace vdbq {
namespace {

TEST(ColourFromText, NamesAndHexadecimalValues) {
  const struct {
    const char* Text;
    std::optional<Colour> Expected;
  } cases[] = {// Names (the first and last of the table too), trimmed, in any case; the name must
               // be the whole text.
               {"NAVY", kNavy},
               {"  navy  ", kNavy},
               {"maroon", 0x000080u},
               {"black", kBlack},
               {"White", kWhite},
               {"NAVYBLUE", std::nullopt},
               {"RED X", std::nullopt},
               // Hexadecimal is read in red-green-blue order.
               {"#FF8000", 0x0080FFu},
               {"#FF0000", kRed},
               {"$0000FF", kBlue},
               {"00ff00", kLime},
               {" #123456 ", 0x563412u},
               {"ABC", 0xBC0A00u},
               // Neither name nor number.
               {"", std::nullopt},
               {"#", std::nullopt},
               {"#GG0000", std::nullopt},
               {"#1FF0000FF", std::nullopt},
               {"$#FF0000", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(ColourFromText(c.Text), c.Expected) << c.Text;
}

TEST(SwapRedAndBlue, KeepsGreenAndTheTopByte) {
  EXPECT_EQ(SwapRedAndBlue(0x12345678u), 0x12785634u);
}

}  // namespace
}  // namespace vdbq
