#include "core/reports/family_reports.h"
#include "core/reports/name_lists.h"
#include "core/reports/report_routines.h"
#include "core/reports/usage_answers.h"
#include "core/text/text_routines.h"

namespace vdbq {

std::string PromptNameList(const ExtractStore& store) { return NamesOfRows(store.PromptList); }

// A clause names the prompt as a whole item, or ends a quoted text with it after a blank.
std::vector<std::string> SchedulesUsingPrompt(ReportContext& ctx, const std::string& name) {
  return SchedulesWithItemText(ctx, kPromptClause, " " + name + ",", CommaWrapped(name));
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
