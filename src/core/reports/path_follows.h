#pragma once

#include <string>
#include <string_view>

#include "core/extracts/line_list.h"

namespace vdbq {

// What the dependency path report reads from one schedule definition.
struct PathFollows {
  // The schedule's own FOLLOWS text (the last FOLLOWS clause of its header).
  std::string ScheduleFollows;
  // Every reference of its jobs' FOLLOWS clauses, in file order, joined by ",".
  std::string AllJobFollows;
  // Of those, the references that hold a "." (jobs of other schedules), joined by ",".
  std::string JobFollows;
};

// ReadScheduleFollows and then ReadJobFollows for the definition starting at `start` (its
// SCHEDULE line or the line after), both stopping before `limit`, so that a definition that
// lacks its ":" or END never runs into the next one.
PathFollows ReadPathFollows(const LineList& lines, long long start, long long limit,
                            std::string_view defaultWorkstation);

// The items of a comma-separated list that hold a ".", joined by ",".
std::string ReferencesToJobs(std::string_view allJobFollows);

// True when `name` stands in one of the follows texts as the schedule part of a reference:
// followed by "." and preceded by the start of the text, ".", "," or "#".
bool Refers(std::string_view scheduleFollows, std::string_view allJobFollows,
            std::string_view name);

// The text before the first "#" of a key; "" when it has none.
std::string_view WorkstationOfKey(std::string_view key);

}  // namespace vdbq
