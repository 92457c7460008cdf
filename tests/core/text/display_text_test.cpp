#include "core/text/display_text.h"

#include <gtest/gtest.h>

namespace vdbq {
namespace {

// Shortest forms only, no surrogates, nothing past U+10FFFF: anything else is shown as Latin-1.
TEST(IsValidUtf8, AcceptsOnlyWellFormedSequences) {
  const struct {
    const char* Bytes;
    bool Valid;
  } cases[] = {
      {"", true},
      {"PLAIN ASCII", true},
      {"\xC3\xA9", true},               // U+00E9
      {"\xC3", false},                  // cut short
      {"\xC3\x28", false},              // no continuation byte
      {"\xC0\xAF", false},              // overlong two bytes
      {"\xE0\x80\xAF", false},          // overlong three bytes
      {"\xED\x9F\xBF", true},           // U+D7FF
      {"\xED\xA0\x80", false},          // U+D800, a surrogate
      {"\xED\xBF\xBF", false},          // U+DFFF
      {"\xEE\x80\x80", true},           // U+E000
      {"\xF0\x8F\xBF\xBF", false},      // overlong four bytes
      {"\xF0\x90\x80\x80", true},       // U+10000, the first of four bytes
      {"\xF4\x8F\xBF\xBF", true},       // U+10FFFF
      {"\xF4\x90\x80\x80", false},      // past U+10FFFF
      {"\xF8\x88\x80\x80\x80", false},  // five bytes
      {"\xE9t\xE9", false},             // Latin-1
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.Bytes), c.Valid) << c.Bytes;
}

TEST(DisplayText, DecodesLatin1WhenTheBytesAreNoUtf8) {
  EXPECT_EQ(DisplayText("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(DisplayText("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");
}

}  // namespace
}  // namespace vdbq
