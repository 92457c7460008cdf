#include "core/output/row_key.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/report_fixture.h"

namespace vdbq {
namespace {

ResultList ListOf(int reportNumber, std::vector<ResultRow> rows) {
  ResultList results;
  results.ReportNumber = reportNumber;
  results.Rows = std::move(rows);
  return results;
}

TEST(RowKey, JoinsFirstTwoColumnsForTheListingReports) {
  for (int number : {1, 3, 11, 13, 14, 15, 16, 21, 22, 31, 41, 51, 61}) {
    const ResultList results = ListOf(number, {{"CPU1", {"DAILY", "x"}}});
    EXPECT_EQ(RowKey(results, 0), "CPU1#DAILY") << number;
  }
}

TEST(RowKey, PutsTheWorkstationColumnFirstForTheDuplicateReports) {
  for (int number : {2, 12}) {
    const ResultList results = ListOf(number, {{"DAILY", {"1", "CPU2"}}});
    EXPECT_EQ(RowKey(results, 0), "CPU2#DAILY") << number;
  }
}

TEST(RowKey, CopiesTheFirstColumnAloneForNameLists) {
  for (int number : {23, 32, 33, 34, 42, 52, 62}) {
    const ResultList results = ListOf(number, {{"HOLIDAYS", {"Not Used."}}});
    EXPECT_EQ(RowKey(results, 0), "HOLIDAYS") << number;
  }
}

TEST(RowKey, TreatsHeadingRowsLikeAnyOther) {
  const ResultList results = ListOf(31, {{"Workstation", {"Schedule", "On", "Except"}}});
  EXPECT_EQ(RowKey(results, 0), "Workstation#Schedule");
}

TEST(RowKey, DetailReportSkipsHeadingEndAndEmptyCaptionsButAlwaysCopiesTheSecondRow) {
  const ResultList results = ListOf(4, {{"Seq.", {"x", "CPU1", "DAILY"}},
                                        {"", {"x", "CPU1", "DAILY"}},
                                        {"", {"x", "CPU1", "JOB1"}},
                                        {"001", {"x", "CPU1", "JOB2"}},
                                        {"<END>", {"x", "CPU1", "JOB3"}}});
  EXPECT_EQ(RowKey(results, 0), std::nullopt);
  EXPECT_EQ(RowKey(results, 1), "CPU1#DAILY");
  EXPECT_EQ(RowKey(results, 2), std::nullopt);
  EXPECT_EQ(RowKey(results, 3), "CPU1#JOB2");
  EXPECT_EQ(RowKey(results, 4), std::nullopt);
}

TEST(RowKey, DetailReportCopiesASecondRowEvenWhenItsCaptionIsSeq) {
  const ResultList results =
      ListOf(4, {{"", {}}, {"Seq.", {"x", "CPU1", "DAILY"}}, {"Seq.", {"x", "CPU1", "D2"}}});
  EXPECT_EQ(RowKey(results, 1), "CPU1#DAILY");
  EXPECT_EQ(RowKey(results, 2), std::nullopt);
}

TEST(RowKey, PathReportCopiesWorkstationAndScheduleOfNumberedRowsOnly) {
  const ResultList results = ListOf(5, {{"Seq.", {"Workstation", "Schedule"}},
                                        {"001", {"B", "S0", "", ""}},
                                        {"", {"", "", "X#Y.Z", ""}},
                                        {"002>", {"A", "S1", "", ""}},
                                        {"<END>", {"A", "S2"}}});
  EXPECT_EQ(RowKey(results, 0), std::nullopt);
  EXPECT_EQ(RowKey(results, 1), "B#S0");
  EXPECT_EQ(RowKey(results, 2), std::nullopt);
  EXPECT_EQ(RowKey(results, 3), "A#S1");
  // Unlike the detail report, the second row gets no exception.
  const ResultList second = ListOf(5, {{"Seq.", {}}, {"", {"A", "S1"}}});
  EXPECT_EQ(RowKey(second, 1), std::nullopt);
  EXPECT_EQ(RowKey(results, 4), std::nullopt);
}

TEST(RowKey, MissingColumnsCountAsEmpty) {
  const ResultList results = ListOf(1, {{"CPU1", {}}});
  EXPECT_EQ(RowKey(results, 0), "CPU1#");
}

TEST(RowClick, CopiesTheKeyAndReportsIt) {
  const ResultList results = ListOf(1, {{"CPU1", {"DAILY"}}});
  const RowClick click = ClickResultRow(results, 0);
  EXPECT_EQ(click.Copied, "CPU1#DAILY");
  EXPECT_EQ(click.StatusText, "Copied: CPU1#DAILY To ClipBoard.");
}

TEST(RowClick, WithNoKnownReportCopiesNothingAndSaysReady) {
  for (int number : {0, 6, 99}) {
    const ResultList results = ListOf(number, {{"CPU1", {"DAILY"}}});
    const RowClick click = ClickResultRow(results, 0);
    EXPECT_EQ(click.Copied, std::nullopt) << number;
    EXPECT_EQ(click.StatusText, "Ready.") << number;
  }
}

TEST(RowClick, OnARowThatCopiesNothingLeavesTheStatusAlone) {
  const ResultList results = ListOf(4, {{"Seq.", {}}, {"", {}}, {"<END>", {"a", "b", "c"}}});
  const RowClick click = ClickResultRow(results, 2);
  EXPECT_EQ(click.Copied, std::nullopt);
  EXPECT_EQ(click.StatusText, std::nullopt);
}

TEST(RowClick, WithNoRowSelectedDoesNothing) {
  const ResultList known = ListOf(1, {{"CPU1", {"DAILY"}}});
  const ResultList unknown = ListOf(0, {});
  for (long long row : {-1LL, 1LL}) {
    EXPECT_EQ(ClickResultRow(known, row).Copied, std::nullopt);
    EXPECT_EQ(ClickResultRow(known, row).StatusText, std::nullopt);
    EXPECT_EQ(ClickResultRow(unknown, row).StatusText, std::nullopt);
  }
}

TEST(CopiedStatusText, ShowsTheFirst100CharactersOfALongerTextAndCopiesItWhole) {
  const std::string workstation(60, 'W');
  const std::string name(50, 'N');
  const ResultList results = ListOf(1, {{workstation, {name}}});
  const RowClick click = ClickResultRow(results, 0);
  EXPECT_EQ(click.Copied, workstation + "#" + name);
  EXPECT_EQ(click.StatusText,
            "Copied: " + workstation + "#" + std::string(39, 'N') + "... To ClipBoard.");
}

TEST(CopiedStatusText, ShowsATextOfExactly100CharactersWhole) {
  const std::string text(100, 'x');
  EXPECT_EQ(CopiedStatusText(text), "Copied: " + text + " To ClipBoard.");
  EXPECT_EQ(CopiedStatusText(text + "y"), "Copied: " + text + "... To ClipBoard.");
}

TEST(RowKey, FollowsTheRowsOfARealPathReport) {
  testing::ReportFixture fx(std::map<std::string, std::string>{
      {"Schedules.Xtract", "SCHEDULE A#S1\nFOLLOWS B#S0.J\n:\nEND\nSCHEDULE B#S0\n:\nEND\n"}});
  fx.Run("S#5", "A#S1");
  ASSERT_EQ(fx.Results.Rows.size(), 5u);
  EXPECT_EQ(RowKey(fx.Results, 0), std::nullopt);
  EXPECT_EQ(RowKey(fx.Results, 1), "B#S0");
  EXPECT_EQ(RowKey(fx.Results, 2), std::nullopt);
  EXPECT_EQ(RowKey(fx.Results, 3), "A#S1");
}

}  // namespace
}  // namespace vdbq
