// undefined-job, undefined-calendar, undefined-resource and undefined-prompt: the names a
// schedule's job lines and its ON, EXCEPT, NEEDS and PROMPT clauses give, against the objects
// the other extracts define.

#include <array>
#include <string_view>
#include <unordered_set>

#include "core/check/check_context.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// ON and EXCEPT items that name no calendar: the run-cycle words of the scheduler language and
// the day abbreviations. A date begins with a digit.
constexpr std::array<std::string_view, 11> kRunCycleWords{
    "REQUEST", "EVERYDAY", "WEEKDAYS", "WORKDAYS", "SU", "MO", "TU", "WE", "TH", "FR", "SA"};

// The calendar an ON or EXCEPT item names, "" when it names none. An item may add an offset
// after the name ("MONTHEND +2 DAYS", "MONTHEND-1"); only the name counts.
std::string_view CalendarOfItem(std::string_view item,
                                const std::unordered_set<std::string_view>& defined) {
  const std::string_view name = item.substr(0, item.find_first_of(" \t+-"));
  if (name.empty() || defined.contains(name)) return name;
  if (name.front() >= '0' && name.front() <= '9') return {};
  for (std::string_view word : kRunCycleWords) {
    if (name == word) return {};
  }
  return name;
}

std::unordered_set<std::string_view> KeysOf(const std::vector<DefinitionAt>& definitions) {
  std::unordered_set<std::string_view> keys;
  keys.reserve(definitions.size());
  for (const DefinitionAt& definition : definitions) keys.insert(definition.Key);
  return keys;
}

}  // namespace

void CheckReferences(CheckContext& ctx) {
  const ExtractStore& store = ctx.Store;
  const std::unordered_set<std::string_view> calendars = KeysOf(CalendarDefinitions(store));
  const std::unordered_set<std::string_view> resources = KeysOf(ResourceDefinitions(store));
  std::unordered_set<std::string_view> prompts;
  for (const NameValue& row : store.PromptList) {
    if (!row.Name.empty()) prompts.insert(TrimmedView(row.Name));
  }

  for (const ScheduleOutline& schedule : ctx.Outlines) {
    ctx.Progress.Tick();
    auto add = [&](const char* rule, long long line, std::string message) {
      ctx.Add(rule, kKindSchedule, std::string(schedule.CatalogueKey), kSchedulesFile, line,
              std::move(message));
    };
    for (const OutlineJob& job : schedule.Jobs) {
      if (ctx.JobByKey.contains(job.Key)) continue;
      add("undefined-job", job.Line,
          "Job " + job.Key + " is not defined in " + std::string(kJobsFile));
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
      const std::string resource = Contains(item.Text, "#") ? std::string(item.Text)
                                                            : std::string(schedule.Workstation) +
                                                                  "#" + std::string(item.Text);
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
