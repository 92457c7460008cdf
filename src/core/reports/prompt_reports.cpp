#include "core/reports/name_lists.h"
#include "core/reports/report_routines.h"
#include "core/reports/schedule_header_lines.h"
#include "core/reports/usage_answers.h"
#include "core/reports/usage_reports.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

std::string PromptNameList(const ExtractStore& store) {
  std::string list;
  for (const NameValue& row : store.PromptList) {
    if (row.Name.empty()) continue;
    list += TrimBlanks(row.Name);
    list += ',';
  }
  return list;
}

}  // namespace

void RunD1(ReportContext& ctx) {
  const ExtractStore& store = ctx.Store;
  const FindInput input{ctx.Catalogue.Totals.PromptTotal, "D#1", "No Prompt Name Entered!",
                        "Prompt Name Entered Is Invalid!"};
  const std::optional<std::string> name =
      AcceptFindName(ctx, input, [&store] { return PromptNameList(store); });
  if (!name) return;
  BeginReportAfterAudit(ctx, ReportFrame{61, "D#1", "Prompt Report - Option #1",
                                         "Schedules Using: " + *name, kFindWidths});

  // A clause names the prompt as a whole item, or ends a quoted text with it after a blank.
  const std::string afterBlank = " " + *name + ",";
  const std::string wholeItem = CommaWrapped(*name);
  const LineList& lines = store.ScheduleLines;
  const std::vector<long long> headers = ScheduleHeaderLines(store, ctx.Progress);
  // Each text is read as it stands between commas in the list of the schedule's items.
  const std::vector<bool> usesIt =
      BodiesHolding(lines, headers, kPromptClause, [&](const std::string& text) {
        const std::string items = CommaWrapped(text);
        return Contains(items, afterBlank) || Contains(items, wholeItem);
      });
  std::vector<std::string> keys;
  for (size_t k = 0; k < headers.size(); ++k) {
    if (usesIt[k]) keys.push_back(CopyFrom(lines.At(headers[k]), 10));
  }
  const long long found = static_cast<long long>(keys.size());
  AddKeyRows(ctx, std::move(keys), false);
  FinishReport(ctx, "Found " + std::to_string(found) + " Schedules Containg Prompt <" + *name +
                        ">... Ready.");
}

void RunD2(ReportContext& ctx) {
  const ExtractStore& store = ctx.Store;
  if (ctx.Catalogue.Totals.PromptTotal == 0) return;
  const std::string nameList = PromptNameList(store);
  BeginReport(ctx,
              ReportFrame{62, "D#2", "Prompt Report - Option #2", "Check Usage:", kUsageWidths});

  const std::string prompts = CollectPromptUses(store, ctx.Progress);
  FinishReport(ctx, UsageStatus(AddUsageRows(ctx, nameList, prompts), "Prompts"));
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
