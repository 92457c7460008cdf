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

struct FollowsRead {
  std::string Text;
  long long NextLine = 0;  // the line after the last one read
};

// The header clauses from `start` up to and including the ":" line. A later FOLLOWS clause
// replaces an earlier one; a clause ending with "," goes on over the next lines. Reading also
// stops before `limit`, so a definition that lacks its ":" never runs into the next one.
FollowsRead ReadScheduleFollowsUpTo(const LineList& lines, long long start, long long limit,
                                    std::string_view defaultWorkstation);

// The job clauses from `start` up to and including the "END" line: every job FOLLOWS
// reference, comma-joined, with CONFIRMED and PRIORITY clauses taken off. Stops before `limit`.
FollowsRead ReadJobFollowsUpTo(const LineList& lines, long long start, long long limit,
                               std::string_view defaultWorkstation);

// Both reads, one after the other, for the definition starting at `start` (its SCHEDULE line
// or the line after). A FOLLOWS text without any "#" gets defaultWorkstation + "#" in front.
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
