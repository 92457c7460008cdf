#include <gtest/gtest.h>

#include "core/reports/report_routines.h"
#include "result_table.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::ReportFixture;
using testing::Rows;
using testing::Table;

const char* const kParms =
    "$PARM\n"
    "BINDIR \"/opt/bin\"\n"
    "TMPDIR \"/tmp\"\n"
    "ARCHDIR \"/archive\"\n"
    "LOGDIR  \"/logs\"\n"
    "SPARE \"x\"\n";

const char* const kJobs =
    "CPU2#JOB2 DOCOMMAND \"^bindir^/x ^logdir^^TMPDIR^\"\n"
    "     STREAMLOGON ops\n"
    "     RECOVERY STOP\n"
    "CPU1#JOB1 SCRIPTNAME \"^BINDIR^/run.sh\"\n"
    "     DESCRIPTION \"reads ^ARCHDIR^ on a continuation line\"\n"
    "     RECOVERY STOP\n"
    "CPU1#JOB3 DOCOMMAND \"cp ^ARCHDIR /tmp\"\n"
    "     RECOVERY STOP\n"
    "CPU1#NOBLANK^SPARE^\n";

ReportFixture ParameterFixture(const std::string& parms = kParms) {
  return ReportFixture({{"Parms.Xtract", parms}, {"Jobs.Xtract", kJobs}});
}

TEST(ParameterUseReport, FindsJobsWhoseCommandNamesTheParameterInAnyCase) {
  ReportFixture fx = ParameterFixture();
  fx.Run("P#1", "BINDIR");
  EXPECT_EQ(Table(fx.Results), (Rows{{"CPU1", "JOB1"}, {"CPU2", "JOB2"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 2 Jobs Containing Parameter ^BINDIR^... Ready.");
  EXPECT_EQ(fx.Results.ReportNumber, 51);
  EXPECT_EQ(fx.Results.LabRepTit1, "Parameter Report - Option #1");
  EXPECT_EQ(fx.Results.LabRepTit2, "Jobs Using: ^BINDIR^");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 350, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report P#1:BINDIR"});
}

TEST(ParameterUseReport, ReadsOnlyCommandClausesAndCountsOnlyRowsWithAKey) {
  ReportFixture fx = ParameterFixture();
  fx.Run("P#1", "ARCHDIR");
  EXPECT_TRUE(fx.Results.Rows.empty());
  // The line without a blank is all command and has an empty key: it gives no row.
  fx.Run("P#1", "SPARE");
  EXPECT_TRUE(fx.Results.Rows.empty());
  EXPECT_EQ(fx.Panel.StatusText, "Found 0 Jobs Containing Parameter ^SPARE^... Ready.");
}

TEST(ParameterUseReport, RejectsAWorkstationOnlyOrUnknownName) {
  ReportFixture fx = ParameterFixture();
  fx.Run("P#1", "CPU1#");
  EXPECT_EQ(fx.Panel.StatusText, "No Parameter Name Entered!");
  EXPECT_TRUE(fx.Audit->AuditTexts().empty());
  fx.Run("P#1", "X#BIN");
  EXPECT_EQ(fx.Panel.StatusText, "Parameter Name Entered Is Invalid!");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report P#1:BIN"});
  EXPECT_EQ(fx.Results.ReportNumber, 0);
}

TEST(ParameterUsageCheck, MarksNamesFoundBetweenCaretsExactlyAsWritten) {
  ReportFixture fx = ParameterFixture();
  fx.Run("P#2", "Z");
  // TMPDIR stands right after another parameter; logdir is written in lower case; the lone
  // caret before ARCHDIR finds nothing.
  EXPECT_EQ(Table(fx.Results), (Rows{{"BINDIR", "Ok."},
                                     {"TMPDIR", "Ok."},
                                     {"ARCHDIR", "Not Used."},
                                     {"LOGDIR", "Not Used."},
                                     {"SPARE", "Ok."}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 3 used Parameters, and 2 unused Parameters... Ready.");
  EXPECT_EQ(fx.Results.ReportNumber, 52);
  EXPECT_EQ(fx.Results.LabRepTit1, "Parameter Report - Option #2");
  EXPECT_EQ(fx.Results.LabRepTit2, "Check Usage:");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{200, 200, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report P#2:Z"});
}

TEST(ParameterReports, RunOnAFileWithoutAnyLineButFindNoName) {
  ReportFixture fx = ParameterFixture("");
  fx.Run("P#2");
  EXPECT_EQ(fx.Panel.StatusText, "Found 0 used Parameters, and 0 unused Parameters... Ready.");
  EXPECT_TRUE(fx.Results.Rows.empty());
  fx.Run("P#1", "BINDIR");
  EXPECT_EQ(fx.Panel.StatusText, "Parameter Name Entered Is Invalid!");
}

TEST(ParameterReports, DoNothingWhenTheFileHoldsOnlyItsHeader) {
  ReportFixture fx = ParameterFixture("$PARM\n");
  fx.Run("P#1", "BINDIR");
  fx.Run("P#2");
  EXPECT_EQ(fx.Panel.StatusText, "Ready.");
  EXPECT_TRUE(fx.Audit->AuditTexts().empty());
}

}  // namespace
}  // namespace vdbq
