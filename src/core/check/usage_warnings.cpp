// The five warnings: exactly the objects that J#5, C#2, R#2, P#2 and D#2 list as not used,
// found from the same lists those reports build, each pointed at its definition's line.

#include <algorithm>

#include "core/check/check_context.h"
#include "core/reports/entry_runs.h"
#include "core/reports/name_lists.h"
#include "core/reports/usage_answers.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// Walks a name list built from definitions (each name followed by a comma) as the usage
// reports walk it, up to its first empty field, and gives each name with the line of the
// definition it stands in.
template <typename Visit>
void ForEachListedDefinition(const std::vector<DefinitionAt>& definitions, Visit&& visit) {
  std::string list;
  std::vector<size_t> starts;
  for (const DefinitionAt& definition : definitions) {
    starts.push_back(list.size());
    list += definition.Key;
    list += ',';
  }
  ForEachListedName(list, [&](std::string_view name) {
    const size_t offset = static_cast<size_t>(name.data() - list.data());
    const size_t entry = static_cast<size_t>(
        std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin() - 1);
    visit(name, definitions[entry].Line);
  });
}

// The non-empty names of the parameter or prompt list, trimmed as the reports take them.
std::vector<DefinitionAt> NamedRows(const std::vector<NameValue>& rows) {
  std::vector<DefinitionAt> named;
  for (const NameValue& row : rows) {
    if (!row.Name.empty()) named.push_back(DefinitionAt{TrimmedView(row.Name), row.Line});
  }
  return named;
}

void AddUnused(CheckContext& ctx, const std::vector<DefinitionAt>& definitions,
               std::string_view uses, const char* rule, const char* kind, const char* file,
               const char* unusedText) {
  const CommaItemSet used(uses);
  ForEachListedDefinition(definitions, [&](std::string_view name, long long line) {
    ctx.Progress.Tick();
    if (used.Has(name)) return;
    const std::string key(name);
    ctx.Add(rule, kind, key, file, line, std::string(1, static_cast<char>(kind[0] - 'a' + 'A')) +
                                             (kind + 1) + " " + key + unusedText);
  });
}

void CheckUnscheduledJobs(CheckContext& ctx) {
  std::optional<std::string>& list = ctx.Catalogue.ScheduledJobList;
  if (!list || list->empty()) list = CollectScheduledJobs(ctx.Store, ctx.Progress);
  // EntryRuns must be given the keys that hold commas; the others it answers from the list.
  std::vector<std::string> withCommas;
  for (const DefinitionAt& job : ctx.Jobs) {
    if (job.Key.find(',') != std::string_view::npos) withCommas.emplace_back(job.Key);
  }
  const EntryRuns scheduled(*list, withCommas);
  for (const DefinitionAt& job : ctx.Jobs) {
    ctx.Progress.Tick();
    if (scheduled.Holds(job.Key)) continue;
    const std::string key(job.Key);
    ctx.Add("unscheduled-job", kKindJob, key, kJobsFile, job.Line,
            "Job " + key + " is in no schedule");
  }
}

}  // namespace

void CheckUsage(CheckContext& ctx) {
  const ExtractStore& store = ctx.Store;
  const CatalogueTotals& totals = ctx.Catalogue.Totals;
  CheckUnscheduledJobs(ctx);
  // Each report looks at nothing while its category is empty.
  if (totals.CalendarTotal != 0) {
    std::optional<std::string>& used = ctx.Catalogue.UsedCalendarList;
    if (!used || used->empty()) used = CollectUsedCalendars(store, ctx.Progress);
    AddUnused(ctx, CalendarDefinitions(store), *used, "unused-calendar", kKindCalendar,
              kCalendarsFile, " is named by no schedule's ON or EXCEPT");
  }
  if (totals.ResourceTotal != 0) {
    AddUnused(ctx, ResourceDefinitions(store), CollectResourceNeeds(store, ctx.Progress),
              "unused-resource", kKindResource, kResourcesFile, " is needed by no schedule");
  }
  if (totals.ParameterTotal != 0) {
    AddUnused(ctx, NamedRows(store.ParameterList), CollectParameterUses(store, ctx.Progress),
              "unused-parameter", kKindParameter, kParmsFile, " is used by no job's command");
  }
  if (totals.PromptTotal != 0) {
    AddUnused(ctx, NamedRows(store.PromptList), CollectPromptUses(store, ctx.Progress),
              "unused-prompt", kKindPrompt, kPromptsFile, " is used by no schedule");
  }
}

}  // namespace vdbq
