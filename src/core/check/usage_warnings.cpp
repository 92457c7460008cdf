// The five warnings: exactly the objects that J#5, C#2, R#2, P#2 and D#2 list as not used,
// found from the same lists those reports build, each pointed at its definition's line.

#include <algorithm>
#include <future>
#include <optional>
#include <span>
#include <unordered_map>

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
    // A field never spans two entries, so it is a part of its definition's key (which
    // outlives the list).
    visit(definitions[entry].Key.substr(offset - starts[entry], name.size()),
          definitions[entry].Line);
  });
}

// The non-empty names of the parameter or prompt list, trimmed as the reports take them.
std::vector<DefinitionAt> NamedRows(const std::vector<NameValue>& rows) {
  std::vector<DefinitionAt> named;
  for (const NameValue& row : rows) {
    if (!row.Name.empty()) named.push_back(DefinitionAt{TrimBlanksView(row.Name), row.Line});
  }
  return named;
}

// Calls visit for every comma-separated item of a text, the empty ones included.
template <typename Visit>
void ForEachItem(std::string_view text, Visit&& visit) {
  for (;;) {
    const size_t comma = text.find(',');
    visit(text.substr(0, comma));
    if (comma == std::string_view::npos) return;
    text.remove_prefix(comma + 1);
  }
}

// Adds a finding for every listed name that "," + uses + "," does not hold as "," + name + ","
// (CommaItemSet's answer). The names are few and the uses many, so the uses are walked once
// against a table of the names.
void AddUnused(const CheckContext& ctx, FindingList& findings,
               const std::vector<DefinitionAt>& definitions, std::string_view uses,
               const char* rule, ObjectKind kind, const char* file, const char* unusedText) {
  std::vector<std::pair<std::string_view, long long>> listed;
  ForEachListedDefinition(
      definitions, [&](std::string_view name, long long line) { listed.emplace_back(name, line); });
  std::unordered_map<std::string_view, bool> used;
  for (const auto& [name, line] : listed) used.emplace(name, false);
  ForEachItem(uses, [&](std::string_view item) {
    const auto found = used.find(item);
    if (found != used.end()) found->second = true;
  });
  const std::string wrappedUses = CommaWrapped(uses);
  for (const auto& [name, line] : listed) {
    ctx.Progress.Tick();
    // A name holding a comma spans items; only the text itself can answer for it.
    const bool isUsed = name.find(',') == std::string_view::npos
                            ? used.at(name)
                            : Contains(wrappedUses, CommaWrapped(name));
    if (isUsed) continue;
    const std::string key(name);
    findings.Add(rule, kind, key, file, line, KindTitle(kind) + (" " + key) + unusedText);
  }
}

// True when the list is the keys of the schedules' job lines, each followed by a comma, and no
// key holds a comma: then its entries are those keys, which CheckReferences has marked already.
bool ListsTheOutlineJobs(std::string_view list, std::span<const OutlineJob> jobs) {
  size_t at = 0;
  for (const OutlineJob& job : jobs) {
    const std::string_view key = job.Key;
    if (key.find(',') != std::string_view::npos) return false;
    if (list.size() - at < key.size() + 1 || list.compare(at, key.size(), key) != 0 ||
        list[at + key.size()] != ',') {
      return false;
    }
    at += key.size() + 1;
  }
  return at == list.size();
}

