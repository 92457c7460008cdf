#include "core/check/check_database.h"

#include "core/check/check_context.h"
#include "core/catalogue/catalogue.h"
#include "core/reports/usage_reports.h"
#include "core/text/text_routines.h"

namespace vdbq {

void CheckContext::Add(const char* rule, const char* kind, std::string key, const char* file,
                       long long lineIndex, std::string message) {
  const RuleInfo* info = FindRule(rule);
  Findings.push_back(Finding{rule, info != nullptr ? info->Severity : Severity::Error, kind,
                             std::move(key), file, lineIndex + 1, std::move(message)});
}

std::vector<DefinitionAt> CalendarDefinitions(const ExtractStore& store) {
  std::vector<DefinitionAt> calendars;
  const LineList& lines = store.CalendarLines;
  for (long long i = 1; i < lines.Count(); ++i) {
    const std::string_view line = lines.At(i);
    if (line.empty() || StartsWith(line, "  ")) continue;
    calendars.push_back(DefinitionAt{Copy(line, 1, Find("\"", line) - 2), i});
  }
  return calendars;
}

std::vector<DefinitionAt> ResourceDefinitions(const ExtractStore& store) {
  std::vector<DefinitionAt> resources;
  for (long long i = 0; i <= store.ResourceLastLine; ++i) {
    std::string name = ResourceNameOfLine(store.ResourceLines.At(i));
    if (!name.empty()) resources.push_back(DefinitionAt{std::move(name), i});
  }
  return resources;
}

std::vector<DefinitionAt> JobDefinitions(const ExtractStore& store) {
  std::vector<DefinitionAt> jobs;
  for (long long i = 0; i < store.JobLineCount; ++i) {
    const std::string_view line = store.JobLines.At(i);
    if (IsJobDefinitionLine(line)) jobs.push_back(DefinitionAt{JobKeyOfLine(line), i});
  }
  return jobs;
}

std::vector<Finding> CheckDatabase(const ExtractStore& store, const Catalogue& catalogue,
                                   Progress& progress) {
  CheckContext ctx{store, catalogue, progress, {}, {}};
  if (store.ExtractsMissing) return {};
  ctx.Outlines = ReadScheduleOutlines(store.ScheduleLines, progress);
  CheckDefinitions(ctx);
  CheckReferences(ctx);
  CheckFollows(ctx);
  CheckUsage(ctx);
  SortFindings(ctx.Findings);
  return std::move(ctx.Findings);
}

}  // namespace vdbq
