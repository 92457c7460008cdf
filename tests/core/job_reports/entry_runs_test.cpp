#include "core/reports/entry_runs.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vdbq {
namespace {

using Texts = std::vector<std::string>;

void ExpectAgreesWithTheListText(const std::string& list, const Texts& texts) {
  const EntryRuns runs(list, texts);
  for (const std::string& text : texts) {
    EXPECT_EQ(runs.Holds(text), ("," + list).find("," + text + ",") != std::string::npos)
        << text << " in " << list;
  }
}

// A text without comma is one of the entries (those followed by a comma); a text with commas
// is a run of consecutive entries.
TEST(EntryRuns, AgreesWithTheListTextOnChosenRandomAndLongLists) {
  const std::pair<std::string, Texts> cases[] = {
      {"A#J1,B#J2,,", {"A#J1", "B#J2", "", "A#J"}},
      {"A,B", {"B", "A"}},
      {"X,A,B,C,Y,B,C,D,",
       {"A,B,C", "B,C", "C,D", "B,C,D", "A,C", "C,Y,B", "D,X", "A,B,C,Y,B,C,D,E", "A,,B", ","}},
      {"A,,B,", {"A,,B", ",B", "A,"}},
  };
  for (const auto& [list, texts] : cases) ExpectAgreesWithTheListText(list, texts);
  // And on random lists.
  std::mt19937 random(3);
  auto part = [&random] { return std::string(random() % 3, "AB"[random() % 2]); };
  for (int round = 0; round < 500; ++round) {
    std::string list;
    for (int k = random() % 12; k > 0; --k) list += part() + ",";
    Texts texts;
    for (int k = 0; k < 10; ++k) {
      std::string text = part();
      for (int more = random() % 4; more > 0; --more) text += "," + part();
      texts.push_back(text);
    }
    ExpectAgreesWithTheListText(list, texts);
  }
  // Found by the robustness tests: J#5 searched the whole list for every job key with a comma.
  std::string list;
  Texts texts;
  for (int k = 0; k < 100000; ++k) {
    list += "A#J" + std::to_string(k) + ",";
    texts.push_back("A#J" + std::to_string(k) + ",A#J" + std::to_string(k % 2 == 0 ? k + 1 : k));
  }
  const EntryRuns runs(list, texts);
  EXPECT_TRUE(runs.Holds(texts[0]));
  EXPECT_FALSE(runs.Holds(texts[1]));
}

}  // namespace
}  // namespace vdbq
