#pragma once

#include <string>
#include <vector>

#include "core/extracts/line_list.h"
#include "core/reports/report_context.h"
#include "core/reports/schedule_header.h"

namespace vdbq {

// One job of a schedule with the clause texts the detail report keeps for it; two clauses of
// one kind are joined with nothing in between.
struct ScheduleJob {
  std::string Cpu;
  std::string Name;
  std::string At;
  std::string Follows;
  std::string Opens;
  std::string Prompt;
  std::string Needs;
  std::string Confirmed;  // "Y" once per CONFIRMED clause
  std::string Every;
  std::string Priority;
  std::string Until;
};

// Reads the schedule whose "SCHEDULE " line is headerLine: its clauses up to the ":" line into
// header, then its jobs up to the "END" line, in file order. header.Workstation is the
// workstation of jobs written without one. A schedule whose ":" or "END" is missing is read to
// the end of the lines.
std::vector<ScheduleJob> ReadScheduleDetail(const LineList& lines, long long lineCount,
                                            long long headerLine, ScheduleHeader& header,
                                            Progress& progress);

}  // namespace vdbq
