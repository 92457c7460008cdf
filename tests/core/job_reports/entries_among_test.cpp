#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/reports/entry_runs.h"

namespace vdbq {
namespace {

// The grouped check answers as the automaton does for every text without a comma, on lists
// with repeated, empty and unterminated entries.
TEST(EntriesAmong, AnswersAsEntryRunsForTextsWithoutCommas) {
  std::mt19937 random(16);
  for (int round = 0; round < 200; ++round) {
    std::string list;
    const int entries = static_cast<int>(random() % 30);
    for (int k = 0; k < entries; ++k) list += "J" + std::to_string(random() % 12) + ",";
    if (random() % 2) list += ",J99";
    std::vector<std::string> texts{"", "J", "J99", "J1,J2"};
    for (int k = 0; k < 12; ++k) texts.push_back("J" + std::to_string(k));
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const std::vector<char> found = EntriesAmong(list, views);
    const EntryRuns runs(list, texts);
    for (size_t k = 0; k < texts.size(); ++k) {
      const bool plain = texts[k].find(',') == std::string::npos;
      EXPECT_EQ(found[k] != 0, plain && runs.Holds(texts[k])) << list << " / " << texts[k];
    }
  }
}

}  // namespace
}  // namespace vdbq
