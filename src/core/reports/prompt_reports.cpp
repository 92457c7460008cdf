#include "core/reports/family_reports.h"
#include "core/reports/name_lists.h"
#include "core/reports/report_routines.h"
#include "core/reports/usage_answers.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

std::string PromptNameList(const ExtractStore& store) { return NamesOfRows(store.PromptList); }

// A clause names the prompt as a whole item, or ends a quoted text with it after a blank.
std::vector<std::string> SchedulesUsingPrompt(ReportContext& ctx, const std::string& name) {
  return SchedulesWithItemText(ctx, kPromptClause, " " + name + ",", CommaWrapped(name));
}

}  // namespace

void RunD1(ReportContext& ctx) {
  static constexpr FindReport kReport{
      .ReportNumber = 61,
      .Input = {"D#1", "No Prompt Name Entered!", "Prompt Name Entered Is Invalid!"},
      .Title1 = "Prompt Report - Option #1",
      .Title2 = {"Schedules Using: ", ""},
      .Status = {" Schedules Containg Prompt <", ">... Ready."},
      .SkipEmptyKeys = false,
      .Total = &CatalogueTotals::PromptTotal,
      .Names = PromptNameList,
      .KeysUsing = SchedulesUsingPrompt};
  RunFindReport(ctx, kReport);
}

void RunD2(ReportContext& ctx) {
  static constexpr UsageReport kReport{.ReportNumber = 62,
                                       .Code = "D#2",
                                       .Title1 = "Prompt Report - Option #2",
                                       .Objects = "Prompts",
                                       .Total = &CatalogueTotals::PromptTotal,
                                       .Names = PromptNameList,
                                       .CollectUses = CollectPromptUses};
  RunUsageReport(ctx, kReport);
}

std::string CollectPromptUses(const ExtractStore& store, Progress& progress) {
  std::string prompts;
  const LineList& lines = store.ScheduleLines;
  long long line = 0;
  while (line < store.ScheduleLineCount) {
    progress.Tick();
    if (StartsWith(lines.At(line), "SCHEDULE ")) {
      line = ReadBodyClauses(lines, line + 1, kPromptClause, prompts);
    } else {
      ++line;
    }
  }
  return prompts;
}

}  // namespace vdbq
