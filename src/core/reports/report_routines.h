#pragma once

#include "core/reports/report_context.h"

// The twenty-four reports. Each reads the extracts and the search box and writes the result
// list, the titles, the status text and one audit line, or rejects its input and changes
// nothing but the status text.
namespace vdbq {

// Schedules.
void RunS1(ReportContext& ctx);  // every schedule by workstation
void RunS2(ReportContext& ctx);  // every schedule by name, duplicates marked
void RunS3(ReportContext& ctx);  // schedules whose name holds the search text
void RunS4(ReportContext& ctx);  // one schedule's clauses and job sequence
void RunS5(ReportContext& ctx);  // one schedule's predecessors and successors

// Jobs.
void RunJ1(ReportContext& ctx);  // every job by workstation
void RunJ2(ReportContext& ctx);  // every job by name, duplicates marked
void RunJ3(ReportContext& ctx);  // jobs whose name holds the search text
void RunJ4(ReportContext& ctx);  // schedules that use a job
void RunJ5(ReportContext& ctx);  // jobs no schedule uses
void RunJ6(ReportContext& ctx);  // jobs whose command or script holds the search text

// Workstations.
void RunW1(ReportContext& ctx);  // schedules of one workstation
void RunW2(ReportContext& ctx);  // jobs of one workstation
void RunW3(ReportContext& ctx);  // workstation classes and members

// Calendars.
void RunC1(ReportContext& ctx);  // schedules that use a calendar
void RunC2(ReportContext& ctx);  // calendars no schedule uses
void RunC3(ReportContext& ctx);  // calendars without a date from today on
void RunC4(ReportContext& ctx);  // calendars with a date from today on

// Resources, parameters, prompts.
void RunR1(ReportContext& ctx);
void RunR2(ReportContext& ctx);
void RunP1(ReportContext& ctx);
void RunP2(ReportContext& ctx);
void RunD1(ReportContext& ctx);
void RunD2(ReportContext& ctx);

}  // namespace vdbq
