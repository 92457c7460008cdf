#pragma once

#include <vector>

#include "core/extracts/extract_store.h"
#include "core/reports/report_context.h"
#include "core/reports/schedule_headers.h"

namespace vdbq {

// The SCHEDULE line of every schedule a walk over the blocks visits, in file order, gathered
// first so that the schedules' own readings can be done last to first.
inline std::vector<long long> ScheduleHeaderLines(const ExtractStore& store, Progress& walkTicks) {
  std::vector<long long> headers;
  ForEachScheduleHeader(store, walkTicks, [&headers](long long line) {
    headers.push_back(line);
    return true;
  });
  return headers;
}

}  // namespace vdbq
