#include "core/check/check_database.h"

#include <future>
#include <iterator>
#include <memory>

#include "core/catalogue/catalogue.h"
#include "core/check/check_context.h"
#include "core/graph/schedule_graph.h"
#include "core/reports/usage_reports.h"
#include "core/text/text_routines.h"

namespace vdbq {

void FindingList::Add(const char* rule, ObjectKind kind, std::string key, const char* file,
                      long long lineIndex, std::string message) {
  const RuleInfo* info = FindRule(rule);
  Items.push_back(Finding{rule, info != nullptr ? info->Severity : Severity::Error, kind,
                          std::move(key), file, NumberOfIndex(LineIndex(lineIndex)),
                          std::move(message)});
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
    const std::string_view name = TrimBlanksView(line.substr(0, tab));
    if (!name.empty()) resources.push_back(DefinitionAt{name, i});
  }
  return resources;
}

HugeVector<DefinitionAt> JobDefinitions(const ExtractStore& store) {
  // As JobKeyOfLine reads them: the text before the first blank, "" without one.
  HugeVector<DefinitionAt> jobs;
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
                                   const CheckOptions& options, Progress& progress) {
  if (store.ExtractsMissing) return {};
  // Beside the families that read the schedules on this thread, others build the usage
  // reports' lists, the schedule graph and the job table. Nothing writes the extracts, those
  // lists or the graph until they are joined.
  std::future<UsageLists> usageLists =
      std::async(std::launch::async, CollectUsageLists, std::cref(store), std::cref(catalogue));
  std::future<std::shared_ptr<const ScheduleGraph>> graph =
      std::async(std::launch::async, ScheduleGraphOf, std::cref(store), std::cref(catalogue));
  CheckContext ctx{store, catalogue, progress, {}, {}};
  FindingList jobDefinitions;
  std::future<void> jobs = std::async(
      std::launch::async, [&] { CheckJobDefinitions(store, catalogue, ctx.Jobs, jobDefinitions); });
  FindingList runDays;
  std::future<void> runDayRules = std::async(
      std::launch::async, [&] { CheckRunDays(catalogue, store, options.Today, runDays); });

  ctx.Outlines = ReadScheduleOutlines(store.ScheduleLines, progress);
  FindingList definitions, references, follows, usage;
  CheckDefinitions(ctx, definitions);
  jobs.get();
  std::vector<char> scheduled;
  CheckReferences(ctx, scheduled, references);
  CheckFollows(ctx, *graph.get(), follows);
  CheckUsage(ctx, usageLists.get(), scheduled, usage);
  runDayRules.get();

  std::vector<Finding> findings;
  findings.reserve(definitions.Items.size() + jobDefinitions.Items.size() +
                   references.Items.size() + follows.Items.size() + usage.Items.size() +
                   runDays.Items.size());
  for (FindingList* list :
       {&definitions, &jobDefinitions, &references, &follows, &usage, &runDays}) {
    std::move(list->Items.begin(), list->Items.end(), std::back_inserter(findings));
  }
  SortFindings(findings);
  return findings;
}

}  // namespace vdbq
