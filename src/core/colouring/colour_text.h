#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vdbq {

// A colour value as the text control takes it: blue in the third byte, red in the lowest.
using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kMaroon = 0x000080;
inline constexpr Colour kGreen = 0x008000;
inline constexpr Colour kOlive = 0x008080;
inline constexpr Colour kNavy = 0x800000;
inline constexpr Colour kPurple = 0x800080;
inline constexpr Colour kTeal = 0x808000;
inline constexpr Colour kGray = 0x808080;
inline constexpr Colour kSilver = 0xC0C0C0;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kLime = 0x00FF00;
inline constexpr Colour kYellow = 0x00FFFF;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kFuchsia = 0xFF00FF;
inline constexpr Colour kAqua = 0xFFFF00;
inline constexpr Colour kWhite = 0xFFFFFF;
// The ordinary window background.
inline constexpr Colour kWindowColour = kWhite;

// Swaps the lowest and the third byte: red-green-blue order to the control's order and back.
Colour SwapRedAndBlue(Colour colour);

// A colour text: one of the sixteen names (trimmed, any case, at most ten characters
// compared), or a hexadecimal number in red-green-blue order with an optional leading "#" and
// an optional "$" (#FF8000 is orange). Nothing for a text that is neither, or a number wider
// than 32 bits.
std::optional<Colour> ColourFromText(std::string_view text);

}  // namespace vdbq
