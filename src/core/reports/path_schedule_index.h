#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/extracts/extract_store.h"
#include "core/memory/flat_view_map.h"
#include "core/reports/dot_reference_index.h"
#include "core/reports/path_follows.h"
#include "core/reports/report_context.h"

namespace vdbq {

// One "SCHEDULE " line of the schedules extract and what the path report reads from it.
struct PathSchedule {
  long long Line = 0;
  // Where reading for this schedule stops: the next "SCHEDULE " line, or the line count.
  long long Limit = 0;
  // The text after "SCHEDULE ", trimmed.
  std::string Key;
  // Read with the workstation of Key, as the walks over all schedules read it.
  PathFollows Follows;
};

// Every schedule read once, so that the path report answers "which schedule has this key" and
// "which schedules name this one" without walking the extract again for each schedule it adds.
// Built in one pass over the schedule lines; the store must stay as it is while it is used.
class PathScheduleIndex {
 public:
  PathScheduleIndex(const ExtractStore& store, Progress& progress);

  const std::vector<PathSchedule>& Schedules() const { return schedules_; }

  // The schedule a walk over the blocks meets first whose line continues after "SCHEDULE "
  // with exactly key. Such a walk reads only the first SCHEDULE line of each block.
  const PathSchedule* Find(std::string_view key) const;

  // The schedules, in file order, whose follows may refer to name (see Refers); a superset.
  const std::vector<uint32_t>& ReferringCandidates(std::string_view name) const {
    return referring_.Candidates(name);
  }

 private:
  std::vector<PathSchedule> schedules_;
  FlatViewMap firstInBlock_;
  DotReferenceIndex referring_{DotReferenceIndex::Match::kWholeSegment};
};

}  // namespace vdbq
