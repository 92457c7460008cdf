#include <gtest/gtest.h>

#include "core/reports/report_routines.h"
#include "result_table.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::ReportFixture;
using testing::Rows;
using testing::Table;

const char* const kPrompts =
    "$PROMPT\n"
    "AP_OK \"Payments approved?\"\n"
    "TAPE \"Tape loaded?\"\n"
    "SPARE \"Never asked\"\n";

const char* const kSchedules =
    "SCHEDULE CPU1#PAY\n"
    "PROMPT AP_OK\n"
    ":\n"
    " CPU1#J1\n"
    "END\n"
    "SCHEDULE CPU2#BKP\n"
    ":\n"
    " CPU2#J2\n"
    "  PROMPT \"Is the TAPE, ready\"\n"
    "END\n"
    "SCHEDULE CPU1#X\n"
    "PROMPT SPARE2,\n"
    "  \"x AP_OK\"\n"
    "* PROMPT SPARE\n"
    ":\n"
    "END\n";

ReportFixture PromptFixture(const std::string& prompts = kPrompts) {
  return ReportFixture({{"Prompts.Xtract", prompts}, {"Schedules.Xtract", kSchedules}});
}

TEST(PromptUseReport, FindsTheNameAsAnItemOrAfterABlankInAQuotedText) {
  ReportFixture fx = PromptFixture();
  fx.Run("D#1", "AP_OK");
  EXPECT_EQ(Table(fx.Results), (Rows{{"CPU1", "PAY"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 1 Schedules Containg Prompt <AP_OK>... Ready.");
  EXPECT_EQ(fx.Results.ReportNumber, 61);
  EXPECT_EQ(fx.Results.LabRepTit1, "Prompt Report - Option #1");
  EXPECT_EQ(fx.Results.LabRepTit2, "Schedules Using: AP_OK");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 350, 0, 0, 0, 0, 0, 0, 0}));
  fx.Run("D#1", "CPU2#TAPE");
  EXPECT_EQ(Table(fx.Results), (Rows{{"CPU2", "BKP"}}));
  EXPECT_EQ(fx.Audit->AuditTexts(),
            (std::vector<std::string>{"Run Report D#1:AP_OK", "Run Report D#1:TAPE"}));
}

TEST(PromptUseReport, RejectsAWorkstationOnlyOrUnknownName) {
  ReportFixture fx = PromptFixture();
  fx.Run("D#1", "CPU1#");
  EXPECT_EQ(fx.Panel.StatusText, "No Prompt Name Entered!");
  EXPECT_TRUE(fx.Audit->AuditTexts().empty());
  fx.Run("D#1", "SPARE2");
  EXPECT_EQ(fx.Panel.StatusText, "Prompt Name Entered Is Invalid!");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report D#1:SPARE2"});
  EXPECT_EQ(fx.Results.ReportNumber, 0);
}

TEST(PromptUsageCheck, NeedsTheNameAsAWholeItem) {
  ReportFixture fx = PromptFixture();
  fx.Run("D#2", "Q");
  EXPECT_EQ(Table(fx.Results),
            (Rows{{"AP_OK", "Ok."}, {"TAPE", "Not Used."}, {"SPARE", "Not Used."}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 1 used Prompts, and 2 unused Prompts... Ready.");
  EXPECT_EQ(fx.Results.ReportNumber, 62);
  EXPECT_EQ(fx.Results.LabRepTit1, "Prompt Report - Option #2");
  EXPECT_EQ(fx.Results.LabRepTit2, "Check Usage:");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{200, 200, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report D#2:Q"});
}

TEST(PromptReports, DoNothingWithoutPrompts) {
  ReportFixture fx = PromptFixture("$PROMPT\n");
  fx.Run("D#1", "AP_OK");
  fx.Run("D#2");
  EXPECT_EQ(fx.Panel.StatusText, "Ready.");
  EXPECT_TRUE(fx.Audit->AuditTexts().empty());
}

}  // namespace
}  // namespace vdbq
