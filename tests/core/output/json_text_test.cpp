// JSON strings of extract text against nlohmann-json's dump of the display text, which the
// command line's documents used throughout: random bytes, invalid UTF-8 and control bytes among
// them, so that every escape and both decodings meet.
#include "core/output/json_text.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <random>

#include "core/text/display_text.h"

namespace vdbq {
namespace {

class JsonString : public ::testing::TestWithParam<const char*> {};

TEST_P(JsonString, IsWhatTheDumpOfItsDisplayTextIs) {
  std::string text;
  AppendJsonString(text, GetParam());
  EXPECT_EQ(text, nlohmann::json(DisplayText(GetParam())).dump());
}

INSTANTIATE_TEST_SUITE_P(Texts, JsonString,
                         ::testing::Values("", "plain", "a \"b\" c\\d", "\b\f\n\r\t\x01\x1f\x7f",
                                           "caf\xc3\xa9 \xe2\x82\xac", "caf\xe9 \"\x85\"",
                                           "\xc3\xa9\xff", "\xf0\x9f\x98\x80\x19"));

TEST(JsonString, AgreesWithTheDumpOnRandomBytes) {
  std::mt19937 random(27);
  const std::string alphabet = "ab\"\\\b\f\n\r\t\x01\x1f\x7f\xc3\xa9\xe2\x82\xac\xff";
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(random() % 12, ' ');
    for (char& c : bytes) c = alphabet[random() % alphabet.size()];
    std::string text;
    AppendJsonString(text, bytes);
    ASSERT_EQ(text, nlohmann::json(DisplayText(bytes)).dump()) << bytes;
  }
}

}  // namespace
}  // namespace vdbq
