#include "core/colouring/colour_text.h"

#include <string>

#include "core/text/text_routines.h"

namespace vdbq {
namespace {

struct NamedColour {
  std::string_view Name;
  Colour Value;
};

constexpr NamedColour kNamedColours[] = {
    {"BLACK", kBlack},   {"MAROON", kMaroon},   {"GREEN", kGreen}, {"OLIVE", kOlive},
    {"NAVY", kNavy},     {"PURPLE", kPurple},   {"TEAL", kTeal},   {"GRAY", kGray},
    {"SILVER", kSilver}, {"RED", kRed},         {"LIME", kLime},   {"YELLOW", kYellow},
    {"BLUE", kBlue},     {"FUCHSIA", kFuchsia}, {"AQUA", kAqua},   {"WHITE", kWhite},
};

constexpr size_t kComparedNameLength = 10;
constexpr size_t kMaxHexDigits = 8;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<Colour> HexColour(std::string_view digits) {
  if (digits.empty() || digits.size() > kMaxHexDigits) return std::nullopt;
  Colour value = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    value = (value << 4) | static_cast<Colour>(digit);
  }
  return SwapRedAndBlue(value);
}

}  // namespace

Colour SwapRedAndBlue(Colour colour) {
  const Colour lowest = colour & 0xFF;
  const Colour third = (colour >> 16) & 0xFF;
  return (colour & 0xFF00FF00u) | (lowest << 16) | third;
}

std::optional<Colour> ColourFromText(std::string_view text) {
  std::string trimmed = TrimBlanks(text);
  const std::string name = UpperCase(trimmed.substr(0, kComparedNameLength));
  for (const NamedColour& named : kNamedColours) {
    if (name == named.Name) return named.Value;
  }
  std::string_view number = trimmed;
  if (StartsWith(number, "#")) number.remove_prefix(1);
  if (StartsWith(number, "$")) number.remove_prefix(1);
  return HexColour(number);
}

}  // namespace vdbq
