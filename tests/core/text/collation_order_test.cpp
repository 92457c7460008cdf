#include <gtest/gtest.h>
#include <unicode/locid.h>

#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/text/collation_sort.h"

namespace vdbq {
namespace {

// Lines over a small alphabet, so that many share starts, differ only in letter case or in
// letters that some languages weigh together (ch, ll, aa, y and i).
std::vector<std::string> AsciiLines() {
  const std::string alphabet = "aAbBcChHlLyYiIzZ019#_-. @";
  std::mt19937 random(18);
  std::vector<std::string> lines(4000);
  for (std::string& line : lines) {
    const size_t length = random() % 9;
    for (size_t k = 0; k < length; ++k) line += alphabet[random() % alphabet.size()];
  }
  return lines;
}

TEST(CollationOrder, AgreesWithTheLibraryOnAsciiLinesInEveryLanguage) {
  const std::vector<std::string> lines = AsciiLines();
  const std::vector<std::string_view> views(lines.begin(), lines.end());
  const icu::Locale original = icu::Locale::getDefault();
  for (const char* language : {"", "en_US", "da_DK", "cs_CZ", "lt_LT",
                               "es_ES@collation=traditional", "hr_HR", "cy_GB", "fr_CA"}) {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale(language), status);
    std::vector<size_t> quick;
    std::vector<size_t> library;
    // Each thread sets up its collation for the language in force when it first sorts.
    std::thread([&] {
      quick = CollationOrder(views);
      library = LibraryCollationOrder(views);
    }).join();
    EXPECT_EQ(quick, library) << language;
  }
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale::setDefault(original, status);
}

TEST(CollationOrder, SortsLinesWithOtherBytesThroughTheLibrary) {
  const std::vector<std::string_view> lines{"b", "\xe9t\xe9", "A", "a\x01", "a"};
  EXPECT_EQ(CollationOrder(lines), LibraryCollationOrder(lines));
}

}  // namespace
}  // namespace vdbq
