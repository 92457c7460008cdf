#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/check/finding.h"
#include "core/check/schedule_outline.h"
#include "core/extracts/extract_store.h"
#include "core/reports/report_context.h"

namespace vdbq {

// A definition of an object in its extract: key and line (from 0), in file order. The key
// points into the loaded extracts.
struct DefinitionAt {
  std::string_view Key;
  long long Line = 0;
};

// What the rule families read, and the findings they add to.
struct CheckContext {
  const ExtractStore& Store;
  const vdbq::Catalogue& Catalogue;
  vdbq::Progress& Progress;
  // Every schedule definition, read once for all families.
  std::vector<ScheduleOutline> Outlines;
  std::vector<Finding> Findings;
  // The job definition lines' keys, read once for all families.
  std::vector<DefinitionAt> Jobs;
  // Filled by CheckDefinitions: each job key's first definition (an index into Jobs), and
  // for every definition the index of its key's first one.
  std::unordered_map<std::string_view, size_t> JobByKey;
  std::vector<size_t> FirstJobOf;

  // lineIndex counts from 0, as the line lists do; findings count from 1.
  void Add(const char* rule, const char* kind, std::string key, const char* file,
           long long lineIndex, std::string message);
};

// The rule families, each one pass over what it reads.
void CheckDefinitions(CheckContext& ctx);  // undefined-workstation, duplicate-definition
void CheckReferences(CheckContext& ctx);   // undefined-job, -calendar, -resource, -prompt
void CheckFollows(CheckContext& ctx);      // undefined-schedule, -job-in-schedule, cycles
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
void CheckUsage(CheckContext& ctx, UsageLists lists);  // the five warnings

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
