#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/extracts/extract_store.h"
#include "core/reports/report_context.h"

// The lists behind the answers of the usage reports (J#5, C#2, R#2, P#2, D#2), for whatever
// else must give the same answers without running a report.
namespace vdbq {

// Every job key that some schedule's job section names, each followed by "," (J#5's list).
std::string CollectScheduledJobs(const ExtractStore& store, Progress& progress);
// Every distinct blank-free ON and EXCEPT item of every schedule, each followed by ",".
std::string CollectUsedCalendars(const ExtractStore& store, Progress& progress);

// The uses each report looks the names up in: NEEDS items qualified with the schedule's
// workstation; caret-delimited names of job commands; PROMPT clause texts.
std::string CollectResourceNeeds(const ExtractStore& store, Progress& progress);
std::string CollectParameterUses(const ExtractStore& store, Progress& progress);
std::string CollectPromptUses(const ExtractStore& store, Progress& progress);

// The job definition lines (from 0) whose command holds "^" + name + "^", as P#1 finds them.
std::vector<long long> JobLinesUsingParameter(const ExtractStore& store, const std::string& name,
                                              Progress& progress);

}  // namespace vdbq
