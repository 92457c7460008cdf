#pragma once

#include <string>
#include <string_view>

#include "core/extracts/line_list.h"
#include "core/reports/report_context.h"

namespace vdbq {

// What a schedule's job section names: its job keys and its jobs' FOLLOWS entries, each list
// comma-separated with a comma after every entry or clause.
struct ScheduleJobs {
  std::string Jobs;
  std::string Dependencies;
  // The line after the section's END line (the end of the list when no END comes).
  long long NextLine = 0;
};

// Reads a schedule's job section from `start` (the line after its ":" line). Jobs and FOLLOWS
// texts written without a workstation are given `workstation` + "#"; continuation lines of a
// FOLLOWS clause that ends with "," belong to that clause, never to the job list.
ScheduleJobs ReadScheduleJobs(const LineList& lines, long long start, std::string_view workstation,
                              Progress& progress);

// ReadScheduleJobs appending to the caller's texts, so that one text can gather many sections;
// dependencies must come empty for each section, as its FOLLOWS clauses run on while it ends
// with ",". Gives the line after the section.
long long AppendScheduleJobs(const LineList& lines, long long start, std::string_view workstation,
                             Progress& progress, std::string& jobs, std::string& dependencies);

// True when an entry of a schedule's lists names the job searched for: the entry is the text
// itself, or ends with it right after a "#" or a "." (LOAD finds CPU1#LOAD and S.LOAD, never
// PRELOAD).
bool EntryNamesJob(std::string_view entry, std::string_view job);

}  // namespace vdbq