void CheckUnscheduledJobs(const CheckContext& ctx, const std::vector<char>& outlineScheduled,
                          FindingList& findings) {
  const std::string* list = &*ctx.Catalogue.ScheduledJobList;
  const HugeVector<DefinitionAt>& jobs = ctx.Jobs.Jobs;
  // J#5 counts a key as scheduled when it is one of the list's entries, or for a key holding
  // commas a run of them. Plain keys are marked by one walk over the entries against the job
  // keys' table, unless the schedules' job lines marked them already; EntryRuns answers for
  // the others.
  std::vector<char> walked;
  const std::vector<char>* scheduled = &outlineScheduled;
  if (!ListsTheOutlineJobs(*list, ctx.Outlines.AllJobs())) {
    walked.assign(jobs.size(), 0);
    ForEachItem(*list, [&](std::string_view entry) {
      const long long found = ctx.Jobs.Find(entry);
      if (found >= 0) walked[static_cast<size_t>(found)] = 1;
    });
    scheduled = &walked;
  }
  auto plain = [](std::string_view key) {
    return !key.empty() && key.find(',') == std::string_view::npos;
  };
  std::vector<std::string> odd;
  for (const DefinitionAt& job : jobs) {
    if (!plain(job.Key)) odd.emplace_back(job.Key);
  }
  std::optional<EntryRuns> oddRuns;
  if (!odd.empty()) oddRuns.emplace(*list, odd);
  for (size_t j = 0; j < jobs.size(); ++j) {
    ctx.Progress.Tick();
    const DefinitionAt& job = jobs[j];
    if (plain(job.Key) ? (*scheduled)[ctx.Jobs.FirstOf[j]] != 0 : oddRuns->Holds(job.Key)) {
      continue;
    }
    const std::string key(job.Key);
    findings.Add("unscheduled-job", ObjectKind::Job, key, kJobsFile, job.Line,
                 "Job " + key + " is in no schedule");
  }
}

}  // namespace

UsageLists CollectUsageLists(const ExtractStore& store, const Catalogue& catalogue) {
  // Runs beside the other families, so it never ticks the caller's progress. J#5's list takes
  // about as long as the other four together, so it is built on a thread of its own.
  std::future<std::optional<std::string>> scheduledJobs = std::async(std::launch::async, [&] {
    Progress silent;
    std::optional<std::string> list;
    if (!catalogue.ScheduledJobList || catalogue.ScheduledJobList->empty()) {
      list = CollectScheduledJobs(store, silent);
    }
    return list;
  });
  Progress silent;
  UsageLists lists;
  const CatalogueTotals& totals = catalogue.Totals;
  // Each report looks at nothing while its category is empty.
  if (totals.CalendarTotal != 0 &&
      (!catalogue.UsedCalendarList || catalogue.UsedCalendarList->empty())) {
    lists.UsedCalendars = CollectUsedCalendars(store, silent);
  }
  if (totals.ResourceTotal != 0) lists.Needs = CollectResourceNeeds(store, silent);
  if (totals.ParameterTotal != 0) lists.ParameterUses = CollectParameterUses(store, silent);
  if (totals.PromptTotal != 0) lists.PromptUses = CollectPromptUses(store, silent);
  lists.ScheduledJobs = scheduledJobs.get();
  return lists;
}

void CheckUsage(const CheckContext& ctx, UsageLists lists, const std::vector<char>& scheduled,
                FindingList& findings) {
  const ExtractStore& store = ctx.Store;
  const CatalogueTotals& totals = ctx.Catalogue.Totals;
  // The lists J#5 and C#2 keep until the next load.
  if (lists.ScheduledJobs) ctx.Catalogue.ScheduledJobList = std::move(lists.ScheduledJobs);
  if (lists.UsedCalendars) ctx.Catalogue.UsedCalendarList = std::move(lists.UsedCalendars);
  CheckUnscheduledJobs(ctx, scheduled, findings);
  if (totals.CalendarTotal != 0) {
    AddUnused(ctx, findings, CalendarDefinitions(store), *ctx.Catalogue.UsedCalendarList,
              "unused-calendar", ObjectKind::Calendar, kCalendarsFile,
              " is named by no schedule's ON or EXCEPT");
  }
  if (totals.ResourceTotal != 0) {
    AddUnused(ctx, findings, ResourceDefinitions(store), lists.Needs, "unused-resource",
              ObjectKind::Resource, kResourcesFile, " is needed by no schedule");
  }
  if (totals.ParameterTotal != 0) {
    AddUnused(ctx, findings, NamedRows(store.ParameterList), lists.ParameterUses,
              "unused-parameter", ObjectKind::Parameter, kParmsFile,
              " is used by no job's command");
  }
  if (totals.PromptTotal != 0) {
    AddUnused(ctx, findings, NamedRows(store.PromptList), lists.PromptUses, "unused-prompt",
              ObjectKind::Prompt, kPromptsFile, " is used by no schedule");
  }
}

}  // namespace vdbq
