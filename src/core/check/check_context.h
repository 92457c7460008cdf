#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/check/finding.h"
#include "core/check/schedule_outline.h"
#include "core/extracts/extract_store.h"
#include "core/reports/report_context.h"
#include "core/text/flat_view_map.h"

namespace vdbq {

class ScheduleGraph;

// A definition of an object in its extract: key and line (from 0), in file order. The key
// points into the loaded extracts.
struct DefinitionAt {
  std::string_view Key;
  long long Line = 0;
};

// The findings of one rule family. The families run on different threads, each into its own
// list.
struct FindingList {
  std::vector<Finding> Items;

  // lineIndex counts from 0, as the line lists do; findings count from 1.
  void Add(const char* rule, const char* kind, std::string key, const char* file,
           long long lineIndex, std::string message);
};

// The job definitions and their table of keys, read once for all families.
struct JobTable {
  // The job definition lines' keys.
  std::vector<DefinitionAt> Jobs;
  // Each job key's first definition (an index into Jobs).
  FlatViewMap ByKey;
  // For every definition the index of its key's first one.
  std::vector<uint32_t> FirstOf;

  // The first definition of a key; -1 when no job has it.
  long long Find(std::string_view key) const {
    const FlatViewMap::Slot* slot = ByKey.find(key);
    return slot != nullptr ? static_cast<long long>(slot->second) : -1;
  }
};

// What the rule families read.
struct CheckContext {
  const ExtractStore& Store;
  const vdbq::Catalogue& Catalogue;
  // Ticked by the families on the calling thread only.
  vdbq::Progress& Progress;
  // Every schedule definition, read once for all families.
  ScheduleOutlines Outlines;
  JobTable Jobs;
};

// The rule families, each one pass over what it reads.
// undefined-workstation, duplicate-definition: the jobs (which fill ctx.Jobs) and the rest.
void CheckJobDefinitions(const ExtractStore& store, const vdbq::Catalogue& catalogue,
                         JobTable& jobs, FindingList& findings);
void CheckDefinitions(const CheckContext& ctx, FindingList& findings);
// undefined-job, -calendar, -resource, -prompt. Marks in `scheduled` the first definition of
// every job that a schedule's job line names.
void CheckReferences(const CheckContext& ctx, std::vector<char>& scheduled,
                     FindingList& findings);
// undefined-schedule, -job-in-schedule, cycles.
void CheckFollows(const CheckContext& ctx, const ScheduleGraph& graph, FindingList& findings);
// The lists the five usage reports build (J#5's and C#2's only when the catalogue holds none
// yet), gathered apart from the rest so that they can be read beside the other families.
struct UsageLists {
  std::optional<std::string> ScheduledJobs;
  std::optional<std::string> UsedCalendars;
  std::string Needs;
  std::string ParameterUses;
  std::string PromptUses;
};
UsageLists CollectUsageLists(const ExtractStore& store, const vdbq::Catalogue& catalogue);
// The five warnings. `scheduled` is what CheckReferences marked.
void CheckUsage(const CheckContext& ctx, UsageLists lists, const std::vector<char>& scheduled,
                FindingList& findings);

inline constexpr const char* kKindWorkstation = "workstation";
inline constexpr const char* kKindSchedule = "schedule";
inline constexpr const char* kKindJob = "job";
inline constexpr const char* kKindCalendar = "calendar";
inline constexpr const char* kKindResource = "resource";
inline constexpr const char* kKindParameter = "parameter";
inline constexpr const char* kKindPrompt = "prompt";

// A workstations-file line that defines a workstation, and the name it gives, as the
// catalogue reads them.
bool IsCpuNameLine(std::string_view line);
std::string_view CpuNameOf(std::string_view line);

// The calendars of the calendars extract as the catalogue reads them.
std::vector<DefinitionAt> CalendarDefinitions(const ExtractStore& store);
// The resources as the resource reports read them (workstation#name).
std::vector<DefinitionAt> ResourceDefinitions(const ExtractStore& store);
// The job definition lines' keys.
std::vector<DefinitionAt> JobDefinitions(const ExtractStore& store);

}  // namespace vdbq
