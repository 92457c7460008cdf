#pragma once

#include <string>
#include <string_view>

#include "core/extracts/line_list.h"
#include "core/reports/report_context.h"

namespace vdbq {

// A schedule's own FOLLOWS text and the first line of its job section.
struct ScheduleFollows {
  std::string Text;
  long long NextLine = 0;
};

// Reads a schedule's header clauses from `start` (the line after its SCHEDULE line) up to and
// including the ":" line. A later FOLLOWS clause replaces an earlier one; a clause ending with
// "," goes on over the following lines. A text without any "#" gets defaultWorkstation + "#"
// in front. The read ends at the end of the list when no ":" line comes.
ScheduleFollows ReadScheduleFollows(const LineList& lines, long long start,
                                    std::string_view defaultWorkstation, Progress& progress);

}  // namespace vdbq
