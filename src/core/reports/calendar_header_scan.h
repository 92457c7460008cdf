#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/extracts/line_list.h"
#include "core/reports/report_context.h"

namespace vdbq {

// The calendars a schedule's header names: its ON and EXCEPT items, each list comma-joined as
// written (blanks kept), and where the header ended.
struct OnExceptClauses {
  std::string OnList;
  std::string ExceptList;
  // The line after the ":" line that opens the job list, or the line count when the header has
  // none.
  long long NextLine = 0;
};

// Reads a schedule header from `first` (the line after its SCHEDULE line) up to and including
// the ":" line. A clause ending in a comma goes on over the following lines. Ticks once for
// every line the header scan itself examines.
OnExceptClauses CollectOnExceptClauses(const LineList& lines, long long first, Progress& progress);

// Whether some item of a schedule's blank-free ON list, or of its EXCEPT list, was wanted.
struct CalendarUse {
  bool On = false;
  bool Except = false;
};

// Reads the headers of the schedules whose SCHEDULE lines are given (in file order), each as
// CollectOnExceptClauses reads it, and asks wanted(isExcept, item) about every non-empty item
// of the blank-free lists. A header without its ":" line reads on into the schedules after it;
// once it reaches the start of a later header it takes that header's answer instead of reading
// the same lines again, so the cost stays one pass over the file however many ":" lines are
// missing.
std::vector<CalendarUse> ScanCalendarHeaders(
    const LineList& lines, const std::vector<long long>& headerLines, Progress& progress,
    const std::function<bool(bool isExcept, std::string_view item)>& wanted);

}  // namespace vdbq
