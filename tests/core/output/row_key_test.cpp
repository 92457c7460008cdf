#include "core/output/row_key.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "core/output/clipboard_csv.h"
#include "core/output/csv_text.h"
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
}

TEST(RowClick, CopiesTheKeyOrSaysReadyOrLeavesTheStatusAlone) {
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

// Items with blanks, controls, quotes or commas are quoted, characters above 127 are not; empty
// items are nothing unless alone.
TEST(CsvTexts, CommaTextClipboardAndFileQuoteOnlyWhatNeedsIt) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"CPU1", "DAILY", "x-y_z#1"}, "CPU1,DAILY,x-y_z#1"},
      {{"a b"}, "\"a b\""},
      {{"a\tb"}, "\"a\tb\""},
      {{"a\r\nb"}, "\"a\r\nb\""},
      {{"a,b"}, "\"a,b\""},
      {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
      {{std::string(1, '\x01')}, "\"\x01\""},
      {{"caf\xe9"}, "caf\xe9"},
      {{"", "x", ""}, ",x,"},
      {{"", ""}, ","},
      {{""}, "\"\""},
      {{}, ""},
  };
  for (const auto& [items, text] : cases) EXPECT_EQ(CommaText(items), text) << text;
  // The clipboard writes the caption bare, then a comma and the sub-items as CommaText; the CSV
  // file quotes only fields with a comma, a quote or a line break.
  // The rows, then the clipboard's and the file's text.
  const std::tuple<std::vector<ResultRow>, std::string, std::string> tables[] = {
      {{{"Seq.", {"Workstation", "Schedule"}}, {"001>", {"A", "S1"}}, {"", {"", "", "X.Y"}}},
       "Seq.,Workstation,Schedule\r\n001>,A,S1\r\n,,,X.Y\r\n",
       "Seq.,Workstation,Schedule\r\n001>,A,S1\r\n,,,X.Y\r\n"},
      {{{"a, \"b\"", {"c d"}}}, "a, \"b\",\"c d\"\r\n", "\"a, \"\"b\"\"\",c d\r\n"},
      {{{"ONLY", {}}, {"LONE", {""}}}, "ONLY,\r\nLONE,\"\"\r\n", "ONLY\r\nLONE,\r\n"},
      {{{"HOLIDAYS", {"public holidays", "x"}}, {"A,B", {"say \"hi\"", "cr\rhere", "lf\nhere"}}},
       "HOLIDAYS,\"public holidays\",x\r\nA,B,\"say \"\"hi\"\"\",\"cr\rhere\",\"lf\nhere\"\r\n",
       "HOLIDAYS,public holidays,x\r\n\"A,B\",\"say \"\"hi\"\"\",\"cr\rhere\",\"lf\nhere\"\r\n"},
      {{{"", {"", "", "X.Y", ""}}}, ",,,X.Y,\r\n", ",,,X.Y,\r\n"},
      {{{"CAL1", {"two words", "TAB\there"}}},
       "CAL1,\"two words\",\"TAB\there\"\r\n",
       "CAL1,two words,TAB\there\r\n"},
      {{}, "", ""},
  };
  for (const auto& [rows, clipboard, file] : tables) {
    ResultList results;
    results.Rows = rows;
    EXPECT_EQ(ClipboardCsvText(results), clipboard) << file;
    EXPECT_EQ(CsvFileText(results), file) << file;
  }
}

}  // namespace
}  // namespace vdbq
