#include "core/settings/password_scramble.h"

#include <gtest/gtest.h>

#include <string>

#include "core/settings/settings_store.h"

namespace vdbq {
namespace {

std::string Bytes(std::initializer_list<unsigned char> values) {
  return std::string(values.begin(), values.end());
}

// Every length from 0 to 50, with characters spread over the whole byte range.
std::string SamplePassword(std::size_t length) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text.push_back(static_cast<char>((i * 97 + 13) % 256));
  return text;
}

TEST(Scramble, MatchesTheKeyedRecurrenceAndIsPositionalAndBounded) {
  EXPECT_EQ(Scramble("A", kPasswordStartValue), ":");
  EXPECT_EQ(Scramble("varnolt", kPasswordStartValue),
            Bytes({0x0d, 0xfe, 0x56, 0x66, 0x23, 0x7c, 0x81}));
  EXPECT_EQ(Scramble("Secret12", kPasswordStartValue),
            Bytes({0x28, 0x1a, 0x00, 0x95, 0x4e, 0xa4, 0xa5, 0x2a}));
  // A differing last character differs only there; no more than 255 characters are looked at.
  const std::string first = Scramble("password1", kPasswordStartValue);
  const std::string second = Scramble("password2", kPasswordStartValue);
  ASSERT_EQ(first.size(), second.size());
  EXPECT_EQ(first.substr(0, 8), second.substr(0, 8));
  EXPECT_NE(first.back(), second.back());
  const std::string longText(300, 'x');
  EXPECT_EQ(Scramble(longText, kPasswordStartValue).size(), kMaxScrambleLength);
  EXPECT_EQ(Unscramble(Scramble(longText, kPasswordStartValue), kPasswordStartValue),
            longText.substr(0, kMaxScrambleLength));
}

// Plain scrambled text when nothing needs escaping; a scrambled zero, and scrambled text that
// looks escaped, are escaped; a malformed escape reads as an old value.
TEST(StoredPassword, EscapesOnlyWhatATextStoreCannotHoldAndEveryPasswordSurvivesIt) {
  EXPECT_EQ(StoredPasswordValue("varnolt"), Scramble("varnolt", kPasswordStartValue));
  EXPECT_EQ(PasswordFromStoredValue(Scramble("varnolt", kPasswordStartValue)), "varnolt");
  EXPECT_EQ(StoredPasswordValue("Secret12"), "~hex:281A00954EA4A52A");
  EXPECT_EQ(PasswordFromStoredValue("~hex:281A00954EA4A52A"), "Secret12");
  const std::string password = Unscramble("~hex:41", kPasswordStartValue);
  const std::string value = StoredPasswordValue(password);
  EXPECT_NE(value, "~hex:41");
  EXPECT_EQ(PasswordFromStoredValue(value), password);
  for (const std::string malformed : {"~hex:4", "~hex:4g", "~hex:4a"}) {
    EXPECT_EQ(PasswordFromStoredValue(malformed), Unscramble(malformed, kPasswordStartValue));
  }
  // Every byte at every position, and every length up to fifty, survives a text store.
  MemorySettingsStore store;
  for (std::size_t position = 0; position < 4; ++position) {
    for (int byte = 0; byte < 256; ++byte) {
      std::string pw = "pw#4";
      pw[position] = static_cast<char>(byte);
      store.Write("Encrypt", StoredPasswordValue(pw));
      ASSERT_EQ(PasswordFromStoredValue(*store.Read("Encrypt")), pw)
          << "byte " << byte << " at " << position;
    }
  }
  for (std::size_t length = 0; length <= 50; ++length) {
    const std::string pw = SamplePassword(length);
    EXPECT_EQ(Unscramble(Scramble(pw, kPasswordStartValue), kPasswordStartValue), pw);
    EXPECT_EQ(Scramble(pw, kPasswordStartValue).size(), length);
    store.Write("Encrypt", StoredPasswordValue(pw));
    EXPECT_EQ(PasswordFromStoredValue(*store.Read("Encrypt")), pw) << "length " << length;
  }
}

}  // namespace
}  // namespace vdbq
