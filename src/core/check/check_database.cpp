#include "core/check/check_database.h"

#include <future>

#include "core/catalogue/catalogue.h"
#include "core/check/check_context.h"
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
    // The name ends one character before the description's first double quote.
    const size_t quote = line.find('"');
    const size_t length = quote == std::string_view::npos || quote < 1 ? 0 : quote - 1;
    calendars.push_back(DefinitionAt{line.substr(0, length), i});
  }
  return calendars;
}

std::vector<DefinitionAt> ResourceDefinitions(const ExtractStore& store) {
  // As ResourceNameOfLine reads them: trimmed, before the first TAB.
  std::vector<DefinitionAt> resources;
  for (long long i = 0; i <= store.ResourceLastLine; ++i) {
    const std::string_view line = store.ResourceLines.At(i);
    if (line.empty() || StartsWith(line, "$RESOURCE")) continue;
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos) continue;
    const std::string_view name = TrimmedView(line.substr(0, tab));
    if (!name.empty()) resources.push_back(DefinitionAt{name, i});
  }
  return resources;
}

std::vector<DefinitionAt> JobDefinitions(const ExtractStore& store) {
  // As JobKeyOfLine reads them: the text before the first blank, "" without one.
  std::vector<DefinitionAt> jobs;
  for (long long i = 0; i < store.JobLineCount; ++i) {
    const std::string_view line = store.JobLines.At(i);
    if (!IsJobDefinitionLine(line)) continue;
    const size_t blank = line.find(' ');
    jobs.push_back(DefinitionAt{
        blank == std::string_view::npos ? std::string_view() : line.substr(0, blank), i});
  }
  return jobs;
}

std::vector<Finding> CheckDatabase(const ExtractStore& store, const Catalogue& catalogue,
                                   Progress& progress) {
  CheckContext ctx{store, catalogue, progress, {}, {}, {}};
  if (store.ExtractsMissing) return {};
  // The usage reports' lists are read on a thread of their own meanwhile; nothing else
  // writes the extracts or those lists until it is joined.
  std::future<UsageLists> usageLists =
      std::async(std::launch::async, CollectUsageLists, std::cref(store), std::cref(catalogue));
  ctx.Outlines = ReadScheduleOutlines(store.ScheduleLines, progress);
  ctx.Jobs = JobDefinitions(store);
  CheckDefinitions(ctx);
  CheckReferences(ctx);
  CheckFollows(ctx);
  CheckUsage(ctx, usageLists.get());
  SortFindings(ctx.Findings);
  return std::move(ctx.Findings);
}

}  // namespace vdbq
