#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vdbq {

// The start value the program scrambles the FTP password with.
inline constexpr std::uint16_t kPasswordStartValue = 31742;
// Scrambling looks at no more characters than this; the rest of a longer text is dropped.
inline constexpr std::size_t kMaxScrambleLength = 255;

// A symmetric stream routine over single-byte characters. Unscramble(Scramble(t, k), k) == t
// for every t of up to kMaxScrambleLength characters; both return a text of the same length.
std::string Scramble(std::string_view text, std::uint16_t startValue);
std::string Unscramble(std::string_view text, std::uint16_t startValue);

// A scrambled password can hold the character 0, which a stored text value cannot keep. Such a
// text is stored as this prefix followed by two upper-case hex digits per character; every other
// scrambled text is stored as it is, so values written without the prefix read as they always did.
inline constexpr std::string_view kEscapedPasswordPrefix = "~hex:";

// The value stored under "Encrypt" for a password in clear.
std::string StoredPasswordValue(std::string_view password);
// The password in clear from a value stored under "Encrypt" (escaped or not).
std::string PasswordFromStoredValue(std::string_view value);

}  // namespace vdbq
