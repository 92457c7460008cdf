#include "core/reports/dot_reference_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/reports/path_follows.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

using Ids = std::vector<uint32_t>;
using Match = DotReferenceIndex::Match;

DotReferenceIndex Indexed(Match match, const std::vector<std::string>& texts,
                          const std::vector<std::string>& expected = {}) {
  DotReferenceIndex index(match);
  for (const std::string& name : expected) index.Expect(name);
  for (size_t id = 0; id < texts.size(); ++id) index.Add(static_cast<uint32_t>(id), texts[id]);
  return index;
}

TEST(DotReferenceIndex, ManySchedulesOfOneNameAndMegabyteNamesAreIndexedInOneWalk) {
  // Found by the robustness tests: a chain of schedules that all have one name made every
  // schedule a candidate for every key, and the path report quadratic.
  std::vector<std::string> texts;
  for (int k = 0; k < 1000; ++k) texts.push_back("W" + std::to_string(k) + "#X.@");
  const DotReferenceIndex index = Indexed(Match::kWholeSegment, texts);
  EXPECT_EQ(index.Candidates("W7#X"), (Ids{7}));
  EXPECT_EQ(index.Candidates("X").size(), 1000u);
  // Found by the robustness tests: every tail of a long segment was noted on its own, so a
  // schedule key of two megabytes made the path report run for hours.
  const std::string name = "CPU1#" + std::string(1 << 20, 'A');
  const std::vector<std::string> megabyteTexts{name + ".@", std::string(1 << 20, 'A') + ".@",
                                               std::string(1 << 20, '.')};
  const DotReferenceIndex tails = Indexed(Match::kSegmentTail, megabyteTexts, {name, "A"});
  EXPECT_EQ(tails.Candidates(name), (Ids{0}));
  EXPECT_EQ(tails.Candidates("A"), (Ids{0, 1}));
  const DotReferenceIndex whole = Indexed(Match::kWholeSegment, megabyteTexts);
  EXPECT_EQ(whole.Candidates(name), (Ids{0}));
}

// Every text that holds the name as the index's match defines it must be a candidate.
TEST(DotReferenceIndex, CandidatesIncludeEveryTextThatHoldsTheName) {
  std::mt19937 random(11);
  const std::string alphabet = "AB.#,";
  auto text = [&](size_t most) {
    std::string t;
    for (size_t n = random() % (most + 1); n > 0; --n) t += alphabet[random() % alphabet.size()];
    return t;
  };
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> texts, names;
    for (int k = 0; k < 8; ++k) texts.push_back(text(14));
    for (int k = 0; k < 8; ++k) names.push_back(text(5));
    const DotReferenceIndex whole = Indexed(Match::kWholeSegment, texts);
    const DotReferenceIndex tails = Indexed(Match::kSegmentTail, texts, names);
    for (const std::string& name : names) {
      const Ids& wholeIds = whole.Candidates(name);
      const Ids& tailIds = tails.Candidates(name);
      for (uint32_t id = 0; id < texts.size(); ++id) {
        auto has = [id](const Ids& ids) { return std::ranges::find(ids, id) != ids.end(); };
        if (Refers(texts[id], "", name)) {
          EXPECT_TRUE(has(wholeIds)) << "whole: " << name << " in " << texts[id];
        }
        if (Contains(texts[id], name + ".")) {
          EXPECT_TRUE(has(tailIds)) << "tail: " << name << " in " << texts[id];
        }
      }
    }
  }
}

}  // namespace
}  // namespace vdbq
