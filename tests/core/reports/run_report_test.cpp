#include "core/reports/run_report.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/reports/report_presets.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::ReportFixture;

TEST(ReportTable, FindsReportsByCodeInEitherLetterCaseAndByPosition) {
  EXPECT_EQ(FindReportByCode("s#4")->ReportNumber, 4);
  EXPECT_EQ(FindReportByCode("X#1"), nullptr);
  EXPECT_EQ(FindReport(2, 3)->Code, std::string("W#3"));
  EXPECT_EQ(FindReport(4, 3), nullptr);
}

TEST(RunReport, WithNoOptionTickedOnlyTheStatusChanges) {
  ReportFixture fx({});
  fx.Results.ReportNumber = 3;
  fx.Results.AddRow("keep");
  fx.Panel.LabHint = "old hint";
  EXPECT_EQ(fx.RunAsGo(), RunOutcome::Ran);
  EXPECT_EQ(fx.Panel.StatusText, "Ready.");
  EXPECT_EQ(fx.Results.ReportNumber, 3);
  EXPECT_EQ(fx.Results.Rows.size(), 1u);
  EXPECT_EQ(fx.Panel.LabHint, "Click Row = Workstation#ScheduleName To ClipBoard");
  EXPECT_TRUE(fx.Audit->AuditTexts().empty());
}

TEST(RunReport, DoesNothingWhileExtractsAreMissing) {
  ReportFixture fx({});
  std::filesystem::remove(fx.Dir.Path() / "Cpus.Xtract");
  RefreshCatalogue(fx.Settings.DatabaseDir, fx.Store, fx.Catalogue);
  fx.Panel.StatusText = "before";
  fx.Panel.LabHint = "hint before";
  EXPECT_EQ(fx.Run("S#1"), RunOutcome::NotRun);
  EXPECT_EQ(fx.Panel.StatusText + "|" + fx.Panel.LabHint, "before|hint before");
}

TEST(RunReport, RefusesASecondReportWhileOneRuns) {
  ReportFixture fx({});
  fx.Panel.ReportRunning = true;
  EXPECT_EQ(fx.Run("S#1"), RunOutcome::Busy);
  EXPECT_EQ(fx.Panel.TickedOption(), 0);
  fx.Panel.ReportRunning = false;
  EXPECT_EQ(fx.Run("S#1"), RunOutcome::Ran);
  EXPECT_FALSE(fx.Panel.ReportRunning);
}

TEST(ReportPresets, NodeKindsFollowLevelAndHeadings) {
  const std::tuple<int, const char*, const char*, NodeKind> cases[] = {
      {1, "Workstations", "", NodeKind::Workstation},
      {1, "Resources", "", NodeKind::Resource},
      {2, "CPU9", "Schedules (Invalid)", NodeKind::Schedule},
      {2, "CPU1", "Jobs", NodeKind::Job},
      {1, "Schedules", "", NodeKind::None},
      {0, "", "", NodeKind::None}};
  for (const auto& [level, text, parent, kind] : cases) {
    EXPECT_EQ(KindOfNode(level, text, parent), kind) << text;
  }
}

TEST(ReportPresets, EntriesOfferedByNodeKind) {
  EXPECT_EQ(PresetsForKind(NodeKind::None).size(), 0u);
  const auto schedule = PresetsForKind(NodeKind::Schedule);
  ASSERT_EQ(schedule.size(), 2u);
  EXPECT_EQ(PresetSearchText(schedule[1], "DAILY", "CPU1"), "CPU1#DAILY");
  const auto job = PresetsForKind(NodeKind::Job);
  ASSERT_EQ(job.size(), 2u);
  EXPECT_EQ(PresetSearchText(job[1], "JOB1", "CPU1"), "JOB1");
  EXPECT_EQ(PresetsForKind(NodeKind::Workstation).size(), 2u);
  EXPECT_EQ(FixedPresets().size(), 11u);
  EXPECT_FALSE(PresetSearchText(FixedPresets()[0], "x", "y").has_value());
}

}  // namespace
}  // namespace vdbq
