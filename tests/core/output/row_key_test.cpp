#include "core/output/row_key.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "support/test_helpers.h"

namespace vdbq {
namespace {

using testing::ListOf;

TEST(RowKey, FollowsTheReportNumberAndTheNumberedRowsAndIsCopiedOnAClick) {
  const std::pair<std::vector<int>, std::optional<std::string>> groups[] = {
      {{1, 3, 11, 13, 14, 15, 16, 21, 22, 31, 41, 51, 61}, "A#B"},  // the first two columns
      {{2, 12}, "C#A"},                     // duplicate lists: the workstation first
      {{23, 32, 33, 34, 42, 52, 62}, "A"},  // name lists: the first column alone
      {{0, 6, 99}, std::nullopt},           // no known report
  };
  for (const auto& [numbers, key] : groups) {
    for (int n : numbers) EXPECT_EQ(RowKey(ListOf(n, {{"A", {"B", "C"}}}), 0), key) << n;
  }
  EXPECT_EQ(RowKey(ListOf(1, {{"CPU1", {}}}), 0), "CPU1#");  // missing columns count as empty
  const ResultList results = ListOf(4, {{"Seq.", {"x", "CPU1", "DAILY"}},
                                        {"", {"x", "CPU1", "DAILY"}},
                                        {"", {"x", "CPU1", "JOB1"}},
                                        {"001", {"x", "CPU1", "JOB2"}},
                                        {"<END>", {"x", "CPU1", "JOB3"}}});
  const std::optional<std::string> keys[] = {std::nullopt, "CPU1#DAILY", std::nullopt, "CPU1#JOB2",
                                             std::nullopt};
  for (long long row = 0; row < 5; ++row) EXPECT_EQ(RowKey(results, row), keys[row]) << row;
  const ResultList seq =
      ListOf(4, {{"", {}}, {"Seq.", {"x", "CPU1", "DAILY"}}, {"Seq.", {"x", "CPU1", "D2"}}});
  EXPECT_EQ(RowKey(seq, 1), "CPU1#DAILY");
  EXPECT_EQ(RowKey(seq, 2), std::nullopt);
  // The path report copies workstation and schedule of numbered rows only.
  const ResultList path = ListOf(5, {{"Seq.", {"Workstation", "Schedule"}},
                                     {"001", {"B", "S0", "", ""}},
                                     {"", {"", "", "X#Y.Z", ""}},
                                     {"002>", {"A", "S1", "", ""}},
                                     {"<END>", {"A", "S2"}}});
  const std::optional<std::string> pathKeys[] = {std::nullopt, "B#S0", std::nullopt, "A#S1",
                                                 std::nullopt};
  for (long long row = 0; row < 5; ++row) EXPECT_EQ(RowKey(path, row), pathKeys[row]) << row;
  // Unlike the detail report, the second row gets no exception.
  EXPECT_EQ(RowKey(ListOf(5, {{"Seq.", {}}, {"", {"A", "S1"}}}), 1), std::nullopt);
}

using Click = std::pair<std::optional<std::string>, std::optional<std::string>>;

// What is copied and the status text said.
Click Clicked(const ResultList& results, long long row) {
  const RowClick click = ClickResultRow(results, row);
  return {click.Copied, click.StatusText};
  // A click copies the key, or says Ready., or leaves the status alone.
  const ResultList daily = ListOf(1, {{"CPU1", {"DAILY"}}});
  EXPECT_EQ(Clicked(daily, 0), Click("CPU1#DAILY", "Copied: CPU1#DAILY To ClipBoard."));
  EXPECT_EQ(Clicked(ListOf(6, daily.Rows), 0), Click(std::nullopt, "Ready."));
  EXPECT_EQ(Clicked(ListOf(4, {{"Seq.", {}}, {"", {}}, {"<END>", {"a"}}}), 2), Click());
  // No row selected, or none there: nothing at all.
  for (long long row : {-1LL, 1LL}) {
    for (int n : {1, 0}) EXPECT_EQ(Clicked(ListOf(n, daily.Rows), row), Click()) << n << row;
  }
  // The status shows the first 100 characters of a longer text; the copy is whole.
  const std::string text(100, 'x');
  EXPECT_EQ(CopiedStatusText(text), "Copied: " + text + " To ClipBoard.");
  EXPECT_EQ(CopiedStatusText(text + "y"), "Copied: " + text + "... To ClipBoard.");
  const std::string workstation(60, 'W');
  EXPECT_EQ(Clicked(ListOf(1, {{workstation, {text}}}), 0),
            Click(workstation + "#" + text,
                  "Copied: " + workstation + "#" + std::string(39, 'x') + "... To ClipBoard."));
}

}  // namespace
}  // namespace vdbq
