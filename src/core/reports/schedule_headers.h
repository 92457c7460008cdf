#pragma once

#include <optional>
#include <string_view>

#include "core/extracts/extract_store.h"
#include "core/reports/report_context.h"
#include "core/text/text_routines.h"

namespace vdbq {

// Calls visit(line) for every schedule header line a walk over the blocks sees, in file order,
// until visit returns false. Only the first "SCHEDULE " line of a block is a header: once the
// walk has read one it goes on at the first line of the next block, so it reads about one line
// per block. Ticks progress for every line it reads.
template <typename Visit>
void ForEachScheduleHeader(const ExtractStore& store, Progress& progress, Visit visit) {
  const long long count = store.ScheduleLineCount;
  long long line = 0;
  while (line < count) {
    progress.Tick();
    if (!StartsWith(store.ScheduleLines.At(line), "SCHEDULE ")) {
      ++line;
      continue;
    }
    if (!visit(line)) return;
    const long long next = store.NextBlockStart(line);
    line = next > line ? next : line + 1;
  }
}

// The header line whose text after "SCHEDULE " is exactly key, the first one a block walk
// meets; nothing when no header matches.
std::optional<long long> FindScheduleHeader(const ExtractStore& store, std::string_view key,
                                            Progress& progress);

}  // namespace vdbq
