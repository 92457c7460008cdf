#include "core/search/definition_search.h"

#include <gtest/gtest.h>
#include <re2/re2.h>

#include <random>
#include <stop_token>

namespace vdbq {
namespace {

// Lines made of pieces that are definition syntax, words to find in several letter cases, and
// blanks, so that matches meet line ends, headers, comments and blank lines.
std::string RandomText(std::mt19937& random, size_t lines, bool crLf) {
  static const char* const kPieces[] = {
      "SCHEDULE ", "CPU1#S", "END", ":", "* ", "  ", "TAPE", "tape", "Tape", "DW_LOAD", "DW_MERGE",
      "dw_", "a", "aaa", "b", "#", "\"", "x", "CPUNAME ", "RECOVERY ", "\t", "$PARM", "é"};
  std::uniform_int_distribution<size_t> piece(0, std::size(kPieces) - 1);
  std::uniform_int_distribution<int> length(0, 6);
  std::string text;
  for (size_t i = 0; i < lines; ++i) {
    for (int k = length(random); k > 0; --k) text += kPieces[piece(random)];
    text += crLf && i % 3 == 0 ? "\r\n" : "\n";
  }
  return text;
}

// The plain reading: each line on its own, letters folded by hand or the expression matched
// within the line alone.
std::optional<size_t> FirstMatchInLine(std::string_view line, const SearchQuery& query,
                                       const RE2& regex) {
  if (query.Regex) {
    re2::StringPiece match;
    if (!regex.Match(re2::StringPiece(line.data(), line.size()), 0, line.size(), RE2::UNANCHORED,
                     &match, 1)) {
      return std::nullopt;
    }
    return static_cast<size_t>(match.data() - line.data());
  }
  auto fold = [&query](std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
      if (!query.MatchCase && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
  };
  const size_t at = fold(line).find(fold(query.Pattern));
  return at == std::string::npos ? std::nullopt : std::optional<size_t>(at);
}

std::string ObjectOfLine(const SearchSource& source, long long line) {
  for (const ExtractObject& object : source.Objects) {
    if (line >= object.First && line < object.First + object.Count) {
      return std::string(KindName(source.Kind)) + " " + std::string(object.Key);
    }
  }
  return "";
}

std::string Describe(const SearchHit& hit) {
  return std::string(hit.File) + ":" + std::to_string(hit.Line) + ":" +
         std::to_string(hit.Column) + " " +
         (hit.Kind == ObjectKind::None ? "" : KindName(hit.Kind) + (" " + std::string(hit.Key)));
}

struct RandomCase {
  const char* Pattern;
  bool Regex;
  bool MatchCase;
};

class SearchAgainstLineReading : public ::testing::TestWithParam<std::tuple<int, RandomCase>> {};

TEST_P(SearchAgainstLineReading, GivesTheSameHits) {
  const auto [seed, search] = GetParam();
  std::mt19937 random(static_cast<unsigned>(seed));
  ExtractTexts texts;
  // Seed 3 makes the jobs file megabytes long, so that a scan crosses its chunks.
  for (size_t k = 0; k < texts.size(); ++k) {
    texts[k] = RandomText(random, seed == 3 && k == 1 ? 200000 : 300, seed % 2 == 1 && k == 0);
  }
  ExtractStore store;
  LoadExtractTexts(texts, store);
  const SearchCorpus corpus(store, texts[2], texts[5]);
  SearchQuery query{search.Pattern, search.Regex, search.MatchCase, {}, SIZE_MAX};

  RE2::Options options;
  options.set_case_sensitive(query.MatchCase);
  const RE2 regex(query.Pattern, options);
  std::vector<std::string> expected;
  for (const SearchSource& source : corpus.Sources()) {
    for (long long i = 0; i < source.Lines->Count(); ++i) {
      if (const auto at = FirstMatchInLine(source.Lines->At(i), query, regex)) {
        expected.push_back(std::string(source.File) + ":" + std::to_string(i + 1) + ":" +
                           std::to_string(*at + 1) + " " + ObjectOfLine(source, i));
      }
    }
  }
  Progress progress;
  const SearchResult result = SearchDefinitions(corpus, query, progress);
  std::vector<std::string> found;
  for (const SearchHit& hit : result.Hits) found.push_back(Describe(hit));
  EXPECT_EQ(found, expected);
  EXPECT_EQ(result.Total, expected.size());
  EXPECT_FALSE(result.Truncated);

  // A limit keeps the first hits; without counting past it the search ends there.
  query.Limit = 5;
  query.CountAll = false;
  const SearchResult first = SearchDefinitions(corpus, query, progress);
  ASSERT_EQ(first.Hits.size(), std::min<size_t>(5, expected.size()));
  for (size_t k = 0; k < first.Hits.size(); ++k) EXPECT_EQ(Describe(first.Hits[k]), expected[k]);
  EXPECT_EQ(first.Truncated, expected.size() > 5);
}

INSTANTIATE_TEST_SUITE_P(
    Generated, SearchAgainstLineReading,
    ::testing::Combine(::testing::Values(1, 2, 3),
                       ::testing::Values(RandomCase{"tape", false, false},
                                         RandomCase{"Tape", false, true},
                                         RandomCase{"a", false, false},
                                         RandomCase{"END\t", false, true},
                                         RandomCase{"DW_(LOAD|MERGE)", true, false},
                                         RandomCase{"^END$", true, true},
                                         RandomCase{"a\\s*$", true, false},
                                         RandomCase{"^\\s*$", true, true},
                                         RandomCase{"[^a]{3}#", true, false},
                                         RandomCase{"\\bx", true, true},
                                         RandomCase{"é", true, false})));

// Hits at the edges of every kind's definitions, by the catalogue's reading.
class HitObject : public ::testing::TestWithParam<std::tuple<const char*, const char*>> {};

TEST_P(HitObject, IsTheDefinitionHoldingTheLine) {
  const auto [pattern, expected] = GetParam();
  ExtractTexts texts;
  texts[0] =
      "* comment ZQ0\nSCHEDULE CPU1#S1\nON MO ZQ1\n:\nCPU1#J1\nEND\n\n* after ZQ2\n"
      "SCHEDULE nokey ZQ3\nZQ4\nSCHEDULE CPU1#S2\nZQ5\n\nEND\n";
  texts[1] = "$JOBS ZQ6\nCPU1#J1 DOCOMMAND \"ZQ7\"\n     STREAMLOGON ZQ8\n  RECOVERY STOP\nZQ9\n";
  texts[2] = "$PARM ZQA\nP1 \"ZQB\"\nlast ZQC\n";
  texts[3] = "$RESOURCE\nCPU1#R1\t   2 \"ZQD\"\n";
  texts[4] = "$CALENDAR\nHOLIDAYS \"ZQE\"\n  01/01/2026 ZQF\n";
  texts[5] = "$PROMPT\nASK \"ZQG\"\nlast\n";
  texts[6] = "CPUCLASS C1 ZQH\nEND\nCPUNAME CPU1\n  DESCRIPTION \"ZQI\"\nEND\nZQJ\n";
  ExtractStore store;
  LoadExtractTexts(texts, store);
  Progress progress;
  const SearchCorpus corpus(store, texts[2], texts[5]);
  const SearchResult result = SearchDefinitions(corpus, {pattern}, progress);
  ASSERT_EQ(result.Hits.size(), 1U) << pattern;
  EXPECT_EQ(Describe(result.Hits[0]), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, HitObject,
    ::testing::Values(
        std::tuple{"ZQ0", "Schedules.Xtract:1:11 "}, std::tuple{"ZQ1", "Schedules.Xtract:3:7 schedule CPU1#S1"},
        std::tuple{"ZQ2", "Schedules.Xtract:8:9 "}, std::tuple{"ZQ3", "Schedules.Xtract:9:16 "},
        std::tuple{"ZQ4", "Schedules.Xtract:10:1 "},
        std::tuple{"ZQ5", "Schedules.Xtract:12:1 schedule CPU1#S2"},
        std::tuple{"ZQ6", "Jobs.Xtract:1:7 "}, std::tuple{"ZQ7", "Jobs.Xtract:2:20 job CPU1#J1"},
        std::tuple{"ZQ8", "Jobs.Xtract:3:18 job CPU1#J1"}, std::tuple{"ZQ9", "Jobs.Xtract:5:1 "},
        std::tuple{"ZQA", "Parms.Xtract:1:7 "}, std::tuple{"ZQB", "Parms.Xtract:2:5 parameter P1"},
        std::tuple{"ZQC", "Parms.Xtract:3:6 "},
        std::tuple{"ZQD", "Resources.Xtract:2:15 resource CPU1#R1"},
        std::tuple{"ZQE", "Calendars.Xtract:2:11 calendar HOLIDAYS"},
        std::tuple{"ZQF", "Calendars.Xtract:3:14 calendar HOLIDAYS"},
        std::tuple{"ZQG", "Prompts.Xtract:2:6 prompt ASK"}, std::tuple{"ZQH", "Cpus.Xtract:1:13 "},
        std::tuple{"ZQI", "Cpus.Xtract:4:16 workstation CPU1"},
        std::tuple{"ZQJ", "Cpus.Xtract:6:1 "}));

class BadPattern : public ::testing::TestWithParam<std::tuple<const char*, bool>> {};

TEST_P(BadPattern, IsAClearErrorNotACrash) {
  const auto [pattern, regex] = GetParam();
  EXPECT_THROW(TextMatcher(pattern, regex, false), SearchPatternError);
}

INSTANTIATE_TEST_SUITE_P(Malformed, BadPattern,
                         ::testing::Values(std::tuple{"", false}, std::tuple{"(abc", true},
                                           std::tuple{"a**", true}, std::tuple{"[z-a]", true},
                                           std::tuple{"a)(b", true}, std::tuple{"\\", true}));

TEST(SearchDefinitions, CatastrophicPatternsEndAndStopTokenEndsEarly) {
  ExtractTexts texts;
  texts[1] = std::string(1 << 21, 'a') + "\n";
  ExtractStore store;
  LoadExtractTexts(texts, store);
  const SearchCorpus corpus(store, texts[2], texts[5]);
  Progress progress;
  for (const char* pattern : {"(a*)*b", "(a|aa)+$x", "(a+a+)+c"}) {
    EXPECT_EQ(SearchDefinitions(corpus, {pattern, true}, progress).Total, 0U) << pattern;
  }
  std::stop_source stop;
  stop.request_stop();
  const SearchResult stopped = SearchDefinitions(corpus, {"a"}, progress, stop.get_token());
  EXPECT_TRUE(stopped.Stopped);
  EXPECT_TRUE(stopped.Hits.empty());
}

}  // namespace
}  // namespace vdbq
