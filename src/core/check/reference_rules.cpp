// undefined-job, undefined-calendar, undefined-resource and undefined-prompt: the names a
// schedule's job lines and its ON, EXCEPT, NEEDS and PROMPT clauses give, against the objects
// the other extracts define.

#include <array>
#include <span>
#include <string_view>

#include "core/check/check_context.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// ON and EXCEPT items that name no calendar: the run-cycle words of the scheduler language and
// the day abbreviations. A date begins with a digit.
constexpr std::array<std::string_view, 11> kRunCycleWords{
    "REQUEST", "EVERYDAY", "WEEKDAYS", "WORKDAYS", "SU", "MO", "TU", "WE", "TH", "FR", "SA"};

// The calendar an ON or EXCEPT item names, "" when it names none.
std::string_view CalendarOfItem(std::string_view item, const FlatViewMap& defined) {
  const std::string_view name = CalendarNameOfItem(item);
  if (name.empty() || defined.contains(name)) return name;
  if (name.front() >= '0' && name.front() <= '9') return {};
  for (std::string_view word : kRunCycleWords) {
    if (name == word) return {};
  }
  return name;
}

FlatViewMap KeysOf(const std::vector<DefinitionAt>& definitions) {
  FlatViewMap keys;
  keys.reserve(definitions.size());
  for (const DefinitionAt& definition : definitions) keys.emplace(definition.Key, 0);
  return keys;
}

}  // namespace

void CheckReferences(const CheckContext& ctx, std::vector<char>& scheduled, FindingList& findings) {
  const ExtractStore& store = ctx.Store;
  const FlatViewMap calendars = KeysOf(CalendarDefinitions(store));
  const FlatViewMap resources = KeysOf(ResourceDefinitions(store));
  FlatViewMap prompts;
  for (const NameValue& row : store.PromptList) {
    if (!row.Name.empty()) prompts.emplace(TrimBlanksView(row.Name), 0);
  }
  scheduled.assign(ctx.Jobs.Jobs.size(), 0);
  std::string resource;
  // The job lines' keys are looked up all at once, which overlaps their waits for memory.
  const std::span<const OutlineJob> allJobs = ctx.Outlines.AllJobs();
  HugeVector<long long> definitionOf(allJobs.size());
  ctx.Jobs.FindEach(
      allJobs.size(), [&](size_t k) { return allJobs[k].Key; }, definitionOf.data());

  for (const ScheduleOutline& schedule : ctx.Outlines) {
    ctx.Progress.Tick();
    auto add = [&](const char* rule, long long line, std::string message) {
      findings.Add(rule, ObjectKind::Schedule, std::string(schedule.CatalogueKey), kSchedulesFile,
                   line, std::move(message));
    };
    const size_t firstJob = static_cast<size_t>(schedule.Jobs.data() - allJobs.data());
    for (size_t k = 0; k < schedule.Jobs.size(); ++k) {
      const OutlineJob& job = schedule.Jobs[k];
      const long long first = definitionOf[firstJob + k];
      if (first >= 0) {
        scheduled[static_cast<size_t>(first)] = 1;
        continue;
      }
      add("undefined-job", job.Line,
          "Job " + std::string(job.Key) + " is not defined in " + std::string(kJobsFile));
    }
    for (const OutlineItem& item : schedule.Calendars) {
      const std::string_view calendar = CalendarOfItem(item.Text, calendars);
      if (calendar.empty() || calendars.contains(calendar)) continue;
      add("undefined-calendar", item.Line,
          "Calendar " + std::string(calendar) + " is not defined in " + kCalendarsFile);
    }
    // A resource named without a workstation is the schedule's own workstation's, as the
    // resource usage check reads it.
    for (const OutlineItem& item : schedule.Needs) {
      resource.clear();
      if (item.Text.find('#') == std::string_view::npos) {
        resource += schedule.Workstation;
        resource += '#';
      }
      resource += item.Text;
      if (resources.contains(resource)) continue;
      add("undefined-resource", item.Line,
          "Resource " + resource + " is not defined in " + kResourcesFile);
    }
    for (const OutlineItem& item : schedule.Prompts) {
      if (prompts.contains(item.Text)) continue;
      add("undefined-prompt", item.Line,
          "Prompt " + std::string(item.Text) + " is not defined in " + kPromptsFile);
    }
  }
}

}  // namespace vdbq
