#include "core/settings/password_scramble.h"

#include <algorithm>
#include <optional>

namespace vdbq {

namespace {

std::uint16_t NextKey(std::uint16_t key, unsigned char scrambled) {
  return static_cast<std::uint16_t>((static_cast<std::uint32_t>(key) + scrambled) * 40961u +
                                    17353u);
}

// The recurrence is always fed the scrambled character: the output when scrambling, the input
// when unscrambling. That is what makes the two inverse to each other.
std::string Transform(std::string_view text, std::uint16_t startValue, bool scrambling) {
  std::string out(text.substr(0, kMaxScrambleLength));
  std::uint16_t key = startValue;
  for (char& ch : out) {
    const auto in = static_cast<unsigned char>(ch);
    const auto result = static_cast<unsigned char>(in ^ (key >> 8));
    ch = static_cast<char>(result);
    key = NextKey(key, scrambling ? result : in);
  }
  return out;
}

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

bool NeedsEscape(std::string_view scrambled) {
  return scrambled.find('\0') != std::string_view::npos ||
         scrambled.starts_with(kEscapedPasswordPrefix);
}

std::optional<std::string> DecodeEscaped(std::string_view value) {
  if (!value.starts_with(kEscapedPasswordPrefix)) return std::nullopt;
  const std::string_view digits = value.substr(kEscapedPasswordPrefix.size());
  if (digits.size() % 2 != 0 || digits.size() / 2 > kMaxScrambleLength) return std::nullopt;
  std::string bytes;
  bytes.reserve(digits.size() / 2);
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    const int high = HexValue(digits[i]);
    const int low = HexValue(digits[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  return bytes;
}

}  // namespace

std::string Scramble(std::string_view text, std::uint16_t startValue) {
  return Transform(text, startValue, true);
}

std::string Unscramble(std::string_view text, std::uint16_t startValue) {
  return Transform(text, startValue, false);
}

std::string StoredPasswordValue(std::string_view password) {
  const std::string scrambled = Scramble(password, kPasswordStartValue);
  if (!NeedsEscape(scrambled)) return scrambled;
  std::string value(kEscapedPasswordPrefix);
  for (const char ch : scrambled) {
    const auto byte = static_cast<unsigned char>(ch);
    value.push_back(kHexDigits[byte >> 4]);
    value.push_back(kHexDigits[byte & 0x0F]);
  }
  return value;
}

std::string PasswordFromStoredValue(std::string_view value) {
  if (auto decoded = DecodeEscaped(value)) return Unscramble(*decoded, kPasswordStartValue);
  return Unscramble(value, kPasswordStartValue);
}

}  // namespace vdbq
